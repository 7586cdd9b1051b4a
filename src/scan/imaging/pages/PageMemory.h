// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace quillon {

// A page image whose pixel memory is used again, page after page: fresh memory
// for every page of a batch costs the kernel a fault and a cleared page for
// every 4 KiB of it, as much again as reading the page. The memory goes back
// for the next page when the last copy of the image goes.
// Its lines are bytesPerLine apart (0: Qt's own, a multiple of 4 bytes).
QImage RecycledPage(int width, int height, QImage::Format format, qsizetype bytesPerLine = 0);

// Returns the memory kept for pages to come to the system, as when a scan ends.
void ReleaseSparePageMemory();

}  // namespace quillon
