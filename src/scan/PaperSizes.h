// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerLibrary.h"

#include <array>
#include <optional>

namespace quillon {

// The paper sizes the job asks for, by TWAIN code, in millimetres.
struct PaperSize {
    int code;
    double widthMm, heightMm;
};

inline constexpr std::array<PaperSize, 4> kPaperSizes{{
    {kPaperA4, 210.0, 297.0},
    {kPaperUsLetter, 215.9, 279.4},
    {kPaperUsLegal, 215.9, 355.6},
    {kPaperA5, 148.0, 210.0},
}};

inline std::optional<PaperSize> PaperOfCode(int code) {
    for (const PaperSize& paper : kPaperSizes)
        if (paper.code == code) return paper;
    return std::nullopt;
}

}  // namespace quillon
