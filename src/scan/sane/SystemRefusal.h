// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/OpenFileRoom.h"

#include <QString>

namespace quillon {

// Why the system refuses to open files, when it does (too many open, say):
// SANE's answers do not carry it, and "no scanner" would be the wrong reason.
// A backend that failed for want of open files has closed what it had by
// the time it answers: the room left is what tells.
inline QString SystemRefusal() {
    // Open files a network backend takes for a scan: sockets, its event
    // loop's wake-ups, its threads' pipes.
    constexpr int kRoomForABackend = 16;
    return OpenFileShortage(kRoomForABackend);
}

}  // namespace quillon
