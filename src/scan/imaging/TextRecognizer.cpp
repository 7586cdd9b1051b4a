// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/TextRecognizer.h"

#include "scan/imaging/Enhancements.h"
#include "scan/imaging/PageEncoders.h"
#include "scan/imaging/PageImage.h"

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <leptonica/allheaders.h>

#include <cmath>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace quillon {

namespace {

constexpr const char* kOrientationData = "osd";
// Below this many pixels a side, there is nothing an engine could read.
constexpr int kSmallestReadableSide = 8;

struct Engine {
    QByteArray codes, directory;
    std::unique_ptr<tesseract::TessBaseAPI> api;
};

// Loading an engine's language data takes a good part of a second, so idle
// engines are kept for the next page; each is used by one thread at a time.
class EnginePool {
public:
    ~EnginePool() { ReleaseIdle(); }

    std::unique_ptr<Engine> Take(const QByteArray& codes, const QByteArray& directory) {
        {
            const std::lock_guard lock(mutex_);
            ++lent_;
            for (auto it = idle_.begin(); it != idle_.end(); ++it) {
                if ((*it)->codes != codes || (*it)->directory != directory) continue;
                std::unique_ptr<Engine> engine = std::move(*it);
                idle_.erase(it);
                return engine;
            }
        }
        auto engine = std::make_unique<Engine>(Engine{codes, directory, std::make_unique<tesseract::TessBaseAPI>()});
        const bool orientation = codes == kOrientationData;
        if (engine->api->Init(directory.constData(), codes.constData(),
                              orientation ? tesseract::OEM_TESSERACT_ONLY : tesseract::OEM_LSTM_ONLY) != 0) {
            const std::lock_guard lock(mutex_);
            --lent_;
            return nullptr;
        }
        engine->api->SetVariable("debug_file", "/dev/null");  // no warnings on the terminal
        // Columns, headings and captions: the layout is found, as the engine's own program does.
        if (!orientation) engine->api->SetPageSegMode(tesseract::PSM_AUTO);
        return engine;
    }

    void Give(std::unique_ptr<Engine> engine) {
        engine->api->Clear();
        const std::lock_guard lock(mutex_);
        --lent_;
        idle_.push_back(std::move(engine));
    }

    // The engines keep their dictionaries in a cache of their own, shared by
    // all: it goes once no engine is left.
    void ReleaseIdle() {
        const std::lock_guard lock(mutex_);
        idle_.clear();
        if (lent_ == 0) tesseract::TessBaseAPI::ClearPersistentCache();
    }

private:
    std::mutex mutex_;
    int lent_ = 0;
    std::vector<std::unique_ptr<Engine>> idle_;
};

EnginePool& Pool() {
    // The engines' cache is made first, so that at exit it outlives the pool.
    static const bool cacheFirst = (tesseract::TessBaseAPI::ClearPersistentCache(), true);
    (void)cacheFirst;
    static EnginePool pool;
    return pool;
}

// An engine borrowed for the length of one page.
class BorrowedEngine {
public:
    BorrowedEngine(const QString& codes, const QString& directory) {
        engine_ = Pool().Take(codes.toUtf8(), directory.toUtf8());
    }
    ~BorrowedEngine() {
        if (engine_) Pool().Give(std::move(engine_));
    }
    BorrowedEngine(const BorrowedEngine&) = delete;
    BorrowedEngine& operator=(const BorrowedEngine&) = delete;
    tesseract::TessBaseAPI* operator->() const { return engine_->api.get(); }
    explicit operator bool() const { return engine_ != nullptr; }

private:
    std::unique_ptr<Engine> engine_;
};

// The engine copies the page; black and white goes in with 1 as white.
void SetPage(tesseract::TessBaseAPI& api, const QImage& page) {
    if (page.format() == QImage::Format_Mono) {
        const int bytesPerLine = (page.width() + 7) / 8;
        std::vector<uchar> rows(static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(page.height()));
        for (int y = 0; y < page.height(); ++y) {
            uchar* row = rows.data() + static_cast<std::ptrdiff_t>(y) * bytesPerLine;
            MonoRowBlackIsOne(page, y, row);
            for (int x = 0; x < bytesPerLine; ++x) row[x] = static_cast<uchar>(~row[x]);
        }
        api.SetImage(rows.data(), page.width(), page.height(), 0, bytesPerLine);
    } else {
        const int bytesPerPixel = page.format() == QImage::Format_RGB888 ? 3 : 1;
        api.SetImage(page.constBits(), page.width(), page.height(), bytesPerPixel,
                     static_cast<int>(page.bytesPerLine()));
    }
    api.SetSourceResolution(std::max(PageDpi(page), 70));
}

bool Readable(const QImage& page) {
    return !page.isNull() && page.width() >= kSmallestReadableSide && page.height() >= kSmallestReadableSide;
}

}  // namespace

