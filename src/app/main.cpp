// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrepareProcess.h"
#include "ui/BackgroundScan.h"
#include "scan/imaging/TextLanguages.h"
#include "scan/sane/SaneLibrary.h"
#include "settings/SqliteRegistryBackend.h"
#include "settings/RegistryStore.h"
#include "support/EndProcess.h"
#include "support/ErrorReport.h"
#include "ui/Main.h"
#include "ui/QtScannerDialogs.h"
#include "ui/QtUserInterface.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

namespace {

int RunWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    // The window takes no arguments; --version and --help answer and end.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Scans paper documents into one PDF, TIFF, JPEG or PNG file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("quillon"));
    QIcon icon;
    for (const int size : {24, 32, 48, 96, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quillon-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    quillon::SqliteRegistryBackend backend(quillon::SqliteRegistryBackend::DefaultDatabasePath());
    quillon::RegistryStore store(backend);
    quillon::QtUserInterface ui;
    quillon::QtScannerDialogs scannerDialogs;
    quillon::SaneLibrary scanner(scannerDialogs);
    quillon::Main window(store, ui);
    window.SetTextLanguages(quillon::InstalledTextLanguages(quillon::TextDataDirectory()));
    ui.SetOwnerWindow(&window);
    scannerDialogs.SetOwnerWindow(&window);
    // The scan runs beside the window, which keeps drawing and answering.
    quillon::BackgroundScan scan(window, scanner, store, ui);
    scannerDialogs.SetScanProgress(&scan.progress());
    window.SetScanHandler([&] { scan.Start(); });
    try {
        window.Load();
    } catch (...) {
        // The window still opens; whatever could not be loaded shows its default.
        quillon::ReportCurrentFailure(ui);
    }
    window.show();
    const int status = app.exec();
    scan.Close();  // a scan under way when the window closed is cancelled first
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    quillon::PrepareProcess();
    quillon::EndProcess(RunWindow(argc, argv));
}
