// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quillon {

// A grey or colour page as a baseline JPEG (a Mono page is written as grey).
// Empty on failure.
QByteArray EncodeJpeg(const QImage& page, int quality);

// A Mono page as a raw CCITT Group 4 stream (K = -1, no byte alignment).
// Empty on failure, with the reason in *error.
QByteArray EncodeG4(const QImage& page, QString* error);

// A Mono page in the smaller of JBIG2 (as a PDF's JBIG2Decode filter takes
// it) and CCITT G4; both are lossless. Empty on failure, with the reason in *error.
struct BilevelData {
    QByteArray data;
    bool jbig2 = false;
};
BilevelData EncodeBilevel(const QImage& page, QString* error);

// Bytes as a zlib stream, for a PDF's FlateDecode filter. Empty on failure.
QByteArray EncodeFlate(const QByteArray& bytes);

// One row of a Mono page with 1 meaning black.
void MonoRowBlackIsOne(const QImage& page, int y, uchar* out);

}  // namespace quillon
