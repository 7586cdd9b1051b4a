// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

class QWidget;
class QString;

namespace quillon {

class ScanProgress;

// The scanner library's dialogs in Qt: the scanner list and the progress of
// each step. Called from the scan's own thread, a step runs there while the
// scan's progress dialog follows it on the window's thread; called on the
// window's thread, the step runs on a worker under a modal dialog of its own.
class QtScannerDialogs : public ScannerDialogs {
public:
    void SetOwnerWindow(QWidget* owner) { owner_ = owner; }
    void SetScanProgress(ScanProgress* progress) { progress_ = progress; }
    int ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) override;
    void RunTransfer(int pageNumber, TransferTask& task) override;
    void RunStep(const QString& caption, TransferTask& task) override;

private:
    int ChooseOnWindowThread(const QList<ScannerChoice>& scanners, int preselected);
    void Run(const QString& caption, TransferTask& task, bool page);
    void RunUnderOwnDialog(const QString& caption, TransferTask& task);

    QWidget* owner_ = nullptr;
    ScanProgress* progress_ = nullptr;
};

}  // namespace quillon
