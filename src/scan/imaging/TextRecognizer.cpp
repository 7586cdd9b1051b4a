// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/TextRecognizer.h"

#include "scan/imaging/Enhancements.h"
#include "scan/imaging/PageEncoders.h"
#include "scan/imaging/PageBands.h"
#include "scan/imaging/PageImage.h"
#include "scan/imaging/ReverseText.h"
#include "scan/imaging/TextEngine.h"

#include <algorithm>
#include <atomic>
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

// Pages being read now, and the cores they may share: a reading that finds a
// core left over takes it for half of its page.
std::atomic<int> readings{0};

int Cores() {
    static const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return cores;
}

// A place among the readings, given back when the reading ends.
class ReadingPlace {
public:
    // A place for this reading; with spare, a second one, while a core is left.
    explicit ReadingPlace(bool spare) {
        const int now = readings.fetch_add(1) + 1;
        if (spare && now < Cores()) {
            if (readings.fetch_add(1) + 1 <= Cores()) places_ = 2;
            else readings.fetch_sub(1);
        }
    }
    ~ReadingPlace() { readings.fetch_sub(places_); }
    // The second place given back, for a page read whole after all.
    void KeepOne() {
        if (places_ == 2) readings.fetch_sub(1), places_ = 1;
    }
    ReadingPlace(const ReadingPlace&) = delete;
    ReadingPlace& operator=(const ReadingPlace&) = delete;
    bool twoCores() const { return places_ == 2; }

private:
    int places_ = 1;
};

// The second part's words after the first's, in page pixels, its lines
// counted on from the first's.
RecognizedText Joined(RecognizedText first, RecognizedText second, QPoint secondAt) {
    if (!first.error.isEmpty()) return first;
    if (!second.error.isEmpty()) return second;
    int lines = 0;
    for (const RecognizedWord& word : first.words) lines = std::max(lines, word.line + 1);
    const double firstWords = static_cast<double>(first.words.size()), secondWords = static_cast<double>(second.words.size());
    if (firstWords + secondWords > 0)
        first.confidence = (first.confidence * firstWords + second.confidence * secondWords) / (firstWords + secondWords);
    for (RecognizedWord& word : second.words) {
        word.box.translate(secondAt);
        word.baseline += secondAt.y();
        word.line += lines;
        first.words.push_back(std::move(word));
    }
    first.longerWords += second.longerWords;
    first.sidewaysWords += second.sidewaysWords;
    return first;
}

}  // namespace

RecognizedText RecognizeText(const QImage& page, const TextLanguages& languages, const std::atomic<bool>* stop) {
    RecognizedText result;
    if (!Readable(page)) return result;
    const TextEngine* engine = LoadTextEngine(&result.error);
    if (!engine) return result;
    const bool lightOnDark = languages.asTheEngineAlone || MayHoldReverseText(page);
    const QByteArray codes = languages.codes.toUtf8(), directory = languages.dataDirectory.toUtf8();
    const auto read = [&](const QImage& part) {
        std::vector<uchar> rows;
        return engine->recognize(ForEngine(part, &rows), codes, directory, lightOnDark, stop);
    };
    ReadingPlace place(!languages.asTheEngineAlone);
    const std::vector<QRect> bands = place.twoCores() ? TextBands(page) : std::vector<QRect>{};
    if (bands.size() != 2) {
        place.KeepOne();
        return read(page);
    }
    // The second part on a thread of its own, which owns its copy and its words until joined.
    RecognizedText second;
    std::thread helper([&, part = page.copy(bands[1])] { second = read(part); });
    RecognizedText first = read(page.copy(bands[0]));
    helper.join();
    return Joined(std::move(first), std::move(second), bands[1].topLeft());
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
