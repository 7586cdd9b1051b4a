// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrepareProcess.h"
#include "app/ProcessSignals.h"
#include "scan/imaging/writers/DocumentGate.h"
#include "ui/BackgroundScan.h"
#include "scan/imaging/text/TextLanguages.h"
#include "scan/sane/SaneLibrary.h"
#include "settings/PendingRegistryBackend.h"
#include "settings/SqliteRegistryBackend.h"
#include "settings/RegistryStore.h"
#include "support/EndProcess.h"
#include "support/ErrorReport.h"
#include "support/Translations.h"
#include "ui/Main.h"
#include "ui/PendingChangesRetry.h"
#include "ui/QtScannerDialogs.h"
#include "ui/QtUserInterface.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QIcon>
#include <QSocketNotifier>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

// How long a scan under way may take to end once the window has closed:
// the process has ended within 2 s, as a closed window's should.
constexpr std::chrono::milliseconds kCloseWait{1500};

[[noreturn]] void RunWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    // In the user's language, where Quillon has a translation for it.
    quillon::InstallTranslations();
    // The window takes no arguments; --version and --help answer and end.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("quillon", "Scans paper documents into one PDF, TIFF, JPEG or PNG file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("quillon"));
    QIcon icon;
    for (const int size : {24, 32, 48, 96, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quillon-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    quillon::SqliteRegistryBackend backend(quillon::SqliteRegistryBackend::DefaultDatabasePath());
    // A change the store cannot take while another program holds it is kept
    // and written later; the scan's values pass the same way.
    quillon::PendingRegistryBackend pending(backend);
    quillon::RegistryStore store(pending);
    quillon::QtUserInterface ui;
    quillon::QtScannerDialogs scannerDialogs;
    quillon::SaneLibrary scanner(scannerDialogs);
    quillon::Main window(store, ui);
    quillon::PendingChangesRetry retry(pending, window);
    window.SetTextLanguages(quillon::InstalledTextLanguages(quillon::TextDataDirectory()));
    ui.SetOwnerWindow(&window);
    scannerDialogs.SetOwnerWindow(&window);
    // The scan runs beside the window, which keeps drawing and answering.
    quillon::BackgroundScan scan(window, scanner, store, ui);
    scannerDialogs.SetScanProgress(&scan.progress());
    window.SetScanHandler([&] { scan.Start(); });
    // Closing the window ends the program, whatever is open beside it.
    window.SetCloseHandler([] { QCoreApplication::quit(); });
    // Told to end (SIGTERM at logout, SIGHUP, Ctrl-C in the terminal that
    // started it), the program closes its window as the user would.
    quillon::InstallEndSignals();
    QSocketNotifier endSignal(quillon::EndSignalPipe(), QSocketNotifier::Read);
    endSignal.setEnabled(quillon::EndSignalPipe() >= 0);
    QObject::connect(&endSignal, &QSocketNotifier::activated, &window, [&] {
        endSignal.setEnabled(false);
        window.close();
        QCoreApplication::quit();  // the window may be closed already
    });
    try {
        window.Load();
    } catch (...) {
        // The window still opens; whatever could not be loaded shows its default.
        quillon::ReportCurrentFailure(ui);
    }
    window.show();
    const int status = app.exec();
    // A scan under way is cancelled and its document given up (an older
    // file stays as it was); a backend that does not let go within the
    // time is left behind. Changes another program kept from the store are
    // written first, waiting at most the store's own limit, out of the
    // scan's time. Nothing else needs ending: every option is stored as it
    // changes, so the process ends here, without waiting for the scanner
    // library or a search for scanners.
    quillon::DocumentGate::Close();
    QElapsedTimer closing;
    closing.start();
    retry.StoreNow();
    scan.Close(std::max(kCloseWait - std::chrono::milliseconds(closing.elapsed()), std::chrono::milliseconds(0)));
    quillon::DocumentGate::Abandon();
    // The window has gone: the terminal that started it is told.
    if (const QString unstored = retry.Unstored(); !unstored.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(unstored));
    quillon::EndProcess(status);
}

}  // namespace

int main(int argc, char** argv) {
    quillon::PrepareProcess();
    if (!quillon::RoomToRun("Quillon")) return 1;
    RunWindow(argc, argv);
}
