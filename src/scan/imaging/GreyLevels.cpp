// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/GreyLevels.h"

#include <algorithm>
#include <cmath>

namespace quillon {

int Percentile(const Histogram& histogram, std::uint64_t total, double fraction) {
    const auto wanted = std::max<std::uint64_t>(
        static_cast<std::uint64_t>(std::ceil(fraction * static_cast<double>(total))), 1);
    std::uint64_t seen = 0;
    for (int level = 0; level < 256; ++level)
        if ((seen += histogram[level]) >= wanted) return level;
    return 255;
}

}  // namespace quillon
