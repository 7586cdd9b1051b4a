// SPDX-License-Identifier: GPL-3.0-or-later
// quillon-scan as a script runs it: its own process, no display, SANE's test
// scanner, the user's settings in a store it must never change.
#include "settings/RegistryStore.h"
#include "settings/SqliteRegistryBackend.h"

#include "../common/HeldStoreLock.h"
#include "../common/NamedCases.h"
#include "../common/TempDir.h"
#include "../sane/EsclSimulator.h"
#include "../sane/SidesShown.h"

#include <QElapsedTimer>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <gtest/gtest.h>
#include <tiffio.h>

#include <cmath>
#include <csignal>
#include <memory>

#include <arpa/inet.h>
#include <grp.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quillon {
namespace {

class QuillonScanTest : public ::testing::Test {
protected:
    QuillonScanTest() {
        QDir().mkpath(temp.File("sane"));
        for (const char* file : {"dll.conf", "test.conf"})
            QFile::copy(QStringLiteral(QUILLON_SOURCE_DIR "/tests/sane/") + file, temp.File("sane/") + file);
        // The user's stored options, which no run may change.
        SqliteRegistryBackend backend(temp.File("config/Quillon/registry.sqlite3"));
        RegistryStore store(backend);
        store.Set("DPI", " 1");          // 100 dpi
        store.Set("DuplexSetting", " 0");
        store.Set("LastDirectory", "/nowhere/");
        storeBefore = StoreBytes();
    }

    // The stored options and the scanner remembered by the window.
    QByteArray StoreBytes() const {
        QByteArray bytes;
        for (const char* name : {"registry.sqlite3", "scanner.conf"}) {
            QFile file(temp.File("config/Quillon/") + name);
            bytes += name + (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)"));
        }
        return bytes;
    }

    // Starts the program as a script would: no display, no terminal.
    void Start(const QStringList& arguments, const QString& input = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
        environment.insert("HOME", temp.path());
        environment.insert("XDG_CONFIG_HOME", temp.File("config"));
        environment.insert("XDG_STATE_HOME", temp.File("state"));
        environment.insert("SANE_CONFIG_DIR", temp.File("sane"));
#ifdef QUILLON_SANE_TEST_BACKEND
        // Under the sanitizer, SANE's test backend leaks at sane_exit and is then
        // unloaded, so its leak cannot be told from one of ours by name. The same
        // code is checked for leaks in this process, where the backend stays loaded.
        environment.insert("ASAN_OPTIONS", "detect_leaks=0");
#endif
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(temp.path());
        program.setStandardInputFile(input.isEmpty() ? QProcess::nullDevice() : input);
        if (input.isEmpty()) program.setProgram(QStringLiteral(QUILLON_SCAN_PROGRAM));
        program.setArguments(arguments);
        program.start();
        ASSERT_TRUE(program.waitForStarted());
    }
    int Finish() {
        EXPECT_TRUE(program.waitForFinished(60000));
        errors = QString::fromUtf8(program.readAllStandardError());
        output = QString::fromUtf8(program.readAllStandardOutput());
        return program.exitCode();
    }
    // Until the running program has said this on standard error.
    void WaitUntilSaid(const QString& text) {
        QString said;
        program.setReadChannel(QProcess::StandardError);
        while (!said.contains(text) && program.waitForReadyRead(10000))
            said += QString::fromUtf8(program.readAllStandardError());
        ASSERT_TRUE(said.contains(text)) << said.toStdString();
    }
    int Run(const QStringList& arguments) {
        Start(arguments);
        return Finish();
    }
    // The program set beforehand (script(1), say), its standard input from a file.
    int RunWith(const QStringList& arguments, const QString& input) {
        Start(arguments, input);
        return Finish();
    }
    // SANE's airscan backend alone, reaching the simulated network scanner.
    void UseNetworkScanner(const testing::EsclSimulator& simulator) {
        QFile dll(temp.File("sane/dll.conf")), airscan(temp.File("sane/airscan.conf"));
        ASSERT_TRUE(dll.open(QIODevice::WriteOnly | QIODevice::Truncate) && dll.write("airscan\n") > 0);
        ASSERT_TRUE(airscan.open(QIODevice::WriteOnly | QIODevice::Truncate) && airscan.write(simulator.AirscanConfig()) > 0);
    }

