// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ErrorReport.h"

#include "../common/ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(ErrorReportTest, OneCriticalBoxWithNumberAndDescription) {
    testing::ScriptedUserInterface ui;
    ReportError(ui, 5, "Invalid");
    ReportError(ui, 5, "");
    ReportError(ui, -2147024891, "Access is denied.");
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, "ERROR: #5 Invalid");
    EXPECT_EQ(ui.messages[1].text, "ERROR: #5 ");
    EXPECT_EQ(ui.messages[2].text, "ERROR: #-2147024891 Access is denied.");
    for (const auto& message : ui.messages) {
        EXPECT_EQ(message.title, "Quillon Error Message");
        EXPECT_EQ(message.icon, MessageIcon::Critical);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
    }
}

TEST(ErrorReportTest, EveryKindOfFailureGetsANumberAndADescription) {
    testing::ScriptedUserInterface ui;
    const auto report = [&](auto thrower) {
        try {
            thrower();
        } catch (...) {
            ReportCurrentFailure(ui);
        }
        return ui.messages.back().text;
    };
    EXPECT_EQ(report([] { ThrowTypeMismatch("abc"); }), "ERROR: #13 Type mismatch: \"abc\" is not a number.");
    const QString again = report([] { ThrowTypeMismatch("abc"); });
    EXPECT_EQ(again, ui.messages.front().text);  // the same every time
    EXPECT_EQ(report([] { throw Failure(-7, "Own failure."); }), "ERROR: #-7 Own failure.");
    EXPECT_EQ(report([] { throw std::bad_alloc(); }), "ERROR: #7 Out of memory.");
    EXPECT_EQ(report([] { throw std::runtime_error("disk on fire"); }), "ERROR: #51 disk on fire");
    EXPECT_EQ(ui.messages.size(), 5u);
}

}  // namespace
}  // namespace quillon
