// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"
#include "support/UserInterface.h"

#include <atomic>
#include <functional>
#include <optional>

namespace quillon {

// Ctrl-C, SIGTERM or SIGHUP: the handler gives the document up and wakes a
// watcher thread, which cancels the step under way (a page, or a scanner
// that does not answer); every question after it is answered Cancel.
void InstallInterruptHandler();
bool Interrupted();
// What an interrupt does first, on the watcher's thread, before the step
// under way is cancelled: quillon-scan gives up the document.
void SetInterruptAction(std::function<void()> action);
// The job has returned: an interrupt no longer needs to end the process itself.
void ScanJobEnded();
// Nothing under way needs time to be given up (a search for scanners): an
// interrupt ends the process at once.
void EndAtOnceOnInterrupt();
// 128 and the number of the signal that interrupted.
int InterruptStatus();

// The terminal as the user interface: messages, one sentence a line, on
// standard error; questions asked on the terminal, or given their documented
// default answers without one; the save dialog answered with OUTPUT.
class TerminalUserInterface : public UserInterface {
public:
    TerminalUserInterface(QString output, bool quiet, bool feederOnly);

    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override;
    // The job's questions, each in the terminal's own words by its kind.
    MessageAnswer Ask(Question kind, const QString& text, const QString& title, MessageIcon icon,
                      MessageButtons buttons) override;
    FileDialogResult RunFileDialog(const FileDialogRequest& request) override;
    bool CanChooseAgain() const override { return false; }
    void OpenWebAddress(const QString&) override {}
    QString DesktopFolder() override;

    // Quiet, the information boxes are held back until the outcome is known:
    // they are said only when the scan did not succeed.
    void SayWithheldMessages();
    // The messages held back once a signal had come: said only when the
    // document was saved all the same (its commit was under way already).
    void SayMessagesAfterInterrupt();
    // Manual duplex without a terminal: no one could be asked to turn the
    // stack, so only the front sides were scanned.
    bool frontsOnlyUnasked() const { return frontsOnlyUnasked_; }

private:
    MessageAnswer Answer(std::optional<Question> kind, const QString& text, MessageIcon icon, MessageButtons buttons);

    QString output_;
    bool quiet_;
    bool feederOnly_;
    bool answered_ = false;
    bool frontsOnlyUnasked_ = false;
    QStringList withheld_;
    QStringList afterInterrupt_;
};

// The scanner library's dialogs without a window: the scanner is the one
// chosen last; a page's progress goes to standard error.
class TerminalScannerDialogs : public ScannerDialogs {
public:
    explicit TerminalScannerDialogs(bool quiet) : quiet_(quiet) {}

    int ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) override;
    // Steps run on the calling thread; an interrupt cancels them from the watcher.
    void RunTransfer(int pageNumber, ScanStep& task) override;
    void RunStep(const QString& caption, ScanStep& task) override;

private:
    bool quiet_;
};

}  // namespace quillon
