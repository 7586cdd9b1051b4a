// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/StoredOptionJudgement.h"

#include <QCoreApplication>

namespace quillon {

namespace {

// Enough of a stored text to recognise it, not a page of it.
constexpr int kShownCharacters = 24;

// The stored text as a sentence shows it: quoted, short, and on one line
// whatever it holds.
QString Quoted(const QString& text) {
    QString shown = text.left(kShownCharacters);
    for (QChar& character : shown)
        if (!character.isPrint()) character = QChar::ReplacementCharacter;
    if (text.size() > kShownCharacters) shown += QStringLiteral("...");
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString DefaultShown(const OptionSpec& option, const QStringList& items) {
    if (option.kind == OptionKind::Check)
        return option.defaultValue == 1 ? QCoreApplication::translate("Settings", "checked")
                                        : QCoreApplication::translate("Settings", "unchecked");
    return items.value(option.defaultValue);
}

}  // namespace

StoredOptionJudgement JudgeStoredOption(const OptionSpec& option, const RegistryStore::Reading& stored,
                                        const QStringList& items) {
    if (stored.failed) return {option.defaultValue, true, {}};
    QString shown;
    if (stored.tooLongBytes > 0) {
        shown = QCoreApplication::translate("Settings", "%n bytes long", nullptr, stored.tooLongBytes);
    } else {
        const int listItemCount = option.kind == OptionKind::List ? static_cast<int>(items.size()) : 0;
        if (const std::optional<int> value = UsableValue(option, stored.text, listItemCount)) return {*value, false, {}};
        if (stored.text.isEmpty() || stored.text == kNotFound) return {option.defaultValue, false, {}};
        shown = Quoted(stored.text);
    }
    return {option.defaultValue, false,
            QCoreApplication::translate("Settings",
                                        "The stored value of %1, %2, cannot be used; its default (%3) is used instead.")
                .arg(QString::fromLatin1(option.valueName), shown, DefaultShown(option, items))};
}

}  // namespace quillon