RecognizedText RecognizeText(const QImage& page, const TextLanguages& languages, const std::atomic<bool>* stop) {
    RecognizedText result;
    if (!Readable(page)) return result;
    BorrowedEngine engine(languages.codes, languages.dataDirectory);
    if (!engine) {
        result.error = QStringLiteral("The text-recognition languages \"%1\" could not be loaded.").arg(languages.codes);
        return result;
    }
    SetPage(*engine.operator->(), page);
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = [](void* flag, int) { return flag && static_cast<const std::atomic<bool>*>(flag)->load(); };
    monitor.cancel_this = const_cast<std::atomic<bool>*>(stop);
    if (engine->Recognize(&monitor) != 0 || (stop && stop->load())) {
        result.error = QStringLiteral("The text of a page could not be recognised.");
        return result;
    }
    result.confidence = engine->MeanTextConf();
    std::unique_ptr<tesseract::ResultIterator> words(engine->GetIterator());
    if (!words) return result;

    std::size_t paragraphStart = 0;
    int paragraphSize = 1, lineTop = 0, line = -1;
    const auto endParagraph = [&] {
        for (std::size_t i = paragraphStart; i < result.words.size(); ++i) result.words[i].size = paragraphSize;
        paragraphStart = result.words.size();
        paragraphSize = 1;
    };
    do {
        if (words->IsAtBeginningOf(tesseract::RIL_PARA)) endParagraph();
        int left = 0, top = 0, right = 0, bottom = 0;
        if (words->IsAtBeginningOf(tesseract::RIL_TEXTLINE)) {
            ++line;
            if (words->BoundingBox(tesseract::RIL_TEXTLINE, &left, &top, &right, &bottom)) lineTop = top;
        }
        const std::unique_ptr<const char[]> text(words->GetUTF8Text(tesseract::RIL_WORD));
        if (!text) continue;
        RecognizedWord word;
        word.text = QString::fromUtf8(text.get()).trimmed();
        if (word.text.isEmpty() || !words->BoundingBox(tesseract::RIL_WORD, &left, &top, &right, &bottom)) continue;
        word.box = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        word.baseline = bottom;
        word.line = std::max(line, 0);
        if (words->Baseline(tesseract::RIL_TEXTLINE, &x1, &y1, &x2, &y2)) {
            word.slope = x2 == x1 ? 0.0 : double(y2 - y1) / (x2 - x1);
            word.baseline = static_cast<int>(std::lround(y1 + word.slope * (left - x1)));
        }
        paragraphSize = std::max(paragraphSize, word.baseline - std::min(lineTop, top));
        word.rightToLeft = words->WordDirection() == tesseract::DIR_RIGHT_TO_LEFT;
        // A word of a few letters is wider than tall, unless its line runs up or down the page.
        if (word.text.size() >= 3) {
            ++result.longerWords;
            if (word.box.height() > word.box.width()) ++result.sidewaysWords;
        }
        result.words.push_back(std::move(word));
    } while (words->Next(tesseract::RIL_WORD));
    endParagraph();
    return result;
}

PageOrientation DetectOrientation(const QImage& page, const TextLanguages& languages) {
    if (!Readable(page)) return {};
    BorrowedEngine engine(QString::fromLatin1(kOrientationData), languages.dataDirectory);
    if (!engine) return {};
    SetPage(*engine.operator->(), page);
    int degrees = 0;
    float confidence = 0;
    const char* script = nullptr;
    float scriptConfidence = 0;
    // False when the page has too little text to tell.
    if (!engine->DetectOrientationScript(&degrees, &confidence, &script, &scriptConfidence)) return {};
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

void ReleaseTextEngines() { Pool().ReleaseIdle(); }

}  // namespace quillon
