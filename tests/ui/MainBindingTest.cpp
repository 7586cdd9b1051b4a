// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PendingRegistryBackend.h"
#include "settings/SqliteRegistryBackend.h"
#include "settings/RegistryStore.h"
#include "ui/Main.h"
#include "ui/PendingChangesRetry.h"

#include "../common/HeldStoreLock.h"
#include "../common/NamedCases.h"
#include "../common/ScriptedUserInterface.h"
#include "../common/TempDir.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quillon {
namespace {

using testing::ScriptedUserInterface;

class MainBindingTest : public ::testing::Test {
protected:
    // Values stored before the window loads.
    void Stored(const QString& name, const QString& value) { store.Set(name, value); }

    Main& Loaded() {
        window = std::make_unique<Main>(store, ui);
        window->Load();
        return *window;
    }

    QString ShownText(OptionId id) const { return window->List(id)->currentText(); }
    bool IsChecked(OptionId id) const { return window->Check(id)->isChecked(); }
    bool IsEnabled(OptionId id) const { return window->OptionControl(id)->isEnabled(); }
    QString StoredValue(OptionId id) const { return store.Get(ValueName(id)); }
    void Select(OptionId id, const QString& item) {
        QComboBox* list = window->List(id);
        const int index = list->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        list->setCurrentIndex(index);
    }

