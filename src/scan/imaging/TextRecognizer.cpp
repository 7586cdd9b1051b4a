// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/TextRecognizer.h"

#include "scan/imaging/Enhancements.h"
#include "scan/imaging/PageEncoders.h"
#include "scan/imaging/PageImage.h"
#include "scan/imaging/TextEngine.h"

#include <optional>
#include <vector>

namespace quillon {

namespace {

// Below this many pixels a side, there is nothing an engine could read.
constexpr int kSmallestReadableSide = 8;

bool Readable(const QImage& page) {
    return !page.isNull() && page.width() >= kSmallestReadableSide && page.height() >= kSmallestReadableSide;
}

// The page as the engine takes it; black and white goes in with 1 as white,
// in rows kept by *rows.
EnginePage ForEngine(const QImage& page, std::vector<uchar>* rows) {
    EnginePage engine;
    engine.width = page.width();
    engine.height = page.height();
    engine.dpi = PageDpi(page);
    if (page.format() == QImage::Format_Mono) {
        const int bytesPerLine = (page.width() + 7) / 8;
        rows->resize(static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(page.height()));
        for (int y = 0; y < page.height(); ++y) {
            uchar* row = rows->data() + static_cast<std::ptrdiff_t>(y) * bytesPerLine;
            MonoRowBlackIsOne(page, y, row);
            for (int x = 0; x < bytesPerLine; ++x) row[x] = static_cast<uchar>(~row[x]);
        }
        engine.bits = rows->data();
        engine.bytesPerPixel = 0;
        engine.bytesPerLine = bytesPerLine;
    } else {
        engine.bits = page.constBits();
        engine.bytesPerPixel = page.format() == QImage::Format_RGB888 ? 3 : 1;
        engine.bytesPerLine = static_cast<int>(page.bytesPerLine());
    }
    return engine;
}

}  // namespace

RecognizedText RecognizeText(const QImage& page, const TextLanguages& languages, const std::atomic<bool>* stop) {
    RecognizedText result;
    if (!Readable(page)) return result;
    const TextEngine* engine = LoadTextEngine(&result.error);
    if (!engine) return result;
    std::vector<uchar> rows;
    return engine->recognize(ForEngine(page, &rows), languages.codes.toUtf8(), languages.dataDirectory.toUtf8(), stop);
}

PageOrientation DetectOrientation(const QImage& page, const TextLanguages& languages) {
    if (!Readable(page)) return {};
    const TextEngine* engine = LoadTextEngine(nullptr);
    if (!engine) return {};
    std::vector<uchar> rows;
    int degrees = 0;
    float confidence = 0;
    // False when the page has too little text to tell.
    if (!engine->detectOrientation(ForEngine(page, &rows), languages.dataDirectory.toUtf8(), &degrees, &confidence))
        return {};
    // The engine gives the turn the page was scanned with; undoing it turns the other way.
    return {((360 - degrees) % 360) / 90, confidence};
}

UprightText ReadUpright(const QImage& page, const TextLanguages& languages, const std::atomic<bool>* stop) {
    RecognizedText first = RecognizeText(page, languages, stop);
    const auto sideways = [](const RecognizedText& text) { return 2 * text.sidewaysWords > text.longerWords; };
    const bool doubtful = !first.words.empty() && (first.confidence < kDoubtfulReading || sideways(first));
    if (!doubtful || !first.error.isEmpty()) return {0, std::move(first)};
    // Detection needs a good deal of text; without a sure answer the likely
    // other ways up are read, which costs little on a page with little text.
    const PageOrientation orientation = DetectOrientation(page, languages);
    if (orientation.confidence >= kUprightConfidence && orientation.quarterTurns == 0) return {0, std::move(first)};
    // Lines running up the page mean a quarter turn; else only upside down is left.
    const std::vector<int> turns = orientation.confidence >= kUprightConfidence ? std::vector<int>{orientation.quarterTurns}
                                   : sideways(first)                            ? std::vector<int>{1, 3}
                                                                                : std::vector<int>{2};
    // A sideways reading is no reading at all, however sure the engine is of its letters.
    // Every turn is measured against the page as scanned; the surest one wins.
    double best = sideways(first) ? 0 : first.confidence + kSurerReading;
    std::optional<UprightText> turnedBest;
    for (const int turn : turns) {
        RecognizedText turned = RecognizeText(TurnPage(page, turn), languages, stop);
        const bool asMuchText = 2 * turned.words.size() >= first.words.size() && !turned.words.empty();
        if (!turned.error.isEmpty() || !asMuchText || sideways(turned) || turned.confidence < best) continue;
        best = turned.confidence;
        turnedBest = UprightText{turn, std::move(turned)};
    }
    return turnedBest ? std::move(*turnedBest) : UprightText{0, std::move(first)};
}

void ReleaseTextEngines() {
    if (const TextEngine* engine = LoadedTextEngine()) engine->releaseIdle();
}

}  // namespace quillon
