// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

class QWidget;
class QString;

namespace quillon {

class ScanProgress;

// The scanner library's dialogs in Qt: the scanner list, asked on the
// window's thread, and the progress of each step, which runs on the scan's
// own thread while the scan's progress dialog follows it.
class QtScannerDialogs : public ScannerDialogs {
public:
    void SetOwnerWindow(QWidget* owner) { owner_ = owner; }
    void SetScanProgress(ScanProgress* progress) { progress_ = progress; }
    int ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) override;
    void RunTransfer(int pageNumber, ScanStep& task) override;
    void RunStep(const QString& caption, ScanStep& task) override;

private:
    int ChooseOnWindowThread(const QList<ScannerChoice>& scanners, int preselected);
    void Run(const QString& caption, ScanStep& task, bool page);

    QWidget* owner_ = nullptr;
    ScanProgress* progress_ = nullptr;
};

}  // namespace quillon
