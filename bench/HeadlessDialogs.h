// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

namespace quillon {

// The scanner library's dialogs for the benchmarks' own driver: the first
// scanner, every step run on the calling thread, nothing shown.
struct HeadlessDialogs : ScannerDialogs {
    int ChooseScanner(const QList<ScannerChoice>& scanners, int) override { return scanners.isEmpty() ? -1 : 0; }
    void RunTransfer(int, ScanStep& task) override { task.Run(); }
    void RunStep(const QString&, ScanStep& task) override { task.Run(); }
};

}  // namespace quillon