    testing::TempDir temp;
    QByteArray storeBefore;
    QProcess program;
    QString errors, output;
};

// Each run: its arguments, its exit status, whether a file is then at OUTPUT,
// and a sentence it must have said.
struct CommandRun {
    const char* name;
    QStringList arguments;
    int status;
    const char* file;  // relative to the test's folder; null: none expected
    const char* said;
    friend void PrintTo(const CommandRun& r, std::ostream* out) { *out << r.name; }
};

class QuillonScanRunTest : public QuillonScanTest, public ::testing::WithParamInterface<CommandRun> {};

TEST_P(QuillonScanRunTest, ExitsWithItsStatusSaysWhyAndNeverChangesTheStore) {
    const CommandRun& run = GetParam();
    EXPECT_EQ(Run(run.arguments), run.status) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QString::fromUtf8(run.said)) || output.contains(QString::fromUtf8(run.said)))
        << errors.toStdString();
    EXPECT_FALSE(errors.contains("User Canceled Scan")) << "no run here is cancelled by its user";
    if (run.file) {
        EXPECT_TRUE(QFile::exists(temp.File(run.file)));
    }
    for (const QString& leftover : QDir(temp.path()).entryList({"*.pdf", "*.tiff", "*.png", "*.doc", ".quillon-*"},
                                                               QDir::Files | QDir::Hidden))
        EXPECT_EQ(leftover, QString::fromUtf8(run.file ? run.file : "")) << "a file was left: " << leftover.toStdString();
    EXPECT_EQ(StoreBytes(), storeBefore);
}

// The scanner chosen last in the window is opened by its name, as -d does,
// without asking every backend for its scanners; one that is gone is said.
TEST_F(QuillonScanTest, TheScannerUsedLastIsOpenedWithoutASearch) {
    const auto remember = [&](const QByteArray& device) {
        QFile conf(temp.File("config/Quillon/scanner.conf"));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly | QIODevice::Truncate) && conf.write("device=" + device + "\n") > 0);
    };
    remember("test:0");
    storeBefore = StoreBytes();
    qputenv("SANE_DEBUG_DLL", "3");  // SANE says each search and each open
    EXPECT_EQ(Run({"--single", "one.png"}), 0) << errors.toStdString();
    qunsetenv("SANE_DEBUG_DLL");
    EXPECT_TRUE(errors.contains("sane_open: trying to open `test:0'")) << errors.toStdString();
    EXPECT_FALSE(errors.contains("sane_get_devices"));
    EXPECT_EQ(StoreBytes(), storeBefore);

    remember("gone:0");
    EXPECT_EQ(Run({"--single", "two.png"}), 2);
    EXPECT_TRUE(errors.contains("The scanner used last, gone:0, could not be opened.")) << errors.toStdString();
}

// A search for scanners that hangs (a network host that never answers, here
// SANE's net backend on a port that accepts and says nothing) ends at Ctrl-C.
TEST_F(QuillonScanTest, CtrlCEndsASearchForScannersThatHangs) {
    // Connections are accepted by the system and never answered.
    const int silent = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(silent, 0);
    const std::unique_ptr<int, void (*)(int*)> closing(new int(silent), [](int* fd) { ::close(*fd), delete fd; });
    const int reuse = 1;
    ::setsockopt(silent, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(6566);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(silent, 4) != 0)
        GTEST_SKIP() << "SANE's port 6566 is taken here";
    for (const auto& [file, text] : {std::pair{"sane/dll.conf", "net\n"}, {"sane/net.conf", "connect_timeout = 120\n127.0.0.1\n"}}) {
        QFile conf(temp.File(file));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly | QIODevice::Truncate) && conf.write(text) > 0);
    }
    qputenv("SANE_DEBUG_DLL", "3");  // says when the search begins
    Start({"-L"});
    qunsetenv("SANE_DEBUG_DLL");
    WaitUntilSaid("sane_get_devices");
    ::kill(static_cast<pid_t>(program.processId()), SIGINT);
    EXPECT_EQ(Finish(), 130);
}

