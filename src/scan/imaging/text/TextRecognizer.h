// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/text/TextLanguages.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <atomic>
#include <vector>

namespace quillon {

// One word read from a page, in page pixels.
struct RecognizedWord {
    QString text;
    QRect box;
    int baseline = 0;  // where its line's baseline crosses the word's left edge
    int size = 0;      // its paragraph's: the most any of its words reaches above its baseline
    bool rightToLeft = false;
    int line = 0;        // which line of the page it is on, counted from 0 in reading order
    double slope = 0;    // its line's baseline: pixels down for each pixel right (askew pages)
};

// The words of a page in reading order.
struct RecognizedText {
    std::vector<RecognizedWord> words;
    double confidence = 0;      // the engine's mean, 0 to 100
    int longerWords = 0;        // of three characters or more
    int sidewaysWords = 0;      // of those, the ones taller than wide: their lines run up or down the page
    QString error;  // why the page could not be read; the page itself is still written
};

// Reads the text of a page (Mono, Grayscale8 or RGB888, with its resolution).
// A page that can be cut (TextBands) is read by two threads at once, its
// words then in the order of its parts.
// Safe on any thread: engines are loaded once and lent to one thread at a time.
// Ends early, with an error, once *stop is true.
RecognizedText RecognizeText(const QImage& page, const TextLanguages& languages,
                             const std::atomic<bool>* stop = nullptr);

// Which way up a page was scanned: the quarter turns clockwise that make it
// upright, and how sure the engine is of that (0 when it could not tell).
struct PageOrientation {
    int quarterTurns = 0;
    double confidence = 0;
};
PageOrientation DetectOrientation(const QImage& page, const TextLanguages& languages);

// The least confidence at which orientation detection is trusted (measured on
// real scans: from here up it never turned a page wrongly); below it, the
// page's other ways up are read and compared instead.
constexpr double kUprightConfidence = 5.0;
// Below this mean confidence a page's reading is in doubt: it may be upside down.
constexpr double kDoubtfulReading = 65.0;
// How much surer a turned page's reading must be for the page to be turned.
constexpr double kSurerReading = 10.0;

// A page's text read the right way up. Most pages are scanned upright, and
// are read once. A reading in doubt (few words sure, or lines running up the
// page) asks which way up the page is, and the page turned that way is read
// again; when detection cannot tell, the page is read upside down, or, when
// its lines ran up the page, turned either way. A page is kept turned only
// when that reading is clearly the surer one.
struct UprightText {
    int quarterTurns = 0;  // clockwise, to make the page as scanned upright
    RecognizedText text;   // of the page so turned
};
UprightText ReadUpright(const QImage& page, const TextLanguages& languages, const std::atomic<bool>* stop = nullptr);

// Gives back the memory of the engines no page is using.
void ReleaseTextEngines();

}  // namespace quillon
