// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/text/TextRecognizer.h"

#include "scan/imaging/pages/Enhancements.h"
#include "scan/imaging/writers/PageEncoders.h"
#include "scan/imaging/compact/PageBands.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/text/TextEngine.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numeric>
#include <optional>
#include <thread>
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

// Threads reading text now. A page that can be cut takes a second thread for
// part of it, up to two for each core: when pages overlap, each still
// finishes sooner once the others are done, the last one of a scan too.
std::atomic<int> readers{0};

int MostReaders() {
    static const int most = 2 * static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return most;
}

// A place among the readers, given back when the reading ends.
class ReaderPlaces {
public:
    ReaderPlaces() { readers.fetch_add(1); }
    ~ReaderPlaces() { readers.fetch_sub(places_); }
    ReaderPlaces(const ReaderPlaces&) = delete;
    ReaderPlaces& operator=(const ReaderPlaces&) = delete;
    // A second place, for a helper thread, while there is room.
    bool TakeSecond() {
        if (readers.fetch_add(1) + 1 <= MostReaders()) return ++places_, true;
        readers.fetch_sub(1);
        return false;
    }

private:
    int places_ = 1;
};

// The parts' words one after the other, in page pixels, the lines of each
// counted on from those before it.
RecognizedText Joined(std::vector<RecognizedText> parts, const std::vector<QRect>& bands) {
    RecognizedText whole;
    double confidence = 0;
    int lines = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        RecognizedText& part = parts[i];
        if (!part.error.isEmpty()) return std::move(part);
        confidence += part.confidence * static_cast<double>(part.words.size());
        int partLines = 0;
        for (RecognizedWord& word : part.words) {
            word.box.translate(bands[i].topLeft());
            word.baseline += bands[i].top();
            partLines = std::max(partLines, word.line + 1);
            word.line += lines;
            whole.words.push_back(std::move(word));
        }
        lines += partLines;
        whole.longerWords += part.longerWords;
        whole.sidewaysWords += part.sidewaysWords;
    }
    if (!whole.words.empty()) whole.confidence = confidence / static_cast<double>(whole.words.size());
    return whole;
}

// Where the parts are shared between two threads: the first k parts to one,
// the rest to the other, as even by area as their order allows.
std::size_t EvenShare(const std::vector<QRect>& bands) {
    std::vector<double> areas;
    for (const QRect& band : bands) areas.push_back(double(band.width()) * band.height());
    const double total = std::accumulate(areas.begin(), areas.end(), 0.0);
    std::size_t best = 1;
    double before = 0, bestGap = total;
    for (std::size_t k = 1; k < bands.size(); ++k) {
        before += areas[k - 1];
        if (std::abs(total - 2 * before) < bestGap) bestGap = std::abs(total - 2 * before), best = k;
    }
    return best;
}

}  // namespace

RecognizedText RecognizeText(const QImage& page, const TextLanguages& languages, const std::atomic<bool>* stop) {
    RecognizedText result;
    if (!Readable(page)) return result;
    const TextEngine* engine = LoadTextEngine(&result.error);
    if (!engine) return result;
    const QByteArray codes = languages.codes.toUtf8(), directory = languages.dataDirectory.toUtf8();
    const auto read = [&](const QImage& part) {
        std::vector<uchar> rows;
        return engine->recognize(ForEngine(part, &rows), codes, directory, stop);
    };
    ReaderPlaces places;
    const std::vector<QRect> bands = languages.asTheEngineAlone ? std::vector<QRect>{} : TextBands(page);
    if (bands.size() < 2 || !places.TakeSecond()) return read(page);
    // The later parts on a thread of its own, which owns their copies and words until joined.
    const std::size_t share = EvenShare(bands);
    std::vector<RecognizedText> parts(bands.size());
    std::vector<QImage> later;
    for (std::size_t i = share; i < bands.size(); ++i) later.push_back(page.copy(bands[i]));
    std::thread helper([&parts, &read, share, later = std::move(later)] {
        for (std::size_t i = 0; i < later.size(); ++i) parts[share + i] = read(later[i]);
    });
    for (std::size_t i = 0; i < share; ++i) parts[i] = read(page.copy(bands[i]));
    helper.join();
    return Joined(std::move(parts), bands);
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