// The network backend answers a name it cannot find with "out of memory":
// the user is told there is no such scanner, not that memory ran out.
TEST_F(QuillonScanTest, AnUnknownNetworkScannerIsNoScanner) {
    testing::EsclSimulator simulator;
    ASSERT_NO_FATAL_FAILURE(simulator.Start({}));
    UseNetworkScanner(simulator);
    EXPECT_EQ(Run({"-d", "airscan:e0:Office", "--single", "p.png"}), 2);
    EXPECT_TRUE(errors.contains("No scanner is named airscan:e0:Office.")) << errors.toStdString();
    EXPECT_FALSE(errors.contains("memory"));
}

// Manual duplex from a terminal (a pseudo-terminal made by script(1), the
// answers typed into it), on the simulated scanner whose pages show their
// sheet and side; without a terminal, only the fronts can be scanned.
TEST_F(QuillonScanTest, ManualDuplexAsksOnTheTerminalAndInterleavesTheSides) {
    struct Turn {
        QStringList simulator;
        const char* typed;
        int status;
        const char* sides;
    };
    const Turn kTurns[] = {
        {{"--sheets", "3"}, "y\n", 0, "1f 1b 2f 2b 3f 3b"},
        {{"--sheets", "3", "--lose-on-turn", "1"}, "y\nn\n", 4, "1f 2f 3f"},
    };
    for (const Turn& turn : kTurns) {
        SCOPED_TRACE(turn.typed);
        testing::EsclSimulator simulator;
        ASSERT_NO_FATAL_FAILURE(simulator.Start(QStringList{"--numbered", "--turn-over"} + turn.simulator));
        UseNetworkScanner(simulator);
        QFile typed(temp.File("typed"));
        ASSERT_TRUE(typed.open(QIODevice::WriteOnly | QIODevice::Truncate) && typed.write(turn.typed) > 0);
        typed.close();
        const QString command = QStringLiteral(QUILLON_SCAN_PROGRAM) +
                                " -d 'airscan:e0:Quillon Simulator' --duplex manual --source feeder --mode bw --dpi 75 "
                                "--paper default --no-contrast sides.tiff";
        program.setProgram("script");
        EXPECT_EQ(RunWith({"-qec", command, "/dev/null"}, temp.File("typed")), turn.status) << errors.toStdString();
        EXPECT_EQ(testing::SidesShown(temp.File("sides.tiff")), testing::Sides(turn.sides));
    }
    EXPECT_TRUE(output.contains("Scan the back sides? [y] yes, [n] keep the front sides only")) << output.toStdString();

    // Without a terminal: the fronts of the test scanner's ten sheets, and status 4.
    EXPECT_EQ(Run({"-d", "test", "--duplex", "manual", "--dpi", "75", "fronts.pdf"}), 4);
    EXPECT_TRUE(errors.contains("Only the front sides were saved to:")) << errors.toStdString();
    EXPECT_FALSE(errors.contains("Scanned Successfully")) << errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Runs, QuillonScanRunTest,
    ::testing::Values(
        CommandRun{"ListsTheScanners", {"-L"}, 0, nullptr, "test:0\tNoname frontend-tester"},
        CommandRun{"TheFeederIntoAPdf", {"--mode", "colour", "--paper", "letter", "--quality", "1", "scan.pdf"}, 0, "scan.pdf",
            "Scanned Successfully to:"},
        CommandRun{"TheFlatbedIntoOneTiffPageWithoutATerminal", {"--source", "flatbed", "--mode", "bw", "flat.tiff"}, 0,
            "flat.tiff", "Put the next page on the flatbed. Scan it? [y] yes, [n] no, save the file n (no terminal to ask)"},
        CommandRun{"ASingleImage", {"--single", "--blank-threshold", "0", "one.png"}, 0, "one.png", "Scanned Successfully to:"},
        CommandRun{"SingleAndMultipleAreOneChoice", {"--single", "--multiple", "scan.pdf"}, 1, nullptr,
            "Give one of --single and --multiple."},
        CommandRun{"AnExtensionOfNoFormatIsAUsageError", {"scan.doc"}, 1, nullptr, "names no format Quillon writes"},
        CommandRun{"ASearchablePdf", {"--searchable", "--single", "found.pdf"}, 0, "found.pdf", "Scanned Successfully to:"},
        CommandRun{"SearchableIsForPdfOnly", {"--searchable", "scan.tiff"}, 1, nullptr, "--searchable needs a .pdf OUTPUT."},
        CommandRun{"LanguagesAreForASearchablePdf", {"--languages", "eng", "scan.pdf"}, 1, nullptr,
            "--languages is for --searchable."},
        CommandRun{"ALanguageNotInstalledIsAUsageErrorSaidBeforeScanning", {"--searchable", "--languages", "deu+eng", "de.pdf"},
            1, nullptr, "tesseract-ocr-deu"},
        CommandRun{"AResolutionNotInTheListIsAUsageError", {"--dpi", "250", "scan.pdf"}, 1, nullptr, "--dpi takes one of"},
        CommandRun{"AnUnknownScannerIsNoScanner", {"-d", "nosuch:0", "scan.pdf"}, 2, nullptr, "No scanner is named nosuch:0."},
        CommandRun{"ABackendsNameAloneOpensItsFirstDevice", {"-d", "test", "--single", "one.png"}, 0, "one.png",
            "Scanned Successfully to:"},
        CommandRun{"AFolderThatDoesNotExistFailsAndWritesNothing", {"missing/scan.pdf"}, 3, nullptr, "does not exist"},
        CommandRun{"AFileInThePlaceOfAFolderIsSaidToBeOne", {QUILLON_SOURCE_DIR "/README.md/page.pdf"}, 3, nullptr,
            "README.md is a file, not a folder."},
        // Said before any scanner is opened; with no other path to ask for, no cancel is made up.
        CommandRun{"ANameTooLongIsRefusedBeforeScanning", {QString(300, 'n') + ".pdf"},
            3, nullptr, " is too long a name for its folder. Please choose another file."}),
    [](const auto& info) { return std::string(info.param.name); });

