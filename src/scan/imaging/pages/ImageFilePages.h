// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace quillon {

// The pages of an image file, known by its content rather than its name: a
// JPEG or PNG is one page, a TIFF every page it holds.
enum class ImageFileKind { NotAnImage, Jpeg, Png, Tiff };
ImageFileKind KindOfImageFile(const QString& path);

// How many pages the file holds (0: none can be read).
int PageCountOfImageFile(const QString& path);

// One page, grey or colour as stored (black and white comes as grey), with
// the resolution the file gives in *dpi (0: none given). Null when it cannot
// be read.
QImage ReadImageFilePage(const QString& path, int index, int* dpi);

}  // namespace quillon
