// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/StoredOptionJudgement.h"

#include "../common/NamedCases.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

// A stored value as read, how it loads, and what the user is told of it.
struct Judged {
    const char* name;
    OptionId option;
    RegistryStore::Reading stored;
    int value;
    bool unread;
    const char* said;
    friend void PrintTo(const Judged& j, std::ostream* out) { *out << j.name; }
};

class StoredOptionJudgementTest : public ::testing::TestWithParam<Judged> {};

TEST_P(StoredOptionJudgementTest, LoadsAndSaysWhatCannotBeUsed) {
    const Judged& c = GetParam();
    const StoredOptionJudgement judged = JudgeStoredOption(
        Option(c.option), c.stored, Option(c.option).kind == OptionKind::List ? OptionItems(c.option) : QStringList());
    EXPECT_EQ(judged.value, c.value);
    EXPECT_EQ(judged.unread, c.unread);
    EXPECT_EQ(judged.unusable, QString::fromUtf8(c.said));
}

const QString kLongText = QStringLiteral("abc\ndef") + QString(100, QLatin1Char('x'));

INSTANTIATE_TEST_SUITE_P(
    Values, StoredOptionJudgementTest,
    ::testing::Values(
        Judged{"APositionOfTheList", OptionId::DPI, {" 4"}, 4, false, ""},
        Judged{"TheDefaultsButtonsEmptyText", OptionId::DPI, {""}, 3, false, ""},
        Judged{"AMissingValue", OptionId::DPI, {"Not Found"}, 3, false, ""},
        Judged{"AStoreThatCouldNotBeRead", OptionId::DPI, {"Not Found", true}, 3, true, ""},
        Judged{"APositionPastTheList", OptionId::DPI, {" 9"}, 3, false,
               "The stored value of DPI, \" 9\", cannot be used; its default (200) is used instead."},
        Judged{"NotANumber", OptionId::Format, {"nan"}, 1, false,
               "The stored value of Format, \"nan\", cannot be used; its default (PDF) is used instead."},
        Judged{"ACheckStateOtherThanZeroOrOne", OptionId::AutoDeskew, {" 2"}, 0, false,
               "The stored value of AutoDeskew, \" 2\", cannot be used; its default (unchecked) is used instead."},
        Judged{"ATextTooLongToBeRead", OptionId::Quality, {"Not Found", false, 52428800}, 3, false,
               "The stored value of Quality, 52428800 bytes long, cannot be used; its default (Good - Default) "
               "is used instead."},
        Judged{"ALongTextIsShownShortAndOnOneLine", OptionId::DPI, {kLongText}, 3, false,
               "The stored value of DPI, \"abc\xEF\xBF\xBD" "defxxxxxxxxxxxxxxxxx...\", cannot be used; its default "
               "(200) is used instead."}),
    testing::NameOfCase());

}  // namespace
}  // namespace quillon
