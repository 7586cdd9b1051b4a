// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace quillon {

// A call into a device that may block for long (starting a page, reading
// it). Made on a thread of its own, whoever waits for it can leave once it
// was cancelled and has not ended within a bound, the call ending behind
// with what it holds (the device): a network backend may take many seconds
// to let go of a scanner that stopped answering. Other backends' calls are
// made on the caller's thread: SANE's test backend, for one, starts its
// reader thread from the thread that starts the page, and a read from
// another thread then hung in some runs; such calls end when the backend
// lets them.
class DeviceCall {
public:
    explicit DeviceCall(bool ownThread = false) : ownThread_(ownThread), state_(std::make_shared<State>()) {}
    DeviceCall(const DeviceCall&) = delete;
    DeviceCall& operator=(const DeviceCall&) = delete;

    // Runs the call; on a thread of its own, it must hold (by value or
    // shared) everything it uses, since it may outlive the caller's wait.
    void Run(std::function<void()> call) {
        if (!ownThread_) return Finish(*state_, call);
        std::thread([state = state_, call = std::move(call)] { Finish(*state, call); }).detach();
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
    static void Finish(State& state, const std::function<void()>& call) {
        call();
        const std::lock_guard lock(state.mutex);
        state.ended = true;
        state.changed.notify_all();
    }

    bool ownThread_;
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
