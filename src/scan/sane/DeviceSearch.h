// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace quillon {

// A search for scanners on a thread of its own, so that it runs while the
// user chooses where to save. Asking every backend can take seconds (a
// network backend may wait much longer); a wait for it can be given up,
// the search itself cannot, and it is joined before anything else of SANE
// is called.
class DeviceSearch {
public:
    explicit DeviceSearch(std::function<QList<ScannerChoice>()> search)
        : thread_([this, search = std::move(search)] {
              QList<ScannerChoice> found = search();
              const std::lock_guard lock(mutex_);
              result_ = std::move(found);
              ended_ = true;
              changed_.notify_all();
          }) {}
    ~DeviceSearch() { thread_.join(); }
    DeviceSearch(const DeviceSearch&) = delete;
    DeviceSearch& operator=(const DeviceSearch&) = delete;

    bool Ended() {
        const std::lock_guard lock(mutex_);
        return ended_;
    }
    // Until the search has ended (true) or the wait is given up (false).
    bool Wait() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return ended_ || givenUp_; });
        return ended_;
    }
    // Safe from any thread.
    void GiveUpWaiting() {
        const std::lock_guard lock(mutex_);
        givenUp_ = true;
        changed_.notify_all();
    }
    // The scanners found, once the search has ended.
    QList<ScannerChoice> Result() {
        const std::lock_guard lock(mutex_);
        return result_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool ended_ = false, givenUp_ = false;
    QList<ScannerChoice> result_;
    std::thread thread_;  // last: it starts once the rest is ready
};

}  // namespace quillon
