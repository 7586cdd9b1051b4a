// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StoredOptionControls.h"

#include "settings/RegistryStore.h"
#include "settings/StoredOptionJudgement.h"

#include <cstdio>

namespace quillon {

namespace {

QStringList ItemsOf(OptionId id) {
    // The coverage items as typed on a command line, with a point.
    return id == OptionId::PageRejectionCoverage ? CoverageItems(QLatin1Char('.')) : OptionItems(id);
}

}  // namespace

StoredOptionControls::StoredOptionControls(const RegistryStore& store, const QMap<OptionId, int>& overrides,
                                           const QMap<OptionId, QString>& texts)
    : texts_(texts) {
    for (const OptionSpec& option : AllOptions()) {
        const auto index = static_cast<std::size_t>(option.id);
        if (overrides.contains(option.id)) {
            values_[index] = overrides.value(option.id);
            continue;
        }
        // Judged as the window judges it when it loads.
        const StoredOptionJudgement judged = JudgeStoredOption(
            option, store.Read(QString::fromLatin1(option.valueName)),
            option.kind == OptionKind::List ? ItemsOf(option.id) : QStringList());
        storeUnread_ = storeUnread_ || judged.unread;
        if (!judged.unusable.isEmpty()) unusableValues_.append(judged.unusable);
        values_[index] = judged.value;
    }
    // The window's availability rule, as the window would apply it.
    if (!MultiPageOptionsApply(SelectedIndex(OptionId::Format), CheckState(OptionId::WIA))) {
        values_[static_cast<std::size_t>(OptionId::AllowMultiplePages)] = 0;
        values_[static_cast<std::size_t>(OptionId::SplitDocuments)] = 0;
        int& duplex = values_[static_cast<std::size_t>(OptionId::DuplexSetting)];
        duplex = kDuplexFrontOnly;  // both sides, by the device or by hand, need multiple pages
    }
}

int StoredOptionControls::CheckState(OptionId id) const { return values_[static_cast<std::size_t>(id)]; }

int StoredOptionControls::SelectedIndex(OptionId id) const {
    return texts_.contains(id) ? -1 : values_[static_cast<std::size_t>(id)];
}

QString StoredOptionControls::EditText(OptionId id) const {
    if (texts_.contains(id)) return texts_.value(id);
    const QStringList items = ItemsOf(id);
    const int position = values_[static_cast<std::size_t>(id)];
    return position >= 0 && position < items.size() ? items[position] : QString();
}

void StoredOptionControls::SetStatusText(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace quillon