    testing::TempDir temp;
    SqliteRegistryBackend backend{temp.File("registry.sqlite3")};
    RegistryStore store{backend};
    ScriptedUserInterface ui;
    std::unique_ptr<Main> window;
};

TEST_F(MainBindingTest, FirstRunShowsAndStoresTheDefaults) {
    Loaded();
    EXPECT_EQ(ShownText(OptionId::ScanType), "Grayscale");
    EXPECT_EQ(ShownText(OptionId::DPI), "200");
    EXPECT_EQ(ShownText(OptionId::DuplexSetting), "Duplex");
    EXPECT_EQ(ShownText(OptionId::PageRejectionCoverage), "0.001");
    EXPECT_EQ(ShownText(OptionId::Format), "PDF");
    EXPECT_EQ(ShownText(OptionId::PaperSize), "Default");
    EXPECT_EQ(ShownText(OptionId::Quality), "Good - Default");
    EXPECT_TRUE(IsChecked(OptionId::AllowMultiplePages));
    EXPECT_TRUE(IsChecked(OptionId::TryADFFirst));
    EXPECT_TRUE(IsChecked(OptionId::AutoContrast));
    EXPECT_FALSE(IsChecked(OptionId::AutoCrop));
    EXPECT_FALSE(IsChecked(OptionId::AutoDeskew));
    EXPECT_FALSE(IsChecked(OptionId::WIA));
    EXPECT_TRUE(IsEnabled(OptionId::AllowMultiplePages));
    EXPECT_TRUE(IsEnabled(OptionId::DuplexSetting));

    const std::vector<std::pair<OptionId, QString>> expected{
        {OptionId::ScanType, " 1"},  {OptionId::DPI, " 3"},       {OptionId::DuplexSetting, " 1"},
        {OptionId::PageRejectionCoverage, " 0"}, {OptionId::Format, " 1"}, {OptionId::PaperSize, " 0"},
        {OptionId::Quality, " 3"},   {OptionId::AutoCrop, " 0"},  {OptionId::AutoDeskew, " 0"},
        {OptionId::WIA, " 0"},       {OptionId::AllowMultiplePages, "Not Found"},
        {OptionId::TryADFFirst, "Not Found"}, {OptionId::AutoContrast, "Not Found"}};
    for (const auto& [id, value] : expected) EXPECT_EQ(StoredValue(id), value) << Option(id).valueName;
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainBindingTest, StoredValuesLoadByPosition) {
    Stored("DPI", " 4");
    Stored("ScanType", "2");
    Stored("PageRejectionCoverage", " 49");
    Stored("PaperSize", " 2");
    Stored("AutoContrast", " 0");
    Stored("Format", " 4");
    Loaded();
    EXPECT_EQ(ShownText(OptionId::Format), "Searchable PDF");
    EXPECT_EQ(ShownText(OptionId::DPI), "300");
    EXPECT_EQ(ShownText(OptionId::ScanType), "Color");
    EXPECT_EQ(ShownText(OptionId::PageRejectionCoverage), "0.05");
    EXPECT_EQ(ShownText(OptionId::PaperSize), "Legal");
    EXPECT_FALSE(IsChecked(OptionId::AutoContrast));
    EXPECT_EQ(StoredValue(OptionId::ScanType), " 2");  // rewritten in the stored form by its handler
}

TEST_F(MainBindingTest, HandEditedValuesLoadTheDefaultWhichIsStored) {
    Stored("Quality", "abc");
    Stored("DPI", " 17");
    Stored("Format", "-3");
    Stored("AutoCrop", " 5");
    Stored("TryADFFirst", "maybe");
    Loaded();
    EXPECT_EQ(ShownText(OptionId::Quality), "Good - Default");
    EXPECT_EQ(StoredValue(OptionId::Quality), " 3");
    EXPECT_EQ(ShownText(OptionId::DPI), "200");
    EXPECT_EQ(StoredValue(OptionId::DPI), " 3");
    EXPECT_EQ(ShownText(OptionId::Format), "PDF");
    EXPECT_FALSE(IsChecked(OptionId::AutoCrop));
    EXPECT_EQ(StoredValue(OptionId::AutoCrop), " 0");
    EXPECT_TRUE(IsChecked(OptionId::TryADFFirst));
    EXPECT_TRUE(ui.messages.empty());
    // Said, in the order the window loads them.
    EXPECT_EQ(window->StatusLabel()->text(),
              QStringList({"The stored value of TryADFFirst, \"maybe\", cannot be used; its default (checked) is used instead.",
                           "The stored value of AutoCrop, \" 5\", cannot be used; its default (unchecked) is used instead.",
                           "The stored value of DPI, \" 17\", cannot be used; its default (200) is used instead.",
                           "The stored value of Format, \"-3\", cannot be used; its default (PDF) is used instead.",
                           "The stored value of Quality, \"abc\", cannot be used; its default (Good - Default) is used instead."})
                  .join(' '));
}

// A stored value that makes the output a single image.
struct SingleImageCause {
    const char* name;
    const char* valueName;
    const char* stored;
    friend void PrintTo(const SingleImageCause& c, std::ostream* out) { *out << c.name; }
};

class ForcedSingleImageTest : public MainBindingTest, public ::testing::WithParamInterface<SingleImageCause> {};

TEST_P(ForcedSingleImageTest, LoadingForcesFrontOnlyAndSinglePagesAndStoresThem) {
    Stored("AllowMultiplePages", " 1");
    Stored("DuplexSetting", " 2");  // manual duplex needs multiple pages too
    Stored(GetParam().valueName, GetParam().stored);
    Loaded();
    EXPECT_FALSE(IsChecked(OptionId::AllowMultiplePages));
    EXPECT_FALSE(IsEnabled(OptionId::AllowMultiplePages));
    EXPECT_EQ(ShownText(OptionId::DuplexSetting), "Front Only");
    EXPECT_FALSE(IsEnabled(OptionId::DuplexSetting));
    EXPECT_EQ(StoredValue(OptionId::AllowMultiplePages), " 0");
    EXPECT_EQ(StoredValue(OptionId::DuplexSetting), " 0");
}

INSTANTIATE_TEST_SUITE_P(Causes, ForcedSingleImageTest,
                         ::testing::Values(SingleImageCause{"Jpeg", "Format", " 0"}, SingleImageCause{"Png", "Format", " 2"},
                                           SingleImageCause{"Wia", "WIA", " 1"}),
                         testing::NameOfCase());

TEST_F(MainBindingTest, DefaultsButtonRestoresDefaultsButKeepsPaperSizeAndOtherValues) {
    Stored("PaperSize", " 2");
    Stored("DPI", " 5");
    Stored("Format", " 3");
    Stored("AutoCrop", " 1");
    Stored("AutoContrast", " 0");
    Stored("WIACHECK", "1");
    Stored("LastDirectory", "/home/ann/Scans/");
    Loaded();
    ui.messages.clear();

    for (int press = 0; press < 2; ++press) {
        window->DefaultsButton()->click();
        if (press == 0) {
            EXPECT_EQ(StoredValue(OptionId::AutoCrop), " 0");  // its box changed back to unchecked
            EXPECT_EQ(StoredValue(OptionId::AutoContrast), " 1");
        }
        EXPECT_EQ(window->List(OptionId::PaperSize)->count(), 5);
        EXPECT_EQ(window->List(OptionId::DPI)->count(), 6);
        EXPECT_EQ(window->List(OptionId::PageRejectionCoverage)->count(), 50);
        EXPECT_EQ(window->List(OptionId::ScanType)->count(), 3);
        EXPECT_EQ(window->List(OptionId::Quality)->count(), 7);
        EXPECT_TRUE(window->List(OptionId::Quality)->itemData(6, Qt::ToolTipRole).toString().contains("TIFF, JPEG and PNG"));
        EXPECT_EQ(ShownText(OptionId::PaperSize), "Legal");
        EXPECT_EQ(ShownText(OptionId::DPI), "200");
        EXPECT_EQ(ShownText(OptionId::Format), "PDF");
        EXPECT_FALSE(IsChecked(OptionId::AutoCrop));
        EXPECT_TRUE(IsChecked(OptionId::AutoContrast));
    }
    EXPECT_EQ(StoredValue(OptionId::PaperSize), " 2");
    EXPECT_EQ(StoredValue(OptionId::DPI), " 3");
    // A box whose state the second loading did not change keeps the empty text.
    EXPECT_EQ(StoredValue(OptionId::AutoCrop), "");
    EXPECT_EQ(StoredValue(OptionId::AutoContrast), "");
    EXPECT_EQ(StoredValue(OptionId::AllowMultiplePages), "");
    EXPECT_EQ(store.Get("WIACHECK"), "1");
    EXPECT_EQ(store.Get("LastDirectory"), "/home/ann/Scans/");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainBindingTest, AutoCropInformationComesBeforeTheWriteAndOnlyWhenChecked) {
    Loaded();
    QString storedWhileShown;
    ui.onMessage = [&](const testing::ShownMessage&) { storedWhileShown = store.Get("AutoCrop"); };
    window->Check(OptionId::AutoCrop)->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "The Auto-Crop feature is intended to only be used for photographs and should not be used for "
              "documents as it may produce unexpected results.");
    EXPECT_EQ(ui.messages[0].title, "Quillon Information");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(storedWhileShown, " 0");
    EXPECT_EQ(store.Get("AutoCrop"), " 1");
    EXPECT_TRUE(IsChecked(OptionId::AutoCrop));

