// SPDX-License-Identifier: GPL-3.0-or-later
// The window's scan on its own thread: the window keeps answering while the
// scanner does not, and Cancel reaches a step that would never end.
#include "scan/sane/SaneDevice.h"
#include "scan/sane/SaneLibrary.h"
#include "settings/RegistryStore.h"
#include "settings/SqliteRegistryBackend.h"
#include "ui/BackgroundScan.h"
#include "ui/Main.h"
#include "ui/ProgressWindow.h"
#include "ui/QtScannerDialogs.h"

#include "../common/FakeScannerLibrary.h"
#include "../common/ScriptedUserInterface.h"
#include "../common/TempDir.h"
#include "../sane/PassThroughDevice.h"
#include "../sane/SaneTestConfig.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>


#include <gtest/gtest.h>

#include <future>
#include <optional>
#include <tuple>

namespace quillon {
namespace {

// The real test device, except that starting a page never returns until the
// page is cancelled: a scanner that has stopped answering.
class SilentDevice : public testing::PassThroughDevice {
public:
    using PassThroughDevice::PassThroughDevice;
    SANE_Status Start() override {
        WaitUntilCancelled();
        return SANE_STATUS_CANCELLED;
    }
};

ProgressWindow* ShownProgress() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<ProgressWindow*>(widget); dialog && dialog->isVisible()) return dialog;
    return nullptr;
}

TEST(BackgroundScanTest, CancelEndsAStartThatNeverReturnsAndKeepsTheOlderFile) {
    for (const char* file : {"dll.conf", "test.conf"}) {
        QFile source(QStringLiteral(QUILLON_SOURCE_DIR "/tests/sane/") + file);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        ASSERT_TRUE(testing::WriteSaneConfig(file, source.readAll()));
    }
    testing::TempDir temp;
    SqliteRegistryBackend backend{temp.File("registry.sqlite3")};
    RegistryStore store{backend};
    testing::ScriptedUserInterface ui;
    ui.desktopFolder = temp.path();
    const QString output = temp.File("scan.pdf");
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the older file");
    old.close();
    ui.Accept(output);

    Main window{store, ui};
    window.Load();
    QtScannerDialogs dialogs;
    dialogs.SetOwnerWindow(&window);
    SaneLibrary library{dialogs, temp.File("config"), temp.File("scanner.log")};
    library.UseDevice("test");
    library.SetDeviceOpener([](const QString& name, int* status) -> std::unique_ptr<SaneDevice> {
        std::unique_ptr<SaneDevice> real = SaneHandleDevice::Open(name.toUtf8().constData(), status);
        return real ? std::make_unique<SilentDevice>(std::move(real)) : nullptr;
    });
    BackgroundScan scan(window, library, store, ui);
    dialogs.SetScanProgress(&scan.progress());
    std::optional<ScanOutcome> outcome;
    scan.SetOutcomeHandler([&](const ScanOutcome& o) { outcome = o; });

    ASSERT_TRUE(scan.Start());
    EXPECT_FALSE(scan.Start()) << "one scan at a time";
    // The window's thread is free while the scanner says nothing: it shows
    // the scan's progress, with Cancel.
    ASSERT_TRUE(QTest::qWaitFor([] { return ShownProgress() != nullptr; }, 10000));
    EXPECT_TRUE(ShownProgress()->caption().startsWith("Waiting for page 1")) << ShownProgress()->caption().toStdString();
    QElapsedTimer sinceCancel;
    sinceCancel.start();
    QPushButton* cancel = ShownProgress()->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 10000));
    EXPECT_LT(sinceCancel.elapsed(), 5000);
    EXPECT_EQ(outcome->kind, ScanOutcome::Kind::Cancelled);
    EXPECT_FALSE(scan.running());
    EXPECT_EQ(ShownProgress(), nullptr);
    QFile kept(output);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "the older file");
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_TRUE(ui.messages.back().text.contains("cancelled")) << ui.messages.back().text.toStdString();
}

