// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace quillon {

// Whether a page may carry light text on a dark ground: a dark block inside
// the page (not a scanner edge or a skewed sheet's wedge, which touch the
// page's border) at least a line of print tall, with light marks inside it.
// Dark photos and coloured boxes with light marks answer yes too; that only
// costs the engine's second look at its doubtful lines. Text read on a page
// that answers no is looked at one way only, dark on light.
bool MayHoldReverseText(const QImage& page);

}  // namespace quillon
