// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TextLanguageChoice.h"

#include "settings/RegistryStore.h"
#include "settings/SettingsCatalogue.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>

namespace quillon {

namespace {

// "German (deu)"; a code the locale data does not know stays a code.
QString LanguageLabel(const QString& codes) {
    if (codes.contains(QLatin1Char('+'))) return codes;
    const QLocale::Language language =
        QLocale::codeToLanguage(codes.section(QLatin1Char('_'), 0, 0), QLocale::ISO639Part2);
    if (language == QLocale::AnyLanguage) return codes;
    return QLocale::languageToString(language) + QStringLiteral(" (") + codes + QLatin1Char(')');
}

}  // namespace

TextLanguageChoice::TextLanguageChoice(QWidget* window, const RegistryStore& store)
    : QObject(window), store_(store), label_(new QLabel(QStringLiteral("Text Language"), window)),
      list_(new QComboBox(window)) {
    label_->setObjectName(QStringLiteral("Label8"));
    label_->setToolTip(QStringLiteral("The languages the text of a Searchable PDF is read in."));
    label_->setBuddy(list_);
    list_->setObjectName(QStringLiteral("TxtOcrLanguage"));
    list_->setAccessibleName(label_->text());
    list_->setAccessibleDescription(label_->toolTip());
    list_->view()->setAccessibleName(label_->text() + QStringLiteral(" choices"));
    connect(list_, &QComboBox::activated, this, &TextLanguageChoice::OnChosen);
}

void TextLanguageChoice::Load() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    list_->addItem(QStringLiteral("Automatic"), QString());
    for (const QString& code : installed_) list_->addItem(LanguageLabel(code), code);
    const QString stored = store_.Get(kOcrLanguageValueName).trimmed();
    if (stored == kNotFound || stored.isEmpty()) return list_->setCurrentIndex(0);
    int index = list_->findData(stored);
    if (index < 0) {
        // A choice made elsewhere (several languages, or one not installed
        // now) is shown as it stands; the scan says what is missing.
        list_->addItem(LanguageLabel(stored), stored);
        index = list_->count() - 1;
    }
    list_->setCurrentIndex(index);
}

void TextLanguageChoice::SetOffered(bool offered) {
    label_->setVisible(offered);
    list_->setVisible(offered);
}

void TextLanguageChoice::OnChosen(int index) {
    if (index >= 0) store_.Set(kOcrLanguageValueName, list_->itemData(index).toString());
}

}  // namespace quillon
