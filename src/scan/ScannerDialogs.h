// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace quillon {

struct ScannerChoice {
    QString deviceName;  // SANE's name, e.g. "test:0"
    QString label;       // "vendor model"
};

// One page's transfer, run on a worker thread while its progress is shown.
class TransferTask {
public:
    virtual ~TransferTask() = default;
    virtual void Run() = 0;
    // 0..1, or -1 while the page's size is not known.
    virtual double Progress() const = 0;
    // Asks the transfer to stop; called from the showing thread.
    virtual void Cancel() = 0;
};

// The scanner library's own dialogs.
class ScannerDialogs {
public:
    virtual ~ScannerDialogs() = default;
    // The chosen scanner's index, or -1 when cancelled. With no scanner at all,
    // says so plainly and gives -1.
    virtual int ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) = 0;
    // Runs the task on a worker thread while a modal dialog shows the page
    // number and progress with Cancel; returns when the task has ended.
    virtual void RunTransfer(int pageNumber, TransferTask& task) = 0;
};

}  // namespace quillon
