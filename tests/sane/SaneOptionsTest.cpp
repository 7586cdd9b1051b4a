// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/SaneOptions.h"

#include "../common/QtPrinters.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(SaneOptionsTest, ModesAreMatchedByMeaning) {
    const QStringList standard{"Lineart", "Gray", "Color"};
    EXPECT_EQ(MatchMode(standard, 0), "Lineart");
    EXPECT_EQ(MatchMode(standard, 1), "Gray");
    EXPECT_EQ(MatchMode(standard, 2), "Color");
    EXPECT_EQ(MatchMode({"Binary", "Grayscale", "24bit Color"}, 0), "Binary");
    EXPECT_EQ(MatchMode({"Binary", "Grayscale", "24bit Color"}, 1), "Grayscale");
    EXPECT_EQ(MatchMode({"Binary", "Grayscale", "24bit Color"}, 2), "24bit Color");
    EXPECT_EQ(MatchMode({"Black & White", "True Gray", "Colour"}, 0), "Black & White");
    EXPECT_EQ(MatchMode({"Halftone", "Gray", "Color"}, 0), "");  // thresholded here rather than dithered
    EXPECT_EQ(MatchMode({"Gray", "Color"}, 0), "");
    EXPECT_EQ(MatchMode({"gray", "color"}, 2), "color");
    EXPECT_EQ(MatchMode({"Gray16", "Color48"}, 1), "Gray16");
    EXPECT_EQ(MatchMode(standard, 3), "");
}

TEST(SaneOptionsTest, SourcesAreMatchedByMeaning) {
    const QStringList epson{"Flatbed", "ADF Front", "ADF Back", "ADF Duplex"};
    EXPECT_EQ(MatchFeederSource(epson, false), "ADF Front");
    EXPECT_EQ(MatchFeederSource(epson, true), "ADF Duplex");
    EXPECT_EQ(MatchFlatbedSource(epson), "Flatbed");

    const QStringList test{"Flatbed", "Automatic Document Feeder"};
    EXPECT_EQ(MatchFeederSource(test, false), "Automatic Document Feeder");
    EXPECT_EQ(MatchFeederSource(test, true), "");
    EXPECT_TRUE(IsFeederSource("Automatic Document Feeder"));
    EXPECT_FALSE(IsFeederSource("Flatbed"));

    const QStringList sheetFed{"ADF", "ADF Duplex"};
    EXPECT_EQ(MatchFlatbedSource(sheetFed), "");
    EXPECT_EQ(MatchFeederSource(sheetFed, false), "ADF");
    EXPECT_EQ(MatchFeederSource(sheetFed, true), "ADF Duplex");

    EXPECT_EQ(MatchFlatbedSource({"Normal", "Transparency Adapter", "ADF"}), "Normal");

    // HPLIP's plain "Duplex" is its feeder's; a card slot is neither flatbed nor feeder.
    const QStringList ledm{"Flatbed", "ADF", "Duplex"};
    EXPECT_EQ(MatchFeederSource(ledm, true), "Duplex");
    EXPECT_EQ(MatchFeederSource(ledm, false), "ADF");
    const QStringList cards{"ADF Front", "ADF Back", "ADF Duplex", "Card Front", "Card Back", "Card Duplex"};
    EXPECT_EQ(MatchFlatbedSource(cards), "");
    EXPECT_EQ(MatchFeederSource(cards, true), "ADF Duplex");
    EXPECT_FALSE(IsFeederSource("Card Duplex"));
    EXPECT_EQ(MatchFlatbedSource({"adf", "fb"}), "fb");
    EXPECT_EQ(MatchFlatbedSource({"Auto", "Flatbed", "ADF"}), "Flatbed");
    EXPECT_EQ(MatchMode({"bw", "halftone", "gray", "color"}, 0), "bw");
}

}  // namespace
}  // namespace quillon
