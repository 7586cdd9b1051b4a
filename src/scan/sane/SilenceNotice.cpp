// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/SilenceNotice.h"

#include <QCoreApplication>

namespace quillon {

namespace {
// How long a scanner may send nothing before the progress dialog says so:
// the user learns why nothing moves long before the silence limit ends the scan.
constexpr std::chrono::seconds kSilenceShownAfter{10};
}  // namespace

QString SilenceNotice::Text(long long received) const {
    using namespace std::chrono;
    const std::lock_guard lock(mutex_);
    const auto now = steady_clock::now();
    if (!since_ || received != received_) {
        since_ = now;
        received_ = received;
    }
    const auto silent = duration_cast<seconds>(now - *since_);
    if (silent < kSilenceShownAfter) return {};
    return QCoreApplication::translate("SaneLibrary", "The scanner has sent nothing for %1 s. The scan ends by itself "
                                                      "after %2 s; Cancel ends it now.")
        .arg(silent.count())
        .arg(duration_cast<seconds>(limit_).count());
}

}  // namespace quillon
