// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Terminal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/ProcessSignals.h"
#include "scan/BeginStep.h"
#include "scan/RunScan.h"
#include "scan/imaging/writers/DocumentGate.h"
#include "support/EndProcess.h"

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace quillon {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(QuillonScan)
};

bool OnTerminal() { return ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO); }

// Message texts break lines with CR.
QString Lines(const QString& text) { return QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')).replace("\n\n", "\n"); }

// The keys that answer, as the questions name them: the user's language's
// and, always, y, n and c.
QChar YesKey() { return Text::tr("y", "the key that answers Yes").at(0); }
QChar NoKey() { return Text::tr("n", "the key that answers No").at(0); }
QChar CancelKey() { return Text::tr("c", "the key that answers Cancel").at(0); }

QString Keys(bool withCancel) {
    return withCancel ? Text::tr("[y/n/c]", "the keys that answer Yes, No and Cancel")
                      : Text::tr("[y/n]", "the keys that answer Yes and No");
}

// The job's questions in a terminal's words: what each key does.
QString TerminalQuestion(std::optional<Question> kind, const QString& text, bool withCancel) {
    if (!kind) return Lines(text) + QLatin1Char(' ') + Keys(withCancel);
    switch (*kind) {
        case Question::LoadTheFeeder:
            return Text::tr("Load the documents into the feeder. Retry? [y] yes, [n] use the flatbed, [c] cancel");
        case Question::AnotherPage:
            return Text::tr("Put the next page on the flatbed. Scan it? [y] yes, [n] no, save the file");
        case Question::TurnTheStack:
            return Text::tr("Turn the stack over, without changing its order, and load it into the feeder again. "
                            "Scan the back sides? [y] yes, [n] keep the front sides only");
        case Question::UnmatchedSides:
            // What was found comes first; the job's own wording of the choice is replaced.
            return Lines(text.left(text.indexOf(QLatin1Char('\r')))).trimmed() + QLatin1Char(' ') +
                   Text::tr("Save every page, the unmatched ones at the end? [y] yes, [n] keep the front sides only");
    }
    return Lines(text);
}

// The progress line of a page: "Scanning page 3:  42 %".
QString PageProgress(const QByteArray& page, double progress) {
    return Text::tr("Scanning page %1: %2 %").arg(QString::fromUtf8(page)).arg(int(progress * 100), 3);
}

// How long a cancelled scan may take to end before the process leaves
// without it: a backend may wait many seconds for a scanner that is gone.
constexpr std::chrono::milliseconds kEndAfterInterrupt{800};

// The step under way, which an interrupt cancels, and its progress shown on
// a terminal. The watcher wakes on an interrupt at once; its timeout only
// refreshes the progress line, no step waits for it.
class StepWatcher {
public:
    static StepWatcher& Instance() {
        static StepWatcher* watcher = new StepWatcher;  // lives as long as the process
        return *watcher;
    }
    void SetAction(std::function<void()> action) {
        const std::lock_guard lock(mutex_);
        action_ = std::move(action);
    }
    void Begin(ScanStep* task, QByteArray page) {
        const std::lock_guard lock(mutex_);
        page_ = std::move(page);
        BeginStep(task_, *task, Interrupted());
    }
    void End() {
        const std::lock_guard lock(mutex_);
        task_ = nullptr;
    }
    void EndAtOnce() {
        const std::lock_guard lock(mutex_);
        nothingToKeep_ = true;
    }
    void JobEnded() {
        {
            const std::lock_guard lock(mutex_);
            jobEnded_ = true;
        }
        ended_.notify_all();
    }

private:
    StepWatcher() {
        std::thread([this] { Watch(); }).detach();
    }
    void Watch() {
        const bool showProgress = ::isatty(STDERR_FILENO);
        for (;;) {
            pollfd wake{EndSignalPipe(), POLLIN, 0};
            const int ready = ::poll(&wake, 1, showProgress ? 200 : -1);
            if (ready > 0) {
                char bytes[16];
                [[maybe_unused]] const ssize_t read = ::read(wake.fd, bytes, sizeof bytes);
            }
            std::unique_lock lock(mutex_);
            if (Interrupted() && !jobEnded_) {
                if (action_) std::exchange(action_, {})();
                if (task_) task_->Cancel();
                // The signal gave the document up: leaving now leaves nothing
                // behind and the older file as it was. With nothing to give up
                // (a list of scanners) there is nothing to wait for.
                if (nothingToKeep_ || !ended_.wait_for(lock, kEndAfterInterrupt, [this] { return jobEnded_; })) {
                    DocumentGate::Abandon();  // waits for a file being put in place, removes those being written
                    if (!nothingToKeep_)
                        std::fprintf(stderr, "%s%s\n", showProgress ? "\n" : "", qPrintable(Text::tr("Cancelled.")));
                    EndProcess(InterruptStatus());
                }
                continue;
            }
            if (!task_) continue;
            const double progress = task_->Progress();
            if (showProgress && !page_.isEmpty() && progress >= 0)
                std::fprintf(stderr, "\r%s", qPrintable(PageProgress(page_, progress)));
        }
    }

    std::mutex mutex_;
    std::function<void()> action_;
    std::condition_variable ended_;
    bool jobEnded_ = false;
    bool nothingToKeep_ = false;
    ScanStep* task_ = nullptr;
    QByteArray page_;  // the page's number as shown; empty for other steps
};

// A page's progress is shown against its number ("3", "7 (document 2)"); other steps show none.
void RunWatched(ScanStep& task, QByteArray page) {
    StepWatcher::Instance().Begin(&task, std::move(page));
    task.Run();
    StepWatcher::Instance().End();
}

}  // namespace

