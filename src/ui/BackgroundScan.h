// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScanOutcome.h"
#include "settings/RegistryStore.h"
#include "ui/ScanProgress.h"
#include "ui/WindowThreadRegistryBackend.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace quillon {

class Main;
class ScannerLibrary;
class UserInterface;

// The scan job on a thread of its own, beside the window: the window keeps
// drawing and answering while the job waits for the scanner. Every question,
// box, dialog and caption of the job crosses to the window's thread by a
// blocking call, so the job shows the same texts in the same order as it
// would on the window's thread. One job at a time.
class BackgroundScan : public QObject {
public:
    BackgroundScan(Main& window, ScannerLibrary& library, const RegistryStore& store, UserInterface& ui);
    ~BackgroundScan() override;

    ScanProgress& progress() { return progress_; }
    // What to do with each job's outcome, on the window's thread.
    void SetOutcomeHandler(std::function<void(const ScanOutcome&)> handler) { onOutcome_ = std::move(handler); }

    // Starts a job; false while one runs.
    bool Start();
    bool running() const { return running_; }
    // The window has closed: the step under way is cancelled, what the job
    // still asks is answered as by a user who has gone (Cancel, No), and the
    // job is waited for, at most the time given. The window's thread keeps
    // answering meanwhile. False when the job is still running then (a
    // backend that does not let go): the program ends without it.
    bool Close(std::chrono::milliseconds wait = std::chrono::milliseconds::max());

private:
    void Finished(const ScanOutcome& outcome);

    Main& window_;
    ScannerLibrary& library_;
    // The store as the job's thread reaches it: on the window's thread, its owner.
    WindowThreadRegistryBackend jobBackend_;
    RegistryStore jobStore_;
    UserInterface& ui_;
    ScanProgress progress_;
    std::function<void(const ScanOutcome&)> onOutcome_;
    std::thread thread_;
    bool running_ = false;
    std::atomic<bool> closing_{false};
};

}  // namespace quillon
