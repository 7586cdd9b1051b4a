// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/StallReport.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace quillon::testing {

StallReport::StallReport(std::chrono::seconds limit) : limit_(limit) {
    // gdb is started by this process; where ptrace is limited to a process's
    // own children, the process must allow its child to look at it.
    ::prctl(PR_SET_PTRACER, PR_SET_PTRACER_ANY, 0, 0, 0);
    watcher_ = std::thread([this] { Watch(); });
}

StallReport::~StallReport() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    watcher_.join();
}

void StallReport::OnTestStart(const ::testing::TestInfo& test) {
    {
        const std::lock_guard lock(mutex_);
        test_ = std::string(test.test_suite_name()) + "." + test.name();
        deadline_ = std::chrono::steady_clock::now() + limit_;
    }
    changed_.notify_all();
}

void StallReport::OnTestEnd(const ::testing::TestInfo&) {
    {
        const std::lock_guard lock(mutex_);
        deadline_ = std::chrono::steady_clock::time_point::max();
    }
    changed_.notify_all();
}

void StallReport::Watch() {
    std::unique_lock lock(mutex_);
    for (;;) {
        const auto deadline = deadline_;
        const auto changed = [&] { return ending_ || deadline_ != deadline; };
        if (deadline == std::chrono::steady_clock::time_point::max()) changed_.wait(lock, changed);
        else changed_.wait_until(lock, deadline, changed);
        if (ending_) return;
        if (deadline_ != deadline || std::chrono::steady_clock::now() < deadline) continue;
        deadline_ = std::chrono::steady_clock::time_point::max();
        const std::string test = test_;
        lock.unlock();
        std::fprintf(stderr, "\n%s has run for %lld s; the stacks of its threads:\n", test.c_str(),
                     static_cast<long long>(limit_.count()));
        std::fflush(stderr);
        // stdout goes to stderr too, so that the stacks land beside the test's output.
        const std::string command = "gdb -p " + std::to_string(::getpid()) +
                                    " -batch -nx -ex 'thread apply all bt 40' 1>&2 </dev/null";
        if (std::system(command.c_str()) != 0) std::fprintf(stderr, "(gdb could not show the stacks)\n");
        lock.lock();
    }
}

}  // namespace quillon::testing