void ScanJobEnded() { StepWatcher::Instance().JobEnded(); }

void EndAtOnceOnInterrupt() { StepWatcher::Instance().EndAtOnce(); }

bool Interrupted() { return EndSignalReceived() != 0; }

int InterruptStatus() { return 128 + (EndSignalReceived() ? EndSignalReceived() : SIGINT); }

void InstallInterruptHandler() {
    InstallEndSignals();
    StepWatcher::Instance();
}

void SetInterruptAction(std::function<void()> action) { StepWatcher::Instance().SetAction(std::move(action)); }

TerminalUserInterface::TerminalUserInterface(QString output, bool quiet, bool feederOnly)
    : output_(std::move(output)), quiet_(quiet), feederOnly_(feederOnly) {}

MessageAnswer TerminalUserInterface::ShowMessage(const QString& text, const QString&, MessageIcon icon,
                                                 MessageButtons buttons) {
    return Answer(std::nullopt, text, icon, buttons);
}

MessageAnswer TerminalUserInterface::Ask(Question kind, const QString& text, const QString&, MessageIcon icon,
                                         MessageButtons buttons) {
    return Answer(kind, text, icon, buttons);
}

MessageAnswer TerminalUserInterface::Answer(std::optional<Question> kind, const QString& text, MessageIcon icon,
                                            MessageButtons buttons) {
    const bool question = buttons != MessageButtons::Ok;
    if (!question) {
        // After a signal the job's own account (a cancel, a page cut short) is
        // not the user's: the program says "Cancelled." itself.
        if (Interrupted()) afterInterrupt_.append(Lines(text));
        else if (quiet_ && icon == MessageIcon::Information) withheld_.append(Lines(text));
        else std::fprintf(stderr, "%s\n", qPrintable(Lines(text)));
        return MessageAnswer::Ok;
    }
    if (Interrupted()) return MessageAnswer::Cancel;
    const bool withCancel = buttons == MessageButtons::YesNoCancel;
    // The documented answers without a terminal: no further flatbed page, and
    // an empty feeder falls back to the flatbed unless only the feeder was asked.
    const MessageAnswer byDefault = withCancel && feederOnly_ ? MessageAnswer::Cancel : MessageAnswer::No;
    std::fprintf(stderr, "%s ", qPrintable(TerminalQuestion(kind, text, withCancel)));
    if (!OnTerminal()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(Text::tr("%1 (no terminal to ask)", "the answer given")
                                    .arg(byDefault == MessageAnswer::Cancel ? CancelKey() : NoKey())));
        if (kind == Question::TurnTheStack) frontsOnlyUnasked_ = true;
        return byDefault;
    }
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        const QString typed = QString::fromLocal8Bit(line).left(1).toLower();
        const QChar answer = typed.isEmpty() ? QChar() : typed.front();
        if (answer == u'y' || answer == YesKey()) return MessageAnswer::Yes;
        if (answer == u'n' || answer == NoKey()) return MessageAnswer::No;
        if ((answer == u'c' || answer == CancelKey()) && withCancel) return MessageAnswer::Cancel;
        std::fprintf(stderr, "%s? ", qPrintable(Keys(withCancel)));
    }
    std::fprintf(stderr, "\n");
    return Interrupted() || withCancel ? MessageAnswer::Cancel : MessageAnswer::No;
}

void TerminalUserInterface::SayWithheldMessages() {
    for (const QString& text : std::exchange(withheld_, {})) std::fprintf(stderr, "%s\n", qPrintable(text));
}

void TerminalUserInterface::SayMessagesAfterInterrupt() {
    for (const QString& text : std::exchange(afterInterrupt_, {})) std::fprintf(stderr, "%s\n", qPrintable(text));
}

// OUTPUT is the one answer: asked again (the file was refused), the terminal has no other.
FileDialogResult TerminalUserInterface::RunFileDialog(const FileDialogRequest&) {
    if (std::exchange(answered_, true)) return {};
    return {true, QFileInfo(output_).absoluteFilePath(), 0};
}

QString TerminalUserInterface::DesktopFolder() { return QDir::homePath(); }

int TerminalScannerDialogs::ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) {
    if (scanners.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(Text::tr("No scanner was found.")));
        return -1;
    }
    return preselected >= 0 ? preselected : 0;
}

void TerminalScannerDialogs::RunTransfer(int pageNumber, ScanStep& task) {
    const bool showBytes = !quiet_ && ::isatty(STDERR_FILENO);
    // In a batch split into documents, the page says which document it begins or goes on.
    const QByteArray page = task.DocumentNumber() > 1
                                ? Text::tr("%1 (document %2)").arg(pageNumber).arg(task.DocumentNumber()).toUtf8()
                                : QByteArray::number(pageNumber);
    if (!quiet_) std::fprintf(stderr, "%s%s", qPrintable(Text::tr("Scanning page %1").arg(QString::fromUtf8(page))), showBytes ? "" : "\n");
    RunWatched(task, showBytes ? page : QByteArray());
    // The line ends with where the page ended, not with the last refresh.
    if (showBytes) {
        const double progress = task.Progress();
        if (progress >= 0) std::fprintf(stderr, "\r%s", qPrintable(PageProgress(page, progress)));
        std::fprintf(stderr, "\n");
    }
}

void TerminalScannerDialogs::RunStep(const QString&, ScanStep& task) { RunWatched(task, {}); }

}  // namespace quillon