// A search for scanners that never ends (a network backend waiting for a
// host that never answers) holds nothing: the job whose save dialog was
// cancelled ends at once, the next SCAN waits for the search only as a step
// that can be cancelled, and the window's close does not wait for it.
TEST(BackgroundScanTest, ASearchThatNeverEndsHoldsNeitherTheNextScanNorTheClose) {
    testing::TempDir temp;
    SqliteRegistryBackend backend{temp.File("registry.sqlite3")};
    RegistryStore store{backend};
    testing::ScriptedUserInterface ui;
    ui.desktopFolder = temp.path();
    Main window{store, ui};
    window.Load();
    QtScannerDialogs dialogs;
    dialogs.SetOwnerWindow(&window);
    SaneLibrary library{dialogs, temp.File("config"), temp.File("scanner.log")};
    std::promise<void> never;
    std::shared_future<void> released = never.get_future().share();
    library.SetDeviceLister([released] {
        released.wait();
        return QList<ScannerChoice>{};
    });
    std::optional<ScanOutcome> outcome;
    {
        BackgroundScan scan(window, library, store, ui);
        dialogs.SetScanProgress(&scan.progress());
        scan.SetOutcomeHandler([&](const ScanOutcome& o) { outcome = o; });

        ui.Cancel();  // the save dialog
        ASSERT_TRUE(scan.Start());
        ASSERT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 5000)) << "the job waited for the search";
        EXPECT_EQ(outcome->kind, ScanOutcome::Kind::Cancelled);

        outcome.reset();
        ui.Accept(temp.File("scan.pdf"));
        ASSERT_TRUE(scan.Start());
        ASSERT_TRUE(QTest::qWaitFor([] { return ShownProgress() != nullptr; }, 5000));
        EXPECT_EQ(ShownProgress()->caption(), "Looking for scanners...");
        QElapsedTimer sinceClose;
        sinceClose.start();
        EXPECT_TRUE(scan.Close(std::chrono::milliseconds(1500)));
        EXPECT_LT(sinceClose.elapsed(), 1500);
    }
    never.set_value();  // the search ends in its own time; the library waits for it as it goes
}

// The store as the window's scan reaches it: every call, the job's own writes
// (the folder chosen, the WIA warning) included, is made on the window's thread.
class ThreadRecordingBackend : public RegistryBackend {
public:
    explicit ThreadRecordingBackend(RegistryBackend& inner) : inner_(inner) {}
    std::unique_ptr<RegistryKey> OpenKey(std::uint32_t hive, const QString& path, LookupResult& result) override {
        threads.push_back(QThread::currentThread());
        return inner_.OpenKey(hive, path, result);
    }
    std::unique_ptr<RegistryKey> CreateKey(std::uint32_t hive, const QString& path) override {
        threads.push_back(QThread::currentThread());
        return inner_.CreateKey(hive, path);
    }
    std::vector<QThread*> threads;  // only ever added to on the window's thread, which reads it

private:
    RegistryBackend& inner_;
};

TEST(BackgroundScanTest, TheJobReachesTheStoreOnlyOnTheWindowsThread) {
    testing::TempDir temp;
    SqliteRegistryBackend sqlite{temp.File("registry.sqlite3")};
    ThreadRecordingBackend recording{sqlite};
    RegistryStore store{recording};
    testing::ScriptedUserInterface ui;
    ui.desktopFolder = temp.path();
    ui.Accept(temp.File("scan.pdf"));
    Main window{store, ui};
    window.Load();
    testing::FakeScannerLibrary library;
    library.sourceName = "WIA Fake Scanner";  // the job stores WIACHECK
    library.pages.push_back({false, 0});
    std::optional<ScanOutcome> outcome;
    BackgroundScan scan(window, library, store, ui);
    scan.SetOutcomeHandler([&](const ScanOutcome& o) { outcome = o; });
    recording.threads.clear();
    ASSERT_TRUE(scan.Start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 10000));
    EXPECT_EQ(store.Get(kWiaCheckValueName), "1");
    EXPECT_EQ(store.Get(kLastDirectoryValueName), temp.path() + "/");
    ASSERT_FALSE(recording.threads.empty());
    for (QThread* thread : recording.threads) EXPECT_EQ(thread, QThread::currentThread());
}

// The progress dialog counts the document so far and shows its last page.
TEST(ProgressWindowTest, SaysThePagesKeptAndLeftOutAndShowsTheLastPage) {
    const std::tuple<int, int, const char*> kTallies[] = {
        {0, 0, ""}, {1, 0, "1 page"}, {7, 2, "7 pages, 2 blank pages left out"}, {1, 1, "1 page, 1 blank page left out"}};
    for (const auto& [kept, blank, text] : kTallies) EXPECT_EQ(TallyText(kept, blank), text) << text;

    ProgressWindow window(nullptr);
    window.show();
    EXPECT_FALSE(window.showsPicture());
    QImage page(96, 124, QImage::Format_Grayscale8);
    page.fill(200);
    window.SetSoFar({3, 1, page});
    EXPECT_TRUE(window.showsPicture());
    EXPECT_EQ(window.tally(), "3 pages, 1 blank page left out");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name), "Scan progress");
}

// Select Scanner: its list is named for a screen reader and wide enough for
// a network scanner's long name.
TEST(QtScannerDialogsTest, TheScannerListIsNamedAndShowsLongNamesWhole) {
    QtScannerDialogs dialogs;
    QString name;
    bool whole = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        name = QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name);
        whole = list->viewport()->width() >= list->fontMetrics().horizontalAdvance(list->item(0)->text());
        dialog->reject();
    });
    const int chosen = dialogs.ChooseScanner(
        {{"airscan:e0:Simulated network scanner on the third floor", "eSCL Simulated network scanner"}}, 0);
    EXPECT_EQ(chosen, -1);
    EXPECT_EQ(name, "Scanners");
    EXPECT_TRUE(whole);
}

}  // namespace
}  // namespace quillon
