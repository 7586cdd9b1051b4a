// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"
#include "support/UserInterface.h"

#include <atomic>

namespace quillon {

// Ctrl-C: the handler only raises this flag; a page being read is cancelled
// and every question is answered Cancel.
extern std::atomic<bool> gInterrupted;
void InstallInterruptHandler();

// The terminal as the user interface: messages, one sentence a line, on
// standard error; questions asked on the terminal, or given their documented
// default answers without one; the save dialog answered with OUTPUT.
class TerminalUserInterface : public UserInterface {
public:
    TerminalUserInterface(QString output, bool quiet, bool feederOnly);

    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override;
    FileDialogResult RunFileDialog(const FileDialogRequest& request) override;
    void OpenWebAddress(const QString&) override {}
    QString DesktopFolder() override;

    bool succeeded() const { return succeeded_; }

private:
    QString output_;
    bool quiet_;
    bool feederOnly_;
    bool succeeded_ = false;
};

// The scanner library's dialogs without a window: the scanner is the one
// named, or the one chosen last; a page's progress goes to standard error.
class TerminalScannerDialogs : public ScannerDialogs {
public:
    TerminalScannerDialogs(QString device, bool quiet) : device_(std::move(device)), quiet_(quiet) {}

    int ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) override;
    void RunTransfer(int pageNumber, TransferTask& task) override;

    bool noScanner() const { return noScanner_; }

private:
    QString device_;
    bool quiet_;
    bool noScanner_ = false;
};

}  // namespace quillon
