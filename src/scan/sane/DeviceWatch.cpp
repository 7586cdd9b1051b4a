// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/DeviceWatch.h"

#include "scan/sane/SaneDevice.h"

#include <algorithm>
#include <system_error>

namespace quillon {

DeviceWatch::DeviceWatch(SaneDevice& device, std::chrono::milliseconds silenceLimit, const std::atomic<long long>* progress)
    : device_(device), silenceLimit_(silenceLimit), progress_(progress) {
    try {
        thread_ = std::thread([this] { Watch(); });
        watching_ = true;
    } catch (const std::system_error&) {
        // No thread to spare (memory is short): no silence is timed, and a
        // stop cancels the device at once.
    }
}

void DeviceWatch::Begin() {
    {
        const std::lock_guard lock(mutex_);
        begunAt_ = std::chrono::steady_clock::now();
    }
    changed_.notify_all();
}

void DeviceWatch::Arm(std::chrono::milliseconds grace) {
    if (!watching_) return device_.Cancel();
    {
        const std::lock_guard lock(mutex_);
        const auto deadline = std::chrono::steady_clock::now() + grace;
        if (armedAt_ && *armedAt_ <= deadline) return;
        armedAt_ = deadline;
    }
    changed_.notify_all();
}

void DeviceWatch::Ended() {
    {
        const std::lock_guard lock(mutex_);
        ended_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void DeviceWatch::Watch() {
    using Clock = std::chrono::steady_clock;
    std::unique_lock lock(mutex_);
    long long seen = 0;
    std::optional<Clock::time_point> silentFrom;
    for (;;) {
        if (!silentFrom && begunAt_) {
            silentFrom = begunAt_;
            seen = progress_ ? progress_->load() : 0;
        }
        const Clock::time_point never = Clock::time_point::max();
        const Clock::time_point graceEnds = armedAt_ ? *armedAt_ : never;
        const Clock::time_point silenceEnds = silentFrom ? *silentFrom + silenceLimit_ : never;
        const auto armed = armedAt_, begun = begunAt_;
        const auto changed = [&] { return ended_ || armedAt_ != armed || begunAt_ != begun; };
        if (graceEnds == never && silenceEnds == never) changed_.wait(lock, changed);
        else changed_.wait_until(lock, std::min(graceEnds, silenceEnds), changed);
        if (ended_) return;
        const Clock::time_point now = Clock::now();
        if (now >= graceEnds) break;
        if (now < silenceEnds) continue;  // armed or begun meanwhile: deadlines anew
        const long long progress = progress_ ? progress_->load() : 0;
        if (progress != seen) {
            seen = progress;  // data came: the silence starts again
            silentFrom = now;
            continue;
        }
        silent_ = true;
        break;
    }
    lock.unlock();
    device_.Cancel();
    // The thread ends with the step, never before: the terminal program
    // may end its process in the middle of a step (after an interrupt),
    // and a thread that had ended and was not yet joined then is a leak
    // to ThreadSanitizer.
    lock.lock();
    changed_.wait(lock, [this] { return ended_; });
}

}  // namespace quillon
