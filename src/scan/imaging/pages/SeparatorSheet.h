// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace quillon {

// The text of the QR code that marks a separator sheet of Quillon's own.
inline const QString kSeparatorCodeText = QStringLiteral("QUILLON-SPLIT");

// Whether a page is a separator sheet between two documents: it carries a
// Patch T code (four bars along an edge of the sheet, narrow, wide, narrow,
// wide from the edge inward: 0.08 and 0.2 inch, 0.08 inch apart), or a QR
// code whose text is QUILLON-SPLIT. Any page format and resolution, upright
// or upside down or a little askew; read from a reduced copy.
bool IsSeparatorSheet(const QImage& page);

// A separator sheet to print: Patch T bars along its four edges and the QR
// code in the middle, with a line saying what it is for; black and white,
// at the resolution, on paper of the size in inches.
QImage DrawSeparatorSheet(double widthInches, double heightInches, int dpi);

}  // namespace quillon
