// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

#include <functional>
#include <thread>

namespace quillon::testing {

// The scanner library's dialogs, answered by a script: the scanner at
// chosenIndex is picked (-1 cancels), and every page runs on a worker thread
// as in the program, after the hook has had its say.
class ScriptedScannerDialogs : public ScannerDialogs {
public:
    int chosenIndex = 0;
    QList<ScannerChoice> offered;
    // Runs on the calling thread before a page's transfer starts.
    std::function<void(int pageNumber)> beforePage;
    // Runs on the calling thread while the page is being transferred.
    std::function<void(int pageNumber, ScanStep& task)> duringPage;
    // Runs on the calling thread while any other step runs on a worker; without
    // it, a step runs on the calling thread.
    std::function<void(const QString& caption, ScanStep& task)> duringStep;
    int pagesShown = 0;

    int ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) override {
        offered = scanners;
        lastPreselected = preselected;
        return scanners.isEmpty() ? -1 : chosenIndex;
    }

    void RunTransfer(int pageNumber, ScanStep& task) override {
        ++pagesShown;
        if (beforePage) beforePage(pageNumber);
        std::thread worker([&] { task.Run(); });
        if (duringPage) duringPage(pageNumber, task);
        worker.join();
    }

    void RunStep(const QString& caption, ScanStep& task) override {
        if (!duringStep) return task.Run();
        std::thread worker([&] { task.Run(); });
        duringStep(caption, task);
        worker.join();
    }

    int lastPreselected = -2;
};

}  // namespace quillon::testing
