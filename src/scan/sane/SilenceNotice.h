// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>
#include <mutex>
#include <optional>

namespace quillon {

// Says, for the progress dialog, when the scanner has sent nothing for a
// while. Asked from the dialog's thread with what the step has had so far.
class SilenceNotice {
public:
    explicit SilenceNotice(std::chrono::milliseconds limit) : limit_(limit) {}
    // Empty while the scanner has not been silent for long.
    QString Text(long long received) const;
    void SetLimit(std::chrono::milliseconds limit) {
        const std::lock_guard lock(mutex_);
        limit_ = limit;
    }
    // A new step: the silence counts from the next Text.
    void Restart() {
        const std::lock_guard lock(mutex_);
        since_.reset();
    }

private:
    std::chrono::milliseconds limit_;
    mutable std::mutex mutex_;
    mutable std::optional<std::chrono::steady_clock::time_point> since_;
    mutable long long received_ = 0;
};

}  // namespace quillon
