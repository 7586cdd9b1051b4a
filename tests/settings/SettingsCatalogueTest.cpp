// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsCatalogue.h"

#include "../common/NamedCases.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(SettingsCatalogueTest, CoverageListHasFiftyStepsOfOneThousandth) {
    const QStringList items = CoverageItems(QLatin1Char('.'));
    ASSERT_EQ(items.size(), 50);
    EXPECT_EQ(items.first(), "0.001");
    EXPECT_EQ(items[8], "0.009");
    EXPECT_EQ(items[9], "0.01");
    EXPECT_EQ(items[10], "0.011");
    EXPECT_EQ(items.last(), "0.05");
    EXPECT_FALSE(items.contains("0.051"));
    for (int p = 0; p < items.size(); ++p)
        EXPECT_EQ(items[p], QString::number((p + 1) / 1000.0, 'g', 15)) << "position " << p;
}

TEST(SettingsCatalogueTest, CoverageListUsesTheUsersDecimalSeparator) {
    const QStringList items = CoverageItems(QLatin1Char(','));
    EXPECT_EQ(items.first(), "0,001");
    EXPECT_EQ(items.last(), "0,05");
}

TEST(SettingsCatalogueTest, StoredFormHasOneSignPlace) {
    EXPECT_EQ(StoredForm(3), " 3");
    EXPECT_EQ(StoredForm(0), " 0");
    EXPECT_EQ(StoredForm(1), " 1");
    EXPECT_EQ(StoredForm(49), " 49");
    EXPECT_EQ(StoredForm(-1), "-1");
}

struct LoadCase {
    const char* name;
    OptionId option;
    const char* stored;
    int expected;
    friend void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }
};

class LoadedValueTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadedValueTest, StoredTextLoadsAs) {
    const LoadCase& c = GetParam();
    const int count = static_cast<int>(OptionItems(c.option).size());
    EXPECT_EQ(LoadedValue(Option(c.option), QString::fromUtf8(c.stored), count), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadedValueTest,
    ::testing::Values(
        LoadCase{"StoredForm", OptionId::DPI, " 4", 4},
        LoadCase{"NoSignPlace", OptionId::DPI, "4", 4},
        LoadCase{"BlanksAround", OptionId::DPI, "  2  ", 2},
        LoadCase{"Empty", OptionId::DPI, "", 3},
        LoadCase{"NotFound", OptionId::DPI, "Not Found", 3},
        LoadCase{"Letters", OptionId::Quality, "abc", 3},
        LoadCase{"FractionRoundsDown", OptionId::DPI, " 2.9", 2},
        LoadCase{"LeadingDotFraction", OptionId::Format, ".5", 0},
        LoadCase{"NegativeFractionRoundsBelowZero", OptionId::Format, "-0.5", 1},
        LoadCase{"Negative", OptionId::ScanType, "-1", 1},
        LoadCase{"PastTheEnd", OptionId::DPI, " 6", 3},
        LoadCase{"LastPosition", OptionId::PageRejectionCoverage, " 49", 49},
        LoadCase{"TooLarge", OptionId::PaperSize, "99999999999999999999999", 0},
        LoadCase{"Exponent", OptionId::DPI, "1e0", 3},
        LoadCase{"TwoSigns", OptionId::DPI, "--1", 3},
        LoadCase{"CheckStoredForm", OptionId::AutoCrop, " 1", 1},
        LoadCase{"CheckHalfToEvenDown", OptionId::AutoContrast, "0.5", 0},
        LoadCase{"CheckRoundsUp", OptionId::AutoCrop, "0.6", 1},
        LoadCase{"CheckHalfToEvenUpIsTwo", OptionId::AutoCrop, "1.5", 0},
        LoadCase{"CheckOutOfRange", OptionId::AllowMultiplePages, " 2", 1},
        LoadCase{"CheckNegative", OptionId::TryADFFirst, "-1", 1},
        LoadCase{"CheckGarbage", OptionId::WIA, "yes", 0}),
    testing::NameOfCase());

TEST(SettingsCatalogueTest, EveryListDefaultNamesAnItem) {
    for (const OptionSpec& option : AllOptions()) {
        if (option.kind == OptionKind::List) {
            EXPECT_LT(option.defaultValue, OptionItems(option.id).size()) << option.valueName;
        } else {
            EXPECT_TRUE(option.defaultValue == 0 || option.defaultValue == 1) << option.valueName;
        }
    }
    EXPECT_EQ(OptionItems(OptionId::ScanType)[Option(OptionId::ScanType).defaultValue], "Grayscale");
    EXPECT_EQ(OptionItems(OptionId::Quality)[Option(OptionId::Quality).defaultValue], "Good - Default");
    // Stored positions keep their meaning: the compact quality came last.
    EXPECT_EQ(OptionItems(OptionId::Quality),
              (QStringList{"Poor - Smallest Size", "Low", "Moderate", "Good - Default", "High", "Highest - Largest Size",
                           "Compact - Text Pages"}));
}

TEST(SettingsCatalogueTest, DefaultsButtonEmptiesEveryOptionButPaperSize) {
    const auto reset = OptionsResetByDefaults();
    EXPECT_EQ(reset.size(), 14u);  // the twelve of old, splitting at separator sheets and the review
    EXPECT_EQ(std::count(reset.begin(), reset.end(), OptionId::PaperSize), 0);
    EXPECT_EQ(reset.front(), OptionId::AutoCrop);
    EXPECT_EQ(reset.back(), OptionId::ReviewPages);
}

// Files carry other spellings of the catalogue's extensions, in any letter case.
TEST(SettingsCatalogueTest, EverySpellingOfAnExtensionNamesTheCataloguesOwn) {
    const std::pair<const char*, const char*> spellings[] = {
        {".pdf", ".pdf"},   {".PDF", ".pdf"}, {".tif", ".tiff"}, {".TIFF", ".tiff"},
        {".jpeg", ".jpg"}, {".JPG", ".jpg"}, {".png", ".png"},  {".bmp", ".bmp"},
    };
    for (const auto& [spelling, catalogue] : spellings) EXPECT_EQ(CatalogueExtension(spelling), catalogue) << spelling;
    EXPECT_EQ(ExtensionSpellings(".tiff"), (QStringList{".tiff", ".tif"}));
    EXPECT_EQ(ExtensionSpellings(".jpg"), (QStringList{".jpg", ".jpeg"}));
    EXPECT_EQ(ExtensionSpellings(".pdf"), QStringList{".pdf"});
}

}  // namespace
}  // namespace quillon
