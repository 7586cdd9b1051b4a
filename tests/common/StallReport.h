// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace quillon::testing {

// A test that has run for longer than the limit has its threads' stacks
// written to stderr by gdb, once, before the test runner's timeout kills the
// process: a hang that shows up once in hundreds of runs then says where it
// hung instead of only that it did.
class StallReport : public ::testing::EmptyTestEventListener {
public:
    explicit StallReport(std::chrono::seconds limit);
    ~StallReport() override;

    void OnTestStart(const ::testing::TestInfo& test) override;
    void OnTestEnd(const ::testing::TestInfo& test) override;

private:
    void Watch();

    const std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
    std::string test_;
    bool ending_ = false;
    std::thread watcher_;
};

}  // namespace quillon::testing
