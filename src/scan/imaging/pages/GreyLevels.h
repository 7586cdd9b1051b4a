// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace quillon {

// Counts of each of the 256 grey levels.
using Histogram = std::array<std::uint64_t, 256>;

// The usual weights of red, green and blue in a grey level, in 8-bit fixed
// point: they add up to 256.
constexpr int kRedWeight = 77, kGreenWeight = 150, kBlueWeight = 29;

// The grey level of an RGB pixel.
inline int Luminance(const std::uint8_t* rgb) {
    return (kRedWeight * rgb[0] + kGreenWeight * rgb[1] + kBlueWeight * rgb[2]) >> 8;
}

// The luminance of count pixels of an RGB row, every step-th from the first,
// into out; the same values as Luminance, several pixels at a time where the
// processor allows it.
void SampleLuminance(const std::uint8_t* rgb, int step, int count, std::uint8_t* out);

// The lowest level at or below which the given fraction of the total lies
// (at least one sample); 255 when the histogram holds fewer.
int Percentile(const Histogram& histogram, std::uint64_t total, double fraction);

}  // namespace quillon
