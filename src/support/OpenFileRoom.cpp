// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/OpenFileRoom.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace quillon {

void MakeRoomForOpenFiles(int wanted) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= static_cast<rlim_t>(wanted)) return;
    limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, static_cast<rlim_t>(wanted));
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

QString OpenFileShortage(int needed) {
    // Opened and closed at once: the only sure count is the system's own answer.
    std::vector<int> opened;
    int failure = 0;
    while (static_cast<int>(opened.size()) < needed) {
        const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            failure = errno;
            break;
        }
        opened.push_back(fd);
    }
    for (const int fd : opened) ::close(fd);
    return failure == 0 ? QString() : QString::fromLocal8Bit(std::strerror(failure));
}

}  // namespace quillon