    window->Check(OptionId::AutoCrop)->click();
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(store.Get("AutoCrop"), " 0");
}

TEST_F(MainBindingTest, LoadingAutoCropIntoItsCreatedCheckedStateShowsNothing) {
    // The boxes are created checked, so loading a checked Auto Crop is no change.
    Stored("AutoCrop", " 1");
    Loaded();
    EXPECT_TRUE(IsChecked(OptionId::AutoCrop));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainBindingTest, FormatChangesRunTheAvailabilityRuleAndTheReplacedChoicesComeBack) {
    Loaded();
    Select(OptionId::Format, "TIFF");
    EXPECT_EQ(StoredValue(OptionId::Format), " 3");
    EXPECT_TRUE(IsEnabled(OptionId::AllowMultiplePages));

    Select(OptionId::Format, "PNG");
    EXPECT_EQ(StoredValue(OptionId::Format), " 2");
    EXPECT_FALSE(IsChecked(OptionId::AllowMultiplePages));
    EXPECT_FALSE(IsEnabled(OptionId::AllowMultiplePages));
    EXPECT_EQ(ShownText(OptionId::DuplexSetting), "Front Only");
    EXPECT_FALSE(IsEnabled(OptionId::DuplexSetting));
    EXPECT_EQ(StoredValue(OptionId::AllowMultiplePages), " 0");
    EXPECT_EQ(StoredValue(OptionId::DuplexSetting), " 0");

    // A multi-page format again: the choices the rule replaced come back.
    Select(OptionId::Format, "PDF");
    EXPECT_TRUE(IsEnabled(OptionId::AllowMultiplePages));
    EXPECT_TRUE(IsEnabled(OptionId::DuplexSetting));
    EXPECT_TRUE(IsChecked(OptionId::AllowMultiplePages));
    EXPECT_EQ(ShownText(OptionId::DuplexSetting), "Duplex");

    Select(OptionId::Format, "PNG");
    Select(OptionId::Format, "Searchable PDF");  // a PDF in every rule
    EXPECT_EQ(StoredValue(OptionId::Format), " 4");
    EXPECT_TRUE(IsEnabled(OptionId::AllowMultiplePages));
    EXPECT_TRUE(IsEnabled(OptionId::DuplexSetting));
}

