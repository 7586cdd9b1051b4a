// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Terminal.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include <unistd.h>

namespace quillon {

std::atomic<bool> gInterrupted{false};

namespace {

void OnInterrupt(int) { gInterrupted = true; }

bool OnTerminal() { return ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO); }

// Message texts break lines with CR.
QString Lines(const QString& text) { return QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')).replace("\n\n", "\n"); }

}  // namespace

void InstallInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no restart: a question waiting on the terminal ends at once
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

TerminalUserInterface::TerminalUserInterface(QString output, bool quiet, bool feederOnly)
    : output_(std::move(output)), quiet_(quiet), feederOnly_(feederOnly) {}

MessageAnswer TerminalUserInterface::ShowMessage(const QString& text, const QString& title, MessageIcon,
                                                 MessageButtons buttons) {
    if (title == QLatin1String("Quillon Successful")) succeeded_ = true;
    const bool question = buttons != MessageButtons::Ok;
    if (!question) {
        if (!(quiet_ && succeeded_)) std::fprintf(stderr, "%s\n", qPrintable(Lines(text)));
        return MessageAnswer::Ok;
    }
    if (gInterrupted) return MessageAnswer::Cancel;
    const bool withCancel = buttons == MessageButtons::YesNoCancel;
    // The documented answers without a terminal: no further flatbed page, and
    // an empty feeder falls back to the flatbed unless only the feeder was asked.
    const MessageAnswer byDefault = withCancel && feederOnly_ ? MessageAnswer::Cancel : MessageAnswer::No;
    std::fprintf(stderr, "%s %s ", qPrintable(Lines(text)), withCancel ? "[y/n/c]" : "[y/n]");
    if (!OnTerminal()) {
        std::fprintf(stderr, "%s (no terminal to ask)\n", byDefault == MessageAnswer::Cancel ? "c" : "n");
        return byDefault;
    }
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        const char answer = static_cast<char>(std::tolower(static_cast<unsigned char>(line[0])));
        if (answer == 'y') return MessageAnswer::Yes;
        if (answer == 'n') return MessageAnswer::No;
        if (answer == 'c' && withCancel) return MessageAnswer::Cancel;
        std::fprintf(stderr, "%s ", withCancel ? "[y/n/c]" : "[y/n]");
    }
    std::fprintf(stderr, "\n");
    return gInterrupted || withCancel ? MessageAnswer::Cancel : MessageAnswer::No;
}

FileDialogResult TerminalUserInterface::RunFileDialog(const FileDialogRequest&) {
    return {true, QFileInfo(output_).absoluteFilePath(), 0};
}

QString TerminalUserInterface::DesktopFolder() { return QDir::homePath(); }

int TerminalScannerDialogs::ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) {
    if (scanners.isEmpty()) {
        noScanner_ = true;
        std::fprintf(stderr, "No scanner was found.\n");
        return -1;
    }
    if (device_.isEmpty()) return preselected >= 0 ? preselected : 0;
    for (int i = 0; i < scanners.size(); ++i)
        if (scanners[i].deviceName == device_) return i;
    noScanner_ = true;
    std::fprintf(stderr, "No scanner is named %s. quillon-scan --list-devices lists them.\n", qPrintable(device_));
    return -1;
}

void TerminalScannerDialogs::RunTransfer(int pageNumber, TransferTask& task) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
        task.Run();
        done = true;
    });
    const bool showBytes = !quiet_ && ::isatty(STDERR_FILENO);
    if (!quiet_) std::fprintf(stderr, "Scanning page %d%s", pageNumber, showBytes ? "" : "\n");
    bool cancelled = false;
    while (!done) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (gInterrupted && !cancelled) {
            task.Cancel();
            cancelled = true;
        }
        const double progress = task.Progress();
        if (showBytes && progress >= 0) std::fprintf(stderr, "\rScanning page %d: %3d %%", pageNumber, int(progress * 100));
    }
    worker.join();
    if (showBytes) std::fprintf(stderr, "\n");
}

}  // namespace quillon
