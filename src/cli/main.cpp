// SPDX-License-Identifier: GPL-3.0-or-later
// quillon-scan: the scan job of the window, run from a terminal or a script.
#include "app/PrepareProcess.h"
#include "cli/CommandLine.h"
#include "cli/StoredOptionControls.h"
#include "cli/Terminal.h"
#include "scan/PaperDimensions.h"
#include "scan/RunScan.h"
#include "support/EndProcess.h"
#include "support/Translations.h"
#include "scan/ScannerErrors.h"
#include "scan/ScanDocument.h"
#include "scan/imaging/pages/SeparatorSheet.h"
#include "scan/imaging/text/TextLanguages.h"
#include "scan/SourceLibrary.h"
#include "scan/files/ImageFileSource.h"
#include "scan/sane/CreateScannerLibrary.h"
#include "settings/OverlayRegistryBackend.h"
#include "settings/SettingsCatalogue.h"
#include "settings/RegistryStore.h"
#include "settings/SqliteRegistryBackend.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QFileInfo>
#include <QLocale>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The command's own messages, in the user's language.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(QuillonScan)
};

constexpr int kWritten = 0, kUsage = 1, kNoScanner = 2, kFailed = 3, kPartlySaved = 4;
constexpr long long kStoreWaitMs = 10000;

// The exit status says how the job ended; a script decides by it.
int ExitStatusOf(const quillon::ScanOutcome& outcome) {
    using Kind = quillon::ScanOutcome::Kind;
    switch (outcome.kind) {
        case Kind::Written: return kWritten;
        case Kind::NoScanner: return kNoScanner;
        case Kind::FailedAfterPages: return kPartlySaved;
        case Kind::Cancelled:
        case Kind::Failed: break;
    }
    return kFailed;
}

int ListDevices(quillon::ScannerLibrary& library) {
    const QList<quillon::ScannerChoice> devices = library.Devices();
    for (const quillon::ScannerChoice& device : devices)
        std::printf("%s\t%s\n", qPrintable(device.deviceName), qPrintable(device.label));
    library.TWAIN_UnloadSourceManager();
    if (devices.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(Text::tr("No scanner was found.")));
    return devices.isEmpty() ? kNoScanner : kWritten;
}

// A paper size in inches to the hundredth, as printers take it (A4: 8.27 by 11.69).
double Inches(double mm) { return std::round(mm / 25.4 * 100) / 100; }

// A separator sheet to print: a Letter page and an A4 page, 300 dpi black and white.
int PrintSeparator(const QString& path) {
    quillon::ScanDocument session;
    int failed = session.BeginDocument(path);
    for (const int code : {quillon::kPaperUsLetter, quillon::kPaperA4}) {
        if (failed) break;
        const quillon::PaperDimensions paper = *quillon::PaperDimensionsOf(code);
        const quillon::ImageHandle page =
            session.Adopt(quillon::DrawSeparatorSheet(Inches(paper.widthMm), Inches(paper.heightMm), 300), 300);
        failed = session.WritePage(page);
        session.Free(page);
    }
    if (!failed) failed = session.EndDocument();
    if (failed) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(Text::tr("The separator sheet could not be written: %1").arg(session.lastErrorText())));
        session.Discard();
        return kFailed;
    }
    std::fprintf(stderr, "%s\n",
                 qPrintable(Text::tr("A separator sheet to print at full size (a Letter page and an A4 page): %1")
                                .arg(QFileInfo(path).absoluteFilePath())));
    return kWritten;
}