// Passing over JPEG and PNG (Up from Searchable PDF to PDF), checking WIA and
// clearing it, or a restart while JPEG is chosen: multiple pages, splitting and
// duplex come back as the user had them, in the window and in the store. The
// Defaults button forgets what was kept aside.
TEST_F(MainBindingTest, PassingASingleImageFormatOrWiaLosesNoChoice) {
    const auto setChoices = [&] {
        Select(OptionId::Format, "PDF");
        Select(OptionId::DuplexSetting, "Manual Duplex (turn the stack)");
        window->Check(OptionId::AllowMultiplePages)->setChecked(true);
        window->Check(OptionId::SplitDocuments)->setChecked(true);
        window->Check(OptionId::ReviewPages)->setChecked(true);
    };
    const auto expectChoices = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_TRUE(IsChecked(OptionId::AllowMultiplePages));
        EXPECT_TRUE(IsChecked(OptionId::SplitDocuments));
        EXPECT_EQ(ShownText(OptionId::DuplexSetting), "Manual Duplex");  // its explanation is in the open list
        EXPECT_EQ(StoredValue(OptionId::AllowMultiplePages), " 1");
        EXPECT_EQ(StoredValue(OptionId::SplitDocuments), " 1");
        EXPECT_EQ(StoredValue(OptionId::ReviewPages), " 1");
        EXPECT_EQ(StoredValue(OptionId::DuplexSetting), " 2");
    };
    Loaded();
    setChoices();
    for (const char* format : {"Searchable PDF", "PNG", "JPEG", "PDF"}) Select(OptionId::Format, format);
    expectChoices("passing PNG and JPEG");

    window->Check(OptionId::WIA)->click();
    EXPECT_FALSE(IsChecked(OptionId::SplitDocuments));
    window->Check(OptionId::WIA)->click();
    expectChoices("WIA checked and cleared");

    Select(OptionId::Format, "JPEG");
    Loaded();  // a restart
    EXPECT_FALSE(IsChecked(OptionId::AllowMultiplePages));
    Select(OptionId::Format, "TIFF");
    expectChoices("after a restart");

    Select(OptionId::Format, "JPEG");
    window->DefaultsButton()->click();  // the default format, PDF: the defaults, not the kept choices
    EXPECT_EQ(ShownText(OptionId::DuplexSetting), "Duplex");
    EXPECT_FALSE(IsChecked(OptionId::SplitDocuments));
    EXPECT_FALSE(IsChecked(OptionId::ReviewPages));
    EXPECT_EQ(store.Get(KeptValueName(OptionId::DuplexSetting)), "");
}

