// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace quillon {

// A Mono page as JBIG2 in the form a PDF's JBIG2Decode filter takes (segments
// without the file header): the page's information and one generic region
// coded losslessly, every pixel from the sixteen around it already coded, and
// a row that repeats the one above in a single bit. No symbol matching: it
// would substitute one letter's shape for a similar one's. Empty for an empty
// page.
QByteArray EncodeJbig2(const QImage& page);

}  // namespace quillon