// A batch split at a separator (sheet 3) counts its pages on through the
// batch, says which document each goes into, and lists each file.
TEST_F(QuillonScanTest, ASplitBatchCountsItsPagesOnAndNamesEachDocument) {
    testing::EsclSimulator simulator;
    ASSERT_NO_FATAL_FAILURE(simulator.Start({"--sheets", "5", "--patch-t-at", "3"}));
    UseNetworkScanner(simulator);
    EXPECT_EQ(Run({"-d", "airscan:e0:Quillon Simulator", "--split", "--source", "feeder", "--no-duplex", "--mode", "bw",
                   "--dpi", "75", "batch.pdf"}),
              0)
        << errors.toStdString();
    const QStringList lines = errors.split('\n');
    for (const char* line : {"Scanning page 2", "Scanning page 4 (document 2)", "Scanning page 5 (document 2)"})
        EXPECT_TRUE(lines.contains(line)) << line << "\n" << errors.toStdString();
    const QString said = errors + output;
    EXPECT_TRUE(said.contains("batch.pdf (2 pages)") && said.contains("batch-2.pdf (2 pages)")) << said.toStdString();
}

// A limit on open files too low for a scan is said before anything is
// scanned or stored, as that: never as a scanner not found.
TEST_F(QuillonScanTest, TooFewOpenFilesAreSaidFirst) {
    program.setProgram("sh");
    EXPECT_EQ(RunWith({"-c", "ulimit -n 30 && exec \"$0\" -d test scan.pdf", QUILLON_SCAN_PROGRAM}, "/dev/null"), 1);
    EXPECT_TRUE(errors.contains("quillon-scan cannot start: the system lets it open too few files (Too many open files)."))
        << errors.toStdString();
    EXPECT_FALSE(QFile::exists(temp.File("scan.pdf")));
    EXPECT_EQ(StoreBytes(), storeBefore);
}

