// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window's thread is kept from its events while a scan runs
// beside it: the window, its scan and SANE's test feeder in one process on
// Qt's offscreen platform, the user's answers given by the benchmark (an
// internal driver: bench/window_scan_bench.sh runs the program itself).
// Usage: window_wait_bench [JOBS]; each job is 10 pages at 300 dpi grey Letter.
#include "app/PrepareProcess.h"
#include "scan/sane/SaneLibrary.h"
#include "settings/RegistryStore.h"
#include "settings/SqliteRegistryBackend.h"
#include "support/UserInterface.h"
#include "ui/BackgroundScan.h"
#include "ui/Main.h"
#include "ui/QtScannerDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace quillon;

namespace {

// The user: a file name at the save dialog, OK at every box.
class AnsweringUser : public UserInterface {
public:
    QString path;
    MessageAnswer ShowMessage(const QString&, const QString&, MessageIcon, MessageButtons buttons) override {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    FileDialogResult RunFileDialog(const FileDialogRequest&) override { return {true, path, 0}; }
    void OpenWebAddress(const QString&) override {}
    QString DesktopFolder() override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
    PrepareProcess();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SANE_CONFIG_DIR")) qputenv("SANE_CONFIG_DIR", QUILLON_SANE_TEST_CONFIG);
    QApplication app(argc, argv);
    const int jobs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    QTemporaryDir folder;
    SqliteRegistryBackend backend(folder.filePath("registry.sqlite3"));
    RegistryStore store(backend);
    for (const auto& [name, value] : {std::pair{"DPI", " 4"}, {"ScanType", " 1"}, {"PaperSize", " 1"}, {"Format", " 1"},
                                      {"DuplexSetting", " 0"}})
        store.Set(QString::fromLatin1(name), QString::fromLatin1(value));
    AnsweringUser user;
    Main window(store, user);
    window.Load();
    window.show();
    QtScannerDialogs dialogs;
    dialogs.SetOwnerWindow(&window);
    SaneLibrary library(dialogs, folder.filePath("config"), folder.filePath("scanner.log"));
    library.UseDevice("test");
    BackgroundScan scan(window, library, store, user);
    dialogs.SetScanProgress(&scan.progress());

    // A tick every 2 ms on the window's thread: the longest gap between two
    // is the longest the thread was kept from its events.
    QElapsedTimer sinceTick;
    double longestMs = 0;
    QTimer tick;
    tick.setInterval(2);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestMs = std::max(longestMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });

    int pages = 0;
    QElapsedTimer clock;
    clock.start();
    for (int job = 0; job < jobs; ++job) {
        user.path = folder.filePath(QStringLiteral("job%1.pdf").arg(job));
        QEventLoop loop;
        scan.SetOutcomeHandler([&](const ScanOutcome& outcome) {
            pages += outcome.pages;
            loop.quit();
        });
        sinceTick.start();
        tick.start();
        scan.Start();
        loop.exec();
        tick.stop();
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    std::printf("the window and its scan in one process (internal driver), SANE test feeder, 300 dpi grey Letter\n");
    std::printf("%d jobs, %d pages in %.2f s (%.1f pages/s); the window's thread was kept from its events %.1f ms at most\n",
                jobs, pages, seconds, pages / seconds, longestMs);
    return 0;
}
