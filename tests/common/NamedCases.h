// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quillon::testing {

// Table-driven cases carry a `name`, which names the case in the test list;
// each case's PrintTo prints it too.
struct NameOfCase {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

}  // namespace quillon::testing