int RunCommand(int argc, char** argv) {
    // Drawing the separator sheet's words needs fonts, so a GUI application,
    // on the platform that needs no display; a scan needs neither.
    const bool drawing = std::any_of(argv, argv + argc, [](const char* a) {
        return std::strncmp(a, "--print-separator", 17) == 0;
    });
    if (drawing) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillon-scan"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    quillon::InstallTranslations();  // the user's language, where Quillon has a translation for it

    const quillon::ParsedCommand parsed = quillon::ParseCommandLine(QCoreApplication::arguments());
    const quillon::ScanCommand& command = parsed.command;
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "quillon-scan: %s\n%s\n", qPrintable(parsed.error),
                     qPrintable(Text::tr("quillon-scan --help tells how to use it.")));
        return kUsage;
    }
    if (command.help) return std::printf("%s", qPrintable(quillon::UsageText())), kWritten;
    if (command.version) return std::printf("quillon-scan %s\n", QUILLON_VERSION), kWritten;

    if (!command.printSeparator.isEmpty()) return PrintSeparator(command.printSeparator);

    quillon::InstallInterruptHandler();
    quillon::TerminalScannerDialogs dialogs(command.quiet);
    // Image files in place of a scanner: the same job over another source.
    quillon::ImageFileSource files(command.from);
    if (!command.from.isEmpty() && !quillon::FormatItems()[command.overrides.value(quillon::OptionId::Format)].multiPage &&
        !files.Open(QString()).failed() && files.pages().size() > 1) {
        // A JPEG or PNG holds one image: the others would be left out unsaid.
        std::fprintf(stderr, "quillon-scan: %s\n",
                     qPrintable(Text::tr("%1 holds one image, and %2 were given: write them to a .pdf or .tiff file.")
                                    .arg(command.output)
                                    .arg(files.pages().size())));
        return kUsage;
    }
    const std::unique_ptr<quillon::ScannerLibrary> scanner =
        command.from.isEmpty() ? quillon::CreateScannerLibrary(dialogs)
                               : std::make_unique<quillon::SourceLibrary>(dialogs, files);
    quillon::ScannerLibrary& library = *scanner;
    if (command.listDevices) {
        quillon::EndAtOnceOnInterrupt();  // a search may block for minutes on a network backend
        return ListDevices(library);
    }
    // A scanner named, or else the one chosen last in the window, is opened by
    // that name, as SANE takes it, without a search for scanners: a search
    // asks every backend and may take seconds. Nothing chosen here is remembered.
    const QString remembered = library.RememberedDevice();
    const QString device = command.device.isEmpty() ? remembered : command.device;
    if (!device.isEmpty()) library.UseDevice(device);
    library.ForgetChoices();
    library.SetSilenceLimit(std::chrono::seconds(command.silenceSeconds));
    // Told to end, the program gives up the document: an older file at OUTPUT stays.
    quillon::SetInterruptAction([&library] { library.GiveUpDocument(); });

    // The user's settings, read but never changed: the job's own writes stay in memory.
    // No window to keep answering: the store may be waited for longer, up to 10 s.
    quillon::SqliteRegistryBackend stored(quillon::SqliteRegistryBackend::DefaultDatabasePath(), kStoreWaitMs);
    quillon::OverlayRegistryBackend overlay(stored);
    const quillon::RegistryStore store(overlay);
    // The languages asked for this run, in place of the stored ones: in memory only.
    // One that cannot be read is a usage error, said before anything is opened.
    if (!command.languages.isEmpty()) {
        const quillon::TextLanguages chosen =
            quillon::ChooseTextLanguages(command.languages, QLocale::system(), quillon::TextDataDirectory());
        if (!chosen.problem.isEmpty()) {
            std::fprintf(stderr, "quillon-scan: %s\n", qPrintable(chosen.problem));
            return kUsage;
        }
        store.Set(quillon::kOcrLanguageValueName, command.languages);
    }
    quillon::StoredOptionControls controls(store, command.overrides, command.texts);
    if (controls.storeUnread()) {
        const quillon::StoreTrouble trouble = stored.Trouble();
        if (trouble.kind == quillon::StoreTrouble::Kind::AnotherUsersFile)
            std::fprintf(stderr, "%s\n",
                         qPrintable(Text::tr("The stored options could not be read: %1 belongs to another user. "
                                             "Nothing was scanned.")
                                        .arg(trouble.path)));
        else
            std::fprintf(stderr, "%s\n",
                         qPrintable(Text::tr("The stored options could not be read (%1 is held by another program, or "
                                             "is a link to something that is not Quillon's settings): nothing was "
                                             "scanned.")
                                        .arg(stored.databasePath())));
        return kUsage;
    }
    // Said even with --quiet: the scan is not made with what the user stored.
    for (const QString& unusable : controls.unusableValues()) std::fprintf(stderr, "%s\n", qPrintable(unusable));
    quillon::TerminalUserInterface ui(command.output, command.quiet,
                                      command.source == quillon::SourceChoice::Feeder);
    const quillon::ScanOutcome outcome = quillon::RunScan(controls, library, store, ui);
    quillon::ScanJobEnded();
    if (quillon::Interrupted()) {
        // The signal gave the document up; a document saved all the same was
        // put in place before the signal came, and is said as usual.
        if (outcome.kind != quillon::ScanOutcome::Kind::Written) {
            std::fprintf(stderr, "%s\n", qPrintable(Text::tr("Cancelled.")));
            return quillon::InterruptStatus();
        }
        ui.SayMessagesAfterInterrupt();
        return ExitStatusOf(outcome);
    }
    if (outcome.kind != quillon::ScanOutcome::Kind::Written) ui.SayWithheldMessages();
    if (outcome.kind == quillon::ScanOutcome::Kind::NoScanner && !command.device.isEmpty())
        std::fprintf(stderr, "%s\n",
                     qPrintable(Text::tr("No scanner is named %1. quillon-scan --list-devices lists them.")
                                    .arg(command.device)));
    else if (outcome.kind == quillon::ScanOutcome::Kind::NoScanner && !device.isEmpty() && command.from.isEmpty())
        std::fprintf(stderr, "%s\n",
                     qPrintable(Text::tr("The scanner used last, %1, could not be opened. quillon-scan --list-devices "
                                         "lists the scanners; -d NAME chooses one.")
                                    .arg(device)));
    if (outcome.kind == quillon::ScanOutcome::Kind::Written && outcome.frontsOnly) {
        // Both sides were asked for: a script must learn it got one.
        if (ui.frontsOnlyUnasked())
            std::fprintf(stderr, "%s\n",
                         qPrintable(Text::tr("Without a terminal, no one could be asked to turn the stack over for "
                                             "the back sides.")));
        return kPartlySaved;
    }
    return ExitStatusOf(outcome);
}

}  // namespace

int main(int argc, char** argv) {
    quillon::PrepareProcess();
    if (!quillon::RoomToRun("quillon-scan")) return 1;
    quillon::EndProcess(RunCommand(argc, argv));
}
