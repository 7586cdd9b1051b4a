// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillon {

// The files of a batch split into documents are named after the first:
// letters.pdf, then letters-2.pdf, letters-3.pdf, ... in the same folder.
// The name of file number n (n >= 2).
QString NumberedPath(const QString& firstPath, int number);

}  // namespace quillon
