// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

class QWidget;

namespace quillon {

// The scanner library's dialogs in Qt: the scanner list and the page progress.
class QtScannerDialogs : public ScannerDialogs {
public:
    void SetOwnerWindow(QWidget* owner) { owner_ = owner; }
    int ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) override;
    void RunTransfer(int pageNumber, TransferTask& task) override;

private:
    QWidget* owner_ = nullptr;
};

}  // namespace quillon
