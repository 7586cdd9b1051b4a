// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs a measurement in a child process, so the time, processor time and peak
// memory reported are the child's own.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillon::bench {

struct ChildUsage {
    double seconds = 0;     // wall time, from fork to exit
    double cpuSeconds = 0;  // user and system time
    long peakKb = 0;        // peak resident memory
    bool ok = false;        // exited with status 0
    bool hung = false;      // killed after the time limit
};

inline ChildUsage Collect(pid_t child, std::chrono::steady_clock::time_point start) {
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    ChildUsage result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                        usage.ru_stime.tv_usec / 1e6;
    result.peakKb = usage.ru_maxrss;
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// Runs work() in a child; gives back the plain record it returns and the
// child's usage.
template <typename Record, typename Work>
Record RunInChild(Work work, ChildUsage* usage) {
    Record record{};
    int fds[2];
    if (pipe(fds) != 0) return record;
    std::fflush(stdout);  // or the child prints what is buffered once more
    const auto start = std::chrono::steady_clock::now();
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
    *usage = Collect(child, start);
    return record;
}

// Runs a program with its arguments, its output thrown away. A program still
// running after the limit (if one is given) is killed and said to have hung.
inline ChildUsage RunProgram(const std::vector<std::string>& arguments,
                             std::chrono::seconds limit = std::chrono::seconds(0)) {
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> argv;
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        (void)!freopen("/dev/null", "w", stdout);
        (void)!freopen("/dev/null", "w", stderr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    const int exited = limit.count() > 0 ? static_cast<int>(syscall(SYS_pidfd_open, child, 0)) : -1;
    pollfd watch{exited, POLLIN, 0};
    const bool hung = exited >= 0 && poll(&watch, 1, static_cast<int>(limit.count() * 1000)) == 0;
    if (hung) kill(child, SIGKILL);
    if (exited >= 0) close(exited);
    ChildUsage usage = Collect(child, start);
    usage.hung = hung;
    usage.ok = usage.ok && !hung;
    return usage;
}

}  // namespace quillon::bench
