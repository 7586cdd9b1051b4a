// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace quillon {

// A call into a device that may block for long (starting a page, reading
// it), meant to be made on a thread of its own so that whoever waits for it
// can leave once it was cancelled and has not ended within a bound, the call
// ending behind with what it holds (the device). A network backend may take
// many seconds to let go of a scanner that stopped answering. Not yet: see Run.
class DeviceCall {
public:
    DeviceCall() : state_(std::make_shared<State>()) {}
    DeviceCall(const DeviceCall&) = delete;
    DeviceCall& operator=(const DeviceCall&) = delete;

    // Runs the call. It is made on the caller's thread for now: with the call
    // on a thread of its own, SANE's test backend's read of a started page hung
    // in some runs (its reader thread is made by the thread that starts the
    // page, which then ends). So no call is left behind yet; Wait sees it ended.
    void Run(const std::function<void()>& call) {
        call();
        const std::lock_guard lock(state_->mutex);
        state_->ended = true;
        state_->changed.notify_all();
    }
    // Until the call has ended (true), or until the time set by LeaveAfter (false).
    bool Wait() {
        std::unique_lock lock(state_->mutex);
        while (!state_->ended) {
            if (!state_->leaveAt) {
                state_->changed.wait(lock);
            } else if (state_->changed.wait_until(lock, *state_->leaveAt) == std::cv_status::timeout) {
                return state_->ended;
            }
        }
        return true;
    }
    // From any thread: a wait ends at the latest this long from now.
    void LeaveAfter(std::chrono::milliseconds bound) {
        {
            const std::lock_guard lock(state_->mutex);
            if (!state_->leaveAt) state_->leaveAt = std::chrono::steady_clock::now() + bound;
        }
        state_->changed.notify_all();
    }
    bool Ended() {
        const std::lock_guard lock(state_->mutex);
        return state_->ended;
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        bool ended = false;
        std::optional<std::chrono::steady_clock::time_point> leaveAt;
    };
    std::shared_ptr<State> state_;
};

// The devices still open, counted wherever they are (a call left behind
// holds one): SANE is not ended, and no device opened, while one is let go.
class OpenDevices {
public:
    void Opened() {
        const std::lock_guard lock(mutex_);
        ++count_;
    }
    void Closed() {
        const std::lock_guard lock(mutex_);
        --count_;
        changed_.notify_all();
    }
    bool any() {
        const std::lock_guard lock(mutex_);
        return count_ > 0;
    }
    // A new wait begins: one given up before is forgotten.
    void ResetWait() {
        const std::lock_guard lock(mutex_);
        givenUp_ = false;
    }
    // Until none is open (true) or the wait is given up (false).
    bool WaitUntilNone() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return count_ == 0 || givenUp_; });
        return count_ == 0;
    }
    void GiveUpWaiting() {
        const std::lock_guard lock(mutex_);
        givenUp_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int count_ = 0;
    bool givenUp_ = false;
};

}  // namespace quillon
