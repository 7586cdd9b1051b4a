// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerLibrary.h"

#include <array>
#include <optional>

namespace quillon {

// The paper sizes the scanner library knows, by their codes.
struct PaperDimensions {
    int code;
    double widthMm, heightMm;
};
constexpr std::array<PaperDimensions, 4> kPaperDimensions{{
    {kPaperA4, 210.0, 297.0},
    {kPaperUsLetter, 215.9, 279.4},
    {kPaperUsLegal, 215.9, 355.6},
    {kPaperA5, 148.0, 210.0},
}};

// The size a code names; nothing for a code that names none.
constexpr std::optional<PaperDimensions> PaperDimensionsOf(int code) {
    for (const PaperDimensions& paper : kPaperDimensions)
        if (paper.code == code) return paper;
    return std::nullopt;
}

}  // namespace quillon
