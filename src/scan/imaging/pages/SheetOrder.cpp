// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pages/SheetOrder.h"

#include <algorithm>
#include <tuple>

namespace quillon {

std::vector<int> InterleavedOrder(const std::vector<SideOfSheet>& written, int frontsScanned, int backsScanned,
                                  BackSides backs) {
    // Each page's place: its sheet, then its side; a back that belongs to no
    // front goes after every sheet, in the order the pass gave them reversed.
    using Key = std::tuple<int, int, int, int>;  // sheet, side, unmatched order, place written
    std::vector<Key> keys;
    for (std::size_t place = 0; place < written.size(); ++place) {
        const SideOfSheet& side = written[place];
        const int at = static_cast<int>(place);
        if (!side.back) {
            keys.emplace_back(side.arrival, 0, 0, at);
            continue;
        }
        if (backs == BackSides::LeftOut) continue;
        const int sheet = backs == BackSides::FromFirstSheet ? backsScanned - side.arrival + 1
                                                             : frontsScanned - side.arrival + 1;
        if (sheet >= 1 && sheet <= frontsScanned) keys.emplace_back(sheet, 1, 0, at);
        else keys.emplace_back(frontsScanned + 1, 1, -side.arrival, at);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<int> order;
    order.reserve(keys.size());
    for (const Key& key : keys) order.push_back(std::get<3>(key));
    return order;
}

}  // namespace quillon
