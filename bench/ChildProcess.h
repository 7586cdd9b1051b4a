// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs a measurement in a child process, so the peak memory reported is its own.
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillon::bench {

// Runs work() in a child; gives back the plain record it returns and the
// child's peak resident memory in kilobytes.
template <typename Record, typename Work>
Record RunInChild(Work work, long* peakKb) {
    Record record{};
    int fds[2];
    if (pipe(fds) != 0) return record;
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        const Record result = work();
        (void)!write(fds[1], &result, sizeof result);
        _exit(0);
    }
    close(fds[1]);
    (void)!read(fds[0], &record, sizeof record);
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    *peakKb = usage.ru_maxrss;
    return record;
}

}  // namespace quillon::bench
