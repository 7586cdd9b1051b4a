// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace quillon {

// A page of a stack scanned one side at a time: the fronts in one pass, then
// the stack turned over and the backs in another, the last sheet's first.
struct SideOfSheet {
    bool back = false;
    int arrival = 0;  // its place in its own pass, from 1, blank pages counted
};

// How the backs join the fronts.
enum class BackSides {
    LeftOut,         // the fronts alone
    FromFirstSheet,  // the last back scanned is the first sheet's; any unmatched pages at the end
    FromLastSheet,   // the first back scanned is the last sheet's (a pass cut short keeps its backs in place)
};

// The document's order of the pages written, as places in the order they
// were written (from 0): front 1, back 1, front 2, back 2, ... A page left
// out (blank, or a back when backs are left out) was never written or is not
// listed. frontsScanned and backsScanned count every page of each pass.
std::vector<int> InterleavedOrder(const std::vector<SideOfSheet>& written, int frontsScanned, int backsScanned,
                                  BackSides backs);

}  // namespace quillon