// Multiple pages stored off (a JPEG chosen in the window, say): --multiple
// turns them on for this run, and the store stays as it was.
TEST_F(QuillonScanTest, MultipleTurnsMultiplePagesOnForOneRun) {
    {
        SqliteRegistryBackend backend(temp.File("config/Quillon/registry.sqlite3"));
        RegistryStore(backend).Set("AllowMultiplePages", " 0");
    }
    const QByteArray stored = StoreBytes();
    ASSERT_EQ(Run({"--multiple", "--source", "feeder", "--mode", "bw", "--dpi", "75", "batch.tiff"}), 0)
        << errors.toStdString();
    TIFF* tiff = TIFFOpen(QFile::encodeName(temp.File("batch.tiff")).constData(), "r");
    ASSERT_NE(tiff, nullptr);
    EXPECT_EQ(TIFFNumberOfDirectories(tiff), 10);  // the test scanner's whole feeder
    TIFFClose(tiff);
    EXPECT_EQ(StoreBytes(), stored);
}

TEST_F(QuillonScanTest, TheOverridesGiveThePagesAsked) {
    // Stored: 100 dpi, front only; asked: black and white, 150 dpi, Legal, the flatbed.
    ASSERT_EQ(Run({"--mode", "bw", "--dpi", "150", "--paper", "legal", "--source", "flatbed", "page.tiff"}), 0)
        << errors.toStdString();
    TIFF* tiff = TIFFOpen(QFile::encodeName(temp.File("page.tiff")).constData(), "r");
    ASSERT_NE(tiff, nullptr);
    uint32_t width = 0, height = 0;
    uint16_t bits = 0;
    float dpi = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &dpi);
    TIFFClose(tiff);
    EXPECT_EQ(bits, 1);
    EXPECT_EQ(std::lround(dpi), 150);
    EXPECT_NEAR(width, 1275, 12);
    EXPECT_NEAR(height, 2100, 12);
}

