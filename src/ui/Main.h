// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/OptionControls.h"
#include "settings/RegistryBackend.h"
#include "settings/SettingsCatalogue.h"

#include <QSet>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace quillon {

class RegistryStore;
class TextLanguageChoice;
class UserInterface;

inline const QString kProductWebAddress = QStringLiteral("https://quillon.app/");
// The status line when the stored options could not be read at start (the
// English text; the window shows it in the user's language).
inline constexpr const char* kStoreUnreadNoticeText = QT_TRANSLATE_NOOP(
    "quillon::Main",
    "The stored options could not be read (another program holds them, or the settings file is a link to "
    "something else); the defaults are shown, and the stored options are kept as they are.");
inline const QString kStoreUnreadNotice = QString::fromUtf8(kStoreUnreadNoticeText);
// The same, said as what it is where the store tells why.
QString StoreUnreadNotice(const StoreTrouble& trouble);

// The program's one window: the scan options, SCAN, Defaults, the status line
// and the product notice. Every option control is bound to its stored value.
class Main : public QWidget, public OptionControls {
    Q_OBJECT
public:
    Main(const RegistryStore& store, UserInterface& ui, QWidget* parent = nullptr);

    // The load handler: loads every option, then gives SCAN the focus.
    void Load();

    // Fills the option lists and brings every option control to its stored value
    // or default, then applies the availability rule.
    void ReloadForm();

    // The languages whose data is installed, offered for a Searchable PDF's
    // text; set before loading.
    void SetTextLanguages(const QStringList& installed);

    // What the SCAN button runs.
    void SetScanHandler(std::function<void()> handler) { scanHandler_ = std::move(handler); }
    // What closing the window runs, by any means, a scan under way or not:
    // the program ends, and nothing may refuse it.
    void SetCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }

    // The option controls as the scan job reads them, and the status line
    // (replaced and repainted at once).
    int CheckState(OptionId id) const override;
    int SelectedIndex(OptionId id) const override;
    QString EditText(OptionId id) const override;
    void SetStatusText(const QString& text) override;

    QComboBox* List(OptionId id) const;
    QCheckBox* Check(OptionId id) const;
    QWidget* OptionControl(OptionId id) const { return optionControls_[static_cast<std::size_t>(id)]; }
    QPushButton* ScanButton() const { return scanButton_; }
    QPushButton* DefaultsButton() const { return defaultsButton_; }
    QLabel* StatusLabel() const { return statusLabel_; }
    QLabel* NoticeLabel() const { return noticeLabel_; }
    QComboBox* TextLanguageList() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void ConnectOptionHandlers();
    void OnOptionChanged(OptionId id);
    void OnDefaultsClicked();
    // The edit field shows the chosen item's text, whatever was typed into it.
    static void ShowSelectedItem(QComboBox* list);
    void WidenForLongestItem(QComboBox* list);
    // Where a caption or a list's item is longer than its place (the window
    // in another language), the control grows to the right, into the room
    // before the next control; where that is not enough, every control beyond
    // it moves along, so columns stay aligned, and the window grows with them.
    void FitToTexts();
    int NeededWidth(QWidget* control) const;
    void UpdateOptionAvailability();
    void RestoreKeptValue(OptionId id);
    int ControlValue(OptionId id) const;
    void SetControlValue(OptionId id, int value);
    // The value an option loads as; notes the options whose stored value
    // could not be read, and says the stored values that cannot be used.
    int LoadOption(const OptionSpec& option, const QStringList& items);

    const RegistryStore& store_;
    UserInterface& ui_;
    std::function<void()> scanHandler_;
    std::function<void()> closeHandler_;
    std::array<QWidget*, kOptionCount> optionControls_{};
    QPushButton* scanButton_ = nullptr;
    QPushButton* defaultsButton_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QLabel* noticeLabel_ = nullptr;
    TextLanguageChoice* textLanguages_ = nullptr;
    QSet<OptionId> unreadOptions_;  // while loading
    QStringList unusableValues_;    // while loading: a sentence for each
};

}  // namespace quillon
