// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/EndProcess.h"

#include <cstdio>

#include <unistd.h>

namespace quillon {

void EndProcess(int status) {
    // Only the two output streams: flushing every stream would lock stdin
    // too, which a thread waiting for an answer on the terminal holds.
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(status);
}

}  // namespace quillon