TEST_F(QuillonScanTest, CtrlCInTheMiddleOfAPageCancelsAndKeepsTheOlderFile) {
    // Pages that come slowly, so the interrupt lands while one is read.
    QFile config(temp.File("sane/test.conf"));
    ASSERT_TRUE(config.open(QIODevice::Append));
    config.write("read-delay true\nread-delay-duration 100000\nread-limit true\nread-limit-size 4096\n");
    config.close();
    QFile old(temp.File("scan.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the older file");
    old.close();

    Start({"scan.pdf"});
    ASSERT_NO_FATAL_FAILURE(WaitUntilSaid("Scanning page 1"));
    ::kill(static_cast<pid_t>(program.processId()), SIGINT);
    EXPECT_EQ(Finish(), 130) << errors.toStdString();
    QFile kept(temp.File("scan.pdf"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "the older file");
    EXPECT_TRUE(QDir(temp.path()).entryList({".quillon-*"}, QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(StoreBytes(), storeBefore);
}

TEST_F(QuillonScanTest, AnInterruptEndsAScanWhoseScannerNeverAnswersAndKeepsTheOlderFile) {
    // A network scanner that takes the job and then sends nothing, ever.
    testing::EsclSimulator simulator;
    ASSERT_NO_FATAL_FAILURE(simulator.Start({"--silent-from", "1"}));
    ASSERT_NO_FATAL_FAILURE(UseNetworkScanner(simulator));
    QFile old(temp.File("scan.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the older file");
    old.close();

    Start({"-d", "airscan", "--source", "flatbed", "scan.pdf"});
    ASSERT_NO_FATAL_FAILURE(WaitUntilSaid("Scanning page 1"));
    QElapsedTimer sinceInterrupt;
    sinceInterrupt.start();
    ::kill(static_cast<pid_t>(program.processId()), SIGINT);
    EXPECT_EQ(Finish(), 130) << errors.toStdString();
    // A hang would last for good; the program leaves within about a second.
    EXPECT_LT(sinceInterrupt.elapsed(), 5000);
    std::printf("ended %lld ms after the interrupt\n", static_cast<long long>(sinceInterrupt.elapsed()));
    QFile kept(temp.File("scan.pdf"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "the older file");
    EXPECT_TRUE(QDir(temp.path()).entryList({".quillon-*"}, QDir::Files | QDir::Hidden).isEmpty());
}

// Told to end in the middle of a batch, by any of the signals that end a
// program, it gives up the document: the older file stays as it was.
TEST_F(QuillonScanTest, ASignalInTheMiddleOfABatchGivesUpTheDocumentAndKeepsTheOlderFile) {
    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}, std::pair{SIGHUP, 129}}) {
        SCOPED_TRACE(signal);
        // A network scanner's feeder at a scanner's pace.
        testing::EsclSimulator simulator;
        ASSERT_NO_FATAL_FAILURE(simulator.Start({"--sheets", "10", "--pace", "0.3"}));
        ASSERT_NO_FATAL_FAILURE(UseNetworkScanner(simulator));
        QFile old(temp.File("scan.pdf"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
        old.write("the older file");
        old.close();

        Start({"-d", "airscan", "--source", "feeder", "scan.pdf"});
        ASSERT_NO_FATAL_FAILURE(WaitUntilSaid("Scanning page 3"));
        ::kill(static_cast<pid_t>(program.processId()), signal);
        EXPECT_EQ(Finish(), status) << errors.toStdString();
        QFile kept(temp.File("scan.pdf"));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "the older file");
        EXPECT_TRUE(QDir(temp.path()).entryList({".quillon-*"}, QDir::Files | QDir::Hidden).isEmpty());
    }
}

// A signal in any phase of a scan over an older file: the file stays as it
// was, no new one is written, nothing is left beside it, the status is 128+N
// and the only word is "Cancelled." (never a scanner fault).
TEST_F(QuillonScanTest, ASignalInEveryPhaseKeepsTheOlderFileAndSaysCancelled) {
    const QString lionPage = QStringLiteral(QUILLON_SOURCE_DIR "/tests/data/scans/lept_lion-page.00013.png");
    const struct Phase {
        const char* name;
        QStringList simulator;  // empty: SANE's test scanner, reading slowly
        QStringList arguments;
        const char* waitFor;    // said on the terminal once the phase is under way
        int signal;
        int pagesIn = 0;        // and then until the scanner's log has this many pages
    } kPhases[] = {
        // The test backend sets SIGTERM back to its default as each page starts.
        {"a page of the test scanner", {}, {"-d", "test", "--source", "feeder"}, "Scanning page 2", SIGTERM},
        {"the question to turn the stack",
         {"--sheets", "3"},
         {"--duplex", "manual", "--source", "feeder", "--dpi", "75"},
         "Scan the back sides?",
         SIGHUP},
        {"the text of the last pages being read",
         {"--sheets", "3", "--text-page", lionPage},
         {"--searchable", "--source", "feeder", "--mode", "grey", "--dpi", "300"},
         "Scanning page 3",
         SIGINT,
         3},
    };
    QFile config(temp.File("sane/test.conf"));
    ASSERT_TRUE(config.open(QIODevice::Append));
    config.write("read-delay true\nread-delay-duration 2000\nread-limit true\nread-limit-size 65536\n");
    config.close();
    for (const Phase& phase : kPhases) {
        SCOPED_TRACE(phase.name);
        testing::EsclSimulator simulator;
        QStringList device{"-d", "test"};
        if (!phase.simulator.isEmpty()) {
            ASSERT_NO_FATAL_FAILURE(simulator.Start(phase.simulator));
            ASSERT_NO_FATAL_FAILURE(UseNetworkScanner(simulator));
            device = {"-d", "airscan"};
        }
        QFile old(temp.File("scan.pdf"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate) && old.write("the older file") > 0);
        old.close();
        QFile::remove(temp.File("state/Quillon/scanner.log"));
        // On a terminal (script(1)), so questions are asked; the program's
        // own pid is noted before it starts. Its input stays open and empty.
        QStringList command{QStringLiteral(QUILLON_SCAN_PROGRAM)};
        command += phase.arguments.mid(phase.arguments.startsWith("-d") ? 2 : 0);
        const QString line = "echo $$ > pid; exec " + (QStringList{command.first()} + device + command.mid(1)).join(' ') + " scan.pdf";
        program.setProgram("script");
        program.setArguments({"-qefc", line, "/dev/null"});
        program.setWorkingDirectory(temp.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", temp.path());
        environment.insert("XDG_CONFIG_HOME", temp.File("config"));
        environment.insert("XDG_STATE_HOME", temp.File("state"));
        environment.insert("SANE_CONFIG_DIR", temp.File("sane"));
        program.setProcessEnvironment(environment);
        program.setStandardInputFile(QString());
        program.start();
        ASSERT_TRUE(program.waitForStarted());
        QString said;
        while (!said.contains(phase.waitFor) && program.waitForReadyRead(20000)) said += program.readAllStandardOutput();
        ASSERT_TRUE(said.contains(phase.waitFor)) << said.toStdString();
        const auto pagesLogged = [&] {
            QFile log(temp.File("state/Quillon/scanner.log"));
            return log.open(QIODevice::ReadOnly) ? int(log.readAll().count("TWAIN_Acquire page")) : 0;
        };
        ASSERT_TRUE(QTest::qWaitFor([&] { return pagesLogged() >= phase.pagesIn; }, 20000));
        QFile pidFile(temp.File("pid"));
        ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
        const pid_t pid = pidFile.readAll().trimmed().toInt();
        ASSERT_GT(pid, 0);
        ::kill(pid, phase.signal);
        ASSERT_TRUE(program.waitForFinished(30000));
        said += program.readAllStandardOutput();
        EXPECT_EQ(program.exitCode(), 128 + phase.signal) << said.toStdString();
        EXPECT_TRUE(said.contains("Cancelled.")) << said.toStdString();
        EXPECT_FALSE(said.contains("TWAIN Error")) << said.toStdString();
        QFile kept(temp.File("scan.pdf"));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "the older file");
        EXPECT_TRUE(QDir(temp.path()).entryList({".quillon-*"}, QDir::Files | QDir::Hidden).isEmpty());
    }
}

TEST_F(QuillonScanTest, AWriteProtectedFileIsNotReplaced) {
    QFile old(temp.File("x.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the older file");
    old.close();
    QFile::setPermissions(old.fileName(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    EXPECT_EQ(Run({"--single", "x.pdf"}), 3) << errors.toStdString();
    EXPECT_TRUE(errors.contains("x.pdf is write-protected.")) << errors.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the older file");
}

// Every path the system takes is taken, however long; a longer one is refused
// with the system's reason.
TEST_F(QuillonScanTest, LongPathsAreTakenAsFarAsTheSystemTakesThem) {
    QString folder = temp.path();
    while (folder.size() < 3000) folder += "/" + QString(200, QLatin1Char('f'));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString deep = folder + "/scan.png";
    EXPECT_EQ(Run({"--single", deep}), 0) << errors.toStdString();
    EXPECT_TRUE(QFile::exists(deep));
    EXPECT_EQ(Run({"--single", folder + "/" + QString(1200, QLatin1Char('g')) + "/scan.png"}), 1);
    EXPECT_TRUE(errors.contains("File name too long")) << errors.toStdString();
}

// Another program holds the store: quillon-scan waits for it a while, and
// then scans nothing rather than scan with options the user did not store.
TEST_F(QuillonScanTest, AStoreThatStaysLockedScansNothingAndSaysWhy) {
    const testing::HeldStoreLock lock(temp.File("config/Quillon/registry.sqlite3"));
    EXPECT_EQ(Run({"--single", "locked.png"}), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains("The stored options could not be read")) << errors.toStdString();
    EXPECT_FALSE(QFile::exists(temp.File("locked.png")));
}

// A settings file another user made (a run under sudo, say) is said as such,
// not guessed at; nothing is scanned.
TEST_F(QuillonScanTest, AStoreOfAnotherUserIsSaidToBeOne) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can run quillon-scan as a user the settings file is not of";
    // The file stays root's and private; the program runs as nobody, who may
    // look into the test's folders.
    for (const char* folder : {"config/Quillon", "sane"}) testing::LetOthersReach(temp.File(folder));
    program.setChildProcessModifier([] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) _exit(99);
    });
    EXPECT_EQ(Run({"--single", "other.png"}), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains("The stored options could not be read: " + temp.File("config/Quillon/registry.sqlite3") +
                                " belongs to another user. Nothing was scanned."))
        << errors.toStdString();
    EXPECT_EQ(StoreBytes(), storeBefore);
}

// Stored values that cannot be used are said, one line each with the default
// used instead, and the scan goes on with it.
struct UnusableStored {
    const char* name;
    const char* valueName;
    QString stored;
    const char* said;
    friend void PrintTo(const UnusableStored& u, std::ostream* out) { *out << u.name; }
};

class UnusableStoredValueTest : public QuillonScanTest, public ::testing::WithParamInterface<UnusableStored> {};

TEST_P(UnusableStoredValueTest, IsSaidAndTheDefaultIsUsed) {
    {
        SqliteRegistryBackend backend(temp.File("config/Quillon/registry.sqlite3"));
        RegistryStore(backend).Set(GetParam().valueName, GetParam().stored);
    }
    EXPECT_EQ(Run({"--single", "--blank-threshold", "0", "one.png"}), 0) << errors.toStdString();
    EXPECT_TRUE(errors.split('\n').contains(QString::fromUtf8(GetParam().said))) << errors.toStdString();
    EXPECT_TRUE(QFile::exists(temp.File("one.png")));
}

INSTANTIATE_TEST_SUITE_P(
    Values, UnusableStoredValueTest,
    ::testing::Values(
        UnusableStored{"APositionPastTheList", "DPI", " 9",
                       "The stored value of DPI, \" 9\", cannot be used; its default (200) is used instead."},
        UnusableStored{"NotANumber", "AutoDeskew", "nan",
                       "The stored value of AutoDeskew, \"nan\", cannot be used; its default (unchecked) is used instead."},
        // 50 MB and its closing NUL.
        UnusableStored{"ATextOfFiftyMegabytes", "Quality", QString(50 << 20, QLatin1Char('x')),
                       "The stored value of Quality, 52428801 bytes long, cannot be used; its default (Good - Default) "
                       "is used instead."}),
    testing::NameOfCase());

}  // namespace
}  // namespace quillon
