// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace quillon {

class SaneDevice;

// How long a step that was asked to stop may go on before its device is
// cancelled under it.
constexpr std::chrono::milliseconds kCancelGrace{500};

// Watches one step of the device (starting a page, reading it) from a thread
// of its own, and cancels the device under it when the step has had nothing
// from the device for the longest a scanner may stay silent (it stopped
// answering), or when it was asked to stop and has not within the grace.
// Some backends cancel by killing their reader thread at any instruction,
// which is only safe once that thread is under way (its first calls made,
// its first data sent): a step that ends by itself within the grace is never
// cut short. Each wait ends on the step's end or at its deadline.
class DeviceWatch {
public:
    // progress: what the step has had from the device so far; null: nothing counts.
    DeviceWatch(SaneDevice& device, std::chrono::milliseconds silenceLimit, const std::atomic<long long>* progress);
    ~DeviceWatch() { Ended(); }
    DeviceWatch(const DeviceWatch&) = delete;
    DeviceWatch& operator=(const DeviceWatch&) = delete;

    // The device's part of the step starts: from now on its silence counts.
    void Begin();
    // Asked to stop, from any thread: the device is cancelled, on the watch's
    // own thread, unless the step ends within the grace.
    void Arm(std::chrono::milliseconds grace = kCancelGrace);
    // The step has ended, on the step's own thread: no cancel comes after
    // this, and one under way has returned.
    void Ended();
    // The device was cancelled because it stayed silent.
    bool silent() const { return silent_; }

private:
    void Watch();

    SaneDevice& device_;
    const std::chrono::milliseconds silenceLimit_;
    const std::atomic<long long>* progress_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::chrono::steady_clock::time_point> armedAt_, begunAt_;  // armedAt_: when the grace ends
    bool ended_ = false;
    std::atomic<bool> silent_{false};
    bool watching_ = false;  // whether the thread started; set before the watch is shared
    std::thread thread_;     // started once the rest is made
};

}  // namespace quillon