TEST_F(MainBindingTest, WiaDisablesAndReenablesTheMultiPageOptions) {
    Stored("Format", " 3");
    Loaded();
    window->Check(OptionId::WIA)->click();
    EXPECT_EQ(StoredValue(OptionId::WIA), " 1");
    EXPECT_FALSE(IsEnabled(OptionId::AllowMultiplePages));
    EXPECT_FALSE(IsEnabled(OptionId::DuplexSetting));
    EXPECT_EQ(StoredValue(OptionId::AllowMultiplePages), " 0");
    window->Check(OptionId::WIA)->click();
    EXPECT_EQ(StoredValue(OptionId::WIA), " 0");
    EXPECT_TRUE(IsEnabled(OptionId::AllowMultiplePages));
    EXPECT_TRUE(IsEnabled(OptionId::DuplexSetting));
}

TEST_F(MainBindingTest, NoFormatSelectedLeavesTheMultiPageOptionsEnabled) {
    Loaded();
    window->List(OptionId::Format)->setCurrentIndex(-1);
    EXPECT_EQ(StoredValue(OptionId::Format), " 1");  // no selection stores nothing
    window->Check(OptionId::WIA)->click();
    window->Check(OptionId::WIA)->click();
    EXPECT_TRUE(IsEnabled(OptionId::AllowMultiplePages));
    EXPECT_TRUE(IsEnabled(OptionId::DuplexSetting));
}

TEST_F(MainBindingTest, AlreadySinglePageJpegOnlyDisablesAndStoresNothing) {
    // Written without the sign place, so a rewrite would show.
    Stored("Format", "0");
    Stored("AllowMultiplePages", "0");
    Stored("DuplexSetting", "0");
    Loaded();
    EXPECT_FALSE(IsEnabled(OptionId::AllowMultiplePages));
    EXPECT_FALSE(IsEnabled(OptionId::DuplexSetting));
    EXPECT_EQ(StoredValue(OptionId::AllowMultiplePages), " 0");  // its box changed from checked at loading
    EXPECT_EQ(StoredValue(OptionId::DuplexSetting), " 0");       // selected by loading

    store.Set("AllowMultiplePages", "0");
    store.Set("DuplexSetting", "0");
    Select(OptionId::Format, "PNG");
    EXPECT_EQ(StoredValue(OptionId::AllowMultiplePages), "0");
    EXPECT_EQ(StoredValue(OptionId::DuplexSetting), "0");
}

TEST_F(MainBindingTest, TypingIntoAListSelectsAndStoresNothingEvenAnItemsExactText) {
    Loaded();
    window->show();
    // Typed text selects nothing, even where it is an item's exact text: only
    // a choice from the list counts. Editing ended by Return or by leaving
    // the list, the list shows its chosen item again.
    struct Typed {
        OptionId list;
        const char* text;
        Qt::Key end;
    };
    for (const Typed& typed : {Typed{OptionId::DPI, "250", Qt::Key_Return}, Typed{OptionId::DPI, "300", Qt::Key_Return},
                               Typed{OptionId::Format, "PNG", Qt::Key_Tab}}) {
        SCOPED_TRACE(typed.text);
        QComboBox* list = window->List(typed.list);
        const int before = list->currentIndex();
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), typed.text);
        QTest::keyClick(list->lineEdit(), typed.end);
        emit list->lineEdit()->editingFinished();  // as leaving the list does on a desktop
        EXPECT_EQ(list->currentIndex(), before);
        EXPECT_EQ(list->currentText(), list->itemText(before));
        EXPECT_EQ(list->count(), static_cast<int>(OptionItems(typed.list).size()));  // never inserted
    }
    EXPECT_EQ(StoredValue(OptionId::DPI), " 3");
    EXPECT_EQ(StoredValue(OptionId::Format), " 1");
    EXPECT_EQ(StoredValue(OptionId::AllowMultiplePages), "Not Found");  // no availability rule ran
    EXPECT_TRUE(window->Check(OptionId::AllowMultiplePages)->isEnabled());

    // Text still being typed when Defaults is pressed goes too.
    QComboBox* scanType = window->List(OptionId::ScanType);
    scanType->setEditText("250");
    window->DefaultsButton()->click();
    EXPECT_EQ(scanType->currentText(), "Grayscale");
}

