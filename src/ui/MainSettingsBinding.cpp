// SPDX-License-Identifier: GPL-3.0-or-later
// The binding of the option controls to their stored values: loading, the
// change handlers, the Defaults button and the availability rule.
#include "settings/RegistryStore.h"
#include "settings/StoredOptionJudgement.h"
#include "support/UserInterface.h"
#include "ui/Main.h"
#include "ui/TextLanguageChoice.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

namespace quillon {

namespace {

const char* const kCompactQualityTip = QT_TRANSLATE_NOOP(
    "quillon::Main",
    "PDF pages of text are written as sharp text over a small picture of the paper, several times smaller. "
    "A page below 150 dpi, of faint ink, mostly picture or of print too small is kept as with Good - Default, as are "
    "TIFF, JPEG and PNG files.");

const char* const kAutoCropNotice = QT_TRANSLATE_NOOP(
    "quillon::Main",
    "The Auto-Crop feature is intended to only be used for photographs and should not be used for documents as it "
    "may produce unexpected results.");

}  // namespace

QString StoreUnreadNotice(const StoreTrouble& trouble) {
    if (trouble.kind != StoreTrouble::Kind::AnotherUsersFile) return Main::tr(kStoreUnreadNoticeText);
    return Main::tr("The stored options could not be read: %1 belongs to another user. The defaults are shown, "
                    "and the stored options are kept as they are.")
        .arg(trouble.path);
}

void Main::ConnectOptionHandlers() {
    for (const OptionSpec& option : AllOptions()) {
        const OptionId id = option.id;
        if (option.kind == OptionKind::Check) {
            // Fires on every change of state, by a click or by code.
            connect(Check(id), &QCheckBox::toggled, this, [this, id] { OnOptionChanged(id); });
        } else {
            // Fires on every selection, by the user or by code; emptying the list
            // (no selection) and typing store nothing.
            connect(List(id), &QComboBox::currentIndexChanged, this, [this, id](int index) {
                if (index >= 0) OnOptionChanged(id);
            });
        }
    }
}

int Main::ControlValue(OptionId id) const {
    return Option(id).kind == OptionKind::Check ? CheckState(id) : SelectedIndex(id);
}

void Main::SetControlValue(OptionId id, int value) {
    if (Option(id).kind == OptionKind::Check)
        Check(id)->setChecked(value == 1);
    else
        List(id)->setCurrentIndex(value);
}

void Main::OnOptionChanged(OptionId id) {
    if (id == OptionId::Format || id == OptionId::WIA) UpdateOptionAvailability();
    if (id == OptionId::AutoCrop && Check(id)->isChecked())
        ui_.ShowMessage(tr(kAutoCropNotice), tr("Quillon Information"), MessageIcon::Information,
                        MessageButtons::Ok);
    // A default shown only because the store could not be read is not the
    // user's choice: the stored value stays.
    if (unreadOptions_.contains(id)) return;
    store_.Set(ValueName(id), StoredForm(ControlValue(id)));
}

int Main::LoadOption(const OptionSpec& option, const QStringList& items) {
    const StoredOptionJudgement judged =
        JudgeStoredOption(option, store_.Read(QString::fromLatin1(option.valueName)), items);
    if (judged.unread) unreadOptions_.insert(option.id);
    if (!judged.unusable.isEmpty()) unusableValues_.append(judged.unusable);
    return judged.value;
}

void Main::ReloadForm() {
    unreadOptions_.clear();
    unusableValues_.clear();
    for (const OptionSpec& option : AllOptions())
        if (option.kind == OptionKind::List) List(option.id)->clear();

    // Check boxes first: a box's handler runs only when loading changes its state.
    for (const OptionSpec& option : AllOptions()) {
        if (option.kind != OptionKind::Check) continue;
        SetControlValue(option.id, LoadOption(option, {}));
    }

    // Then each list in full: filled without a selection, then selected by
    // position, which runs its handler and stores the position.
    for (const OptionSpec& option : AllOptions()) {
        if (option.kind != OptionKind::List) continue;
        QComboBox* list = List(option.id);
        const QStringList items = OptionItems(option.id);
        {
            const QSignalBlocker quiet(list);
            list->addItems(items);
            if (option.id == OptionId::Quality)
                for (int position = 0; position < list->count(); ++position)
                    if (QualityAt(position)->compactPages)
                        list->setItemData(position, tr(kCompactQualityTip), Qt::ToolTipRole);
            list->setCurrentIndex(-1);
            // The open list is as wide as its longest item ("Manual Duplex (turn the stack)").
            list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 2 * list->view()->frameWidth() + 8);
            WidenForLongestItem(list);
        }
        SetControlValue(option.id, LoadOption(option, items));
        ShowSelectedItem(list);  // typed text is gone, even where the selection stayed
    }

    textLanguages_->Load();
    UpdateOptionAvailability();
    // Said, not hidden: what the window shows is not what was stored, or the
    // store had to start afresh.
    QStringList said = unusableValues_;
    if (!unreadOptions_.isEmpty()) said.append(StoreUnreadNotice(store_.Trouble()));
    if (const QString notice = store_.TakeNotice(); !notice.isEmpty()) said.append(notice);
    if (!said.isEmpty()) SetStatusText(said.join(QLatin1Char(' ')));
    unreadOptions_.clear();  // from now on every change is the user's, and stored
    unusableValues_.clear();
}

void Main::OnDefaultsClicked() {
    for (const OptionId id : OptionsResetByDefaults()) store_.Set(ValueName(id), QString());
    // A choice kept aside for a single-image format is no default: it goes too.
    for (const OptionId id : OptionsForcedForSingleImages()) store_.Set(KeptValueName(id), QString());
    ReloadForm();
    repaint();
}

void Main::UpdateOptionAvailability() {
    const FormatItem* format = FormatAt(List(OptionId::Format)->currentIndex());
    textLanguages_->SetOffered(format && format->searchable);
    const bool apply = MultiPageOptionsApply(List(OptionId::Format)->currentIndex(), ControlValue(OptionId::WIA));
    for (const OptionId id : OptionsForcedForSingleImages()) {
        if (apply) {
            OptionControl(id)->setEnabled(true);
            RestoreKeptValue(id);
        } else {
            // Resets go through the controls, so their handlers store them; the
            // user's own choice is kept beside, to come back with the options.
            // Both sides, by the device or by hand, need multiple pages.
            const int forced = id == OptionId::DuplexSetting ? kDuplexFrontOnly : 0;
            if (ControlValue(id) > forced) {
                store_.Set(KeptValueName(id), StoredForm(ControlValue(id)));
                SetControlValue(id, forced);
            }
            OptionControl(id)->setEnabled(false);
        }
    }
}

// The choice the rule replaced comes back, once: only when every list is
// loaded (while loading, the rule may run before the lists are filled).
void Main::RestoreKeptValue(OptionId id) {
    if (List(OptionId::Format)->currentIndex() < 0 || List(OptionId::DuplexSetting)->count() == 0) return;
    const QString kept = store_.Get(KeptValueName(id));
    bool numeric = false;
    const int value = kept.trimmed().toInt(&numeric);
    if (!numeric) return;
    store_.Set(KeptValueName(id), QString());
    if (Option(id).kind == OptionKind::List && (value < 0 || value >= List(id)->count())) return;
    if (ControlValue(id) != value) SetControlValue(id, value);
}

}  // namespace quillon
