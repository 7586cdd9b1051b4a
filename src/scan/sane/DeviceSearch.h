// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace quillon {

// A search for scanners on a thread of its own, so that it runs while the
// user chooses where to save. Asking every backend can take seconds (a
// network backend may wait for a host that never answers, for good): a wait
// for it can be given up, the search itself cannot. Nothing waits for it
// unasked: a search still under way when it is destroyed is left to end on
// its own, and keeps what it needs (its result) to itself.
class DeviceSearch {
public:
    explicit DeviceSearch(std::function<QList<ScannerChoice>()> search) : state_(std::make_shared<State>()) {
        thread_ = std::thread([state = state_, search = std::move(search)] {
            QList<ScannerChoice> found = search();
            const std::lock_guard lock(state->mutex);
            state->result = std::move(found);
            state->ended = true;
            state->changed.notify_all();
        });
    }
    ~DeviceSearch() {
        if (Ended()) thread_.join();
        else thread_.detach();
    }
    DeviceSearch(const DeviceSearch&) = delete;
    DeviceSearch& operator=(const DeviceSearch&) = delete;

    bool Ended() {
        const std::lock_guard lock(state_->mutex);
        return state_->ended;
    }
    // Until the search has ended (true) or the wait is given up (false).
    bool Wait() {
        std::unique_lock lock(state_->mutex);
        state_->changed.wait(lock, [this] { return state_->ended || state_->givenUp; });
        return state_->ended;
    }
    // A new wait begins: one given up before is forgotten.
    void ResetWait() {
        const std::lock_guard lock(state_->mutex);
        state_->givenUp = false;
    }
    // Safe from any thread.
    void GiveUpWaiting() {
        const std::lock_guard lock(state_->mutex);
        state_->givenUp = true;
        state_->changed.notify_all();
    }
    // The scanners found, once the search has ended.
    QList<ScannerChoice> Result() {
        const std::lock_guard lock(state_->mutex);
        return state_->result;
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        bool ended = false, givenUp = false;
        QList<ScannerChoice> result;
    };
    std::shared_ptr<State> state_;
    std::thread thread_;
};

}  // namespace quillon