// The text's languages, offered for a Searchable PDF only: the installed
// ones, several of which may be checked ("deu+eng", shown as "German +
// English"), "Automatic" storing nothing, a language not installed kept.
TEST_F(MainBindingTest, TheTextLanguagesAreOfferedForASearchablePdfAndStoredAtOnce) {
    Stored("OcrLanguage", "deu+eng+xyz");
    window = std::make_unique<Main>(store, ui);
    window->SetTextLanguages({"deu", "eng", "fra"});
    window->Load();
    window->show();
    QComboBox* languages = window->TextLanguageList();
    EXPECT_FALSE(languages->isVisible());  // the format is PDF
    Select(OptionId::Format, "Searchable PDF");
    ASSERT_TRUE(languages->isVisible());
    QStringList items;
    for (int i = 0; i < languages->count(); ++i) items.append(languages->itemText(i));
    EXPECT_EQ(items, QStringList({"Automatic", "German (deu)", "English (eng)", "French (fra)", "xyz"}));
    const auto shown = [&] { return languages->currentIndex() < 0 ? languages->placeholderText() : languages->currentText(); };
    EXPECT_EQ(shown(), "German + English + xyz");
    // Each choice as the user makes it, from the keyboard: what is stored, and shown.
    const struct {
        int item;
        const char* stored;
        const char* shown;
    } kChoices[] = {
        {4, "deu+eng", "German + English"}, {1, "eng", "English (eng)"},  {3, "eng+fra", "English + French"},
        {0, "", "Automatic"},               {1, "deu", "German (deu)"},
    };
    for (const auto& choice : kChoices) {
        SCOPED_TRACE(choice.stored);
        emit languages->activated(choice.item);
        EXPECT_EQ(store.Get("OcrLanguage"), choice.stored);
        EXPECT_EQ(shown(), choice.shown);
    }
    // A click in the open list checks a language, and the list stays open.
    languages->showPopup();
    QAbstractItemView* view = languages->view();
    const QPoint english = view->visualRect(languages->model()->index(2, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, english);
    EXPECT_EQ(store.Get("OcrLanguage"), "deu+eng");
    EXPECT_TRUE(view->isVisible());
    languages->hidePopup();
    Select(OptionId::Format, "TIFF");
    EXPECT_FALSE(languages->isVisible());
}

// A store that cannot be read at the moment (busy, no descriptor left, or
// for the reason given): writes pass through to the real one.
class UnreadableBackend : public RegistryBackend {
public:
    explicit UnreadableBackend(RegistryBackend& real, StoreTrouble trouble = {}) : real_(real), trouble_(trouble) {}
    std::unique_ptr<RegistryKey> OpenKey(std::uint32_t, const QString&, LookupResult& result) override {
        result = LookupResult::Failed;
        return nullptr;
    }
    std::unique_ptr<RegistryKey> CreateKey(std::uint32_t hive, const QString& path) override {
        return real_.CreateKey(hive, path);
    }
    StoreTrouble Trouble() override { return trouble_; }

private:
    RegistryBackend& real_;
    StoreTrouble trouble_;
};

TEST_F(MainBindingTest, LoadingAStoreThatCannotBeReadShowsDefaultsAndOverwritesNothing) {
    Stored("DPI", " 5");
    Stored("AutoCrop", " 1");
    Stored("Format", " 0");
    UnreadableBackend unreadable(backend);
    const RegistryStore unreadableStore(unreadable);
    Main shown(unreadableStore, ui);
    shown.Load();
    EXPECT_EQ(shown.List(OptionId::DPI)->currentText(), "200");
    EXPECT_FALSE(shown.Check(OptionId::AutoCrop)->isChecked());
    EXPECT_EQ(StoredValue(OptionId::DPI), " 5");
    EXPECT_EQ(StoredValue(OptionId::AutoCrop), " 1");
    EXPECT_EQ(StoredValue(OptionId::Format), " 0");
    EXPECT_EQ(StoredValue(OptionId::Quality), "Not Found");
    EXPECT_EQ(shown.StatusLabel()->text(), kStoreUnreadNotice);

    // What the user changes afterwards is stored as ever.
    shown.List(OptionId::DPI)->setCurrentIndex(4);
    EXPECT_EQ(StoredValue(OptionId::DPI), " 4");
}

// A file another user made (a run under sudo) is said as such, not guessed at.
TEST_F(MainBindingTest, AStoreOfAnotherUserIsSaidToBeOne) {
    UnreadableBackend unreadable(
        backend, {StoreTrouble::Kind::AnotherUsersFile, QStringLiteral("/home/ann/.config/Quillon/registry.sqlite3")});
    const RegistryStore unreadableStore(unreadable);
    Main shown(unreadableStore, ui);
    shown.Load();
    EXPECT_EQ(shown.StatusLabel()->text(),
              "The stored options could not be read: /home/ann/.config/Quillon/registry.sqlite3 belongs to another "
              "user. The defaults are shown, and the stored options are kept as they are.");
}

// Another program holds the settings file while Auto Deskew is checked: the
// change is kept and said, and stored once the lock goes; a lock held past
// the close loses it, and that is said.
struct LockedChange {
    const char* name;
    bool releasedBeforeClose;
    const char* saidAtClose;  // the start of it
    const char* storedAfter;
    friend void PrintTo(const LockedChange& c, std::ostream* out) { *out << c.name; }
};

class LockedChangeTest : public MainBindingTest, public ::testing::WithParamInterface<LockedChange> {};

TEST_P(LockedChangeTest, IsKeptAndStoredWhenTheLockGoesOrSaidAtTheClose) {
    PendingRegistryBackend pending(backend);
    const RegistryStore keeping(pending);
    Main shown(keeping, ui);
    PendingChangesRetry retry(pending, shown);
    shown.Load();
    testing::HeldStoreLock lock(temp.File("registry.sqlite3"));
    shown.Check(OptionId::AutoDeskew)->setChecked(true);
    EXPECT_TRUE(shown.StatusLabel()->text().startsWith(
        "Your change is not stored yet: another program holds the settings file " + temp.File("registry.sqlite3")))
        << shown.StatusLabel()->text().toStdString();

    if (GetParam().releasedBeforeClose) {
        lock.Release();
        // The window's own timer stores it; nothing here writes.
        EXPECT_TRUE(QTest::qWaitFor([&] { return StoredValue(OptionId::AutoDeskew) == " 1"; }, 5000));
        EXPECT_EQ(shown.StatusLabel()->text(), "Your changes are stored now.");
    }
    retry.StoreNow();
    const QString said = retry.Unstored();
    EXPECT_TRUE(GetParam().saidAtClose[0] ? said.startsWith(GetParam().saidAtClose) : said.isEmpty())
        << said.toStdString();
    lock.Release();
    EXPECT_EQ(StoredValue(OptionId::AutoDeskew), GetParam().storedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Locks, LockedChangeTest,
    ::testing::Values(LockedChange{"ReleasedWhileTheWindowIsOpen", true, "", " 1"},
                      LockedChange{"HeldPastTheClose", false,
                                   "Your last changes to the options could not be stored: another program holds the "
                                   "settings file",
                                   " 0"}),
    testing::NameOfCase());

TEST_F(MainBindingTest, ASettingsFileThatCouldNotBeUsedIsKeptAsideAndTheWindowSaysWhere) {
    QFile garbage(temp.File("registry.sqlite3"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(5000, 'g'));
    garbage.close();
    Main shown(store, ui);
    shown.Load();  // stores what it shows, which starts a fresh file
    EXPECT_TRUE(shown.StatusLabel()->text().contains("it was kept as registry.sqlite3.damaged-"))
        << shown.StatusLabel()->text().toStdString();
}

}  // namespace
}  // namespace quillon
