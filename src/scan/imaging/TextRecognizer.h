// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/TextLanguages.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

namespace quillon {

// One word read from a page, in page pixels.
struct RecognizedWord {
    QString text;
    QRect box;
    int baseline = 0;  // where its line's baseline crosses the word's left edge
    int size = 0;      // its paragraph's: the most any of its lines reaches above the baseline
    bool rightToLeft = false;
};

// The words of a page in reading order.
struct RecognizedText {
    std::vector<RecognizedWord> words;
    QString error;  // why the page could not be read; the page itself is still written
};

// Reads the text of a page (Mono, Grayscale8 or RGB888, with its resolution).
// Safe on any thread: engines are loaded once and lent to one thread at a time.
RecognizedText RecognizeText(const QImage& page, const TextLanguages& languages);

// Which way up a page was scanned: the quarter turns clockwise that make it
// upright, and how sure the engine is of that (0 when it could not tell).
struct PageOrientation {
    int quarterTurns = 0;
    double confidence = 0;
};
PageOrientation DetectOrientation(const QImage& page, const TextLanguages& languages);

// The least confidence at which a page is turned upright: below it, a page is
// left as it was scanned.
constexpr double kUprightConfidence = 5.0;

// Gives back the memory of the engines no page is using.
void ReleaseTextEngines();

}  // namespace quillon
