// SPDX-License-Identifier: GPL-3.0-or-later
// The text-recognition engine on Tesseract, built as a module that the
// programs load the first time they read a page's text.
#include "scan/imaging/text/TextEngine.h"

#include <QCoreApplication>

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <malloc.h>
#include <omp.h>

#include <cmath>
#include <memory>
#include <mutex>
#include <vector>

namespace quillon {

namespace {

constexpr const char* kOrientationData = "osd";

// The engine would start threads of its own for parts of a page, which
// fight the page workers for the same cores and spin while they wait (a
// dense page read so cost about twice its processor time): each page, or
// part of a page, is read on one thread. The limit is kept by each thread,
// not by the process, so every thread that reads sets it for itself.
void OneThreadForTheEngine() {
    thread_local const bool once = (omp_set_max_active_levels(0), true);
    (void)once;
}

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

// The engine takes and frees buffers of a few megabytes for every line it
// reads. The C library would hand each back to the system at once and take
// it again, fresh and zeroed, for the next line: reading a page so faulted in
// 30 000 pages of memory and spent a sixth of its processor time in the
// kernel. Kept instead, up to a page's worth, for the next line or page.
void KeepReadingMemory() {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
}

EnginePool& Pool() {
    static const bool kept = (KeepReadingMemory(), true);
    (void)kept;
    // The engines' cache is made first, so that at exit it outlives the pool.
    static const bool cacheFirst = (tesseract::TessBaseAPI::ClearPersistentCache(), true);
    (void)cacheFirst;
    // No warnings on the terminal. A setting of the whole library, which
    // every engine reads as it prints, on any page worker: it is set once,
    // before the first engine is made, and never again.
    static const bool quiet = tesseract::TessBaseAPI().SetVariable("debug_file", "/dev/null");
    (void)quiet;
    static EnginePool pool;
    return pool;
}

// An engine borrowed for the length of one page.
class BorrowedEngine {
public:
    BorrowedEngine(const QByteArray& codes, const QByteArray& directory) {
        engine_ = Pool().Take(codes, directory);
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

// The engine copies the page.
void SetPage(tesseract::TessBaseAPI& api, const EnginePage& page) {
    api.SetImage(page.bits, page.width, page.height, page.bytesPerPixel, page.bytesPerLine);
    api.SetSourceResolution(std::max(page.dpi, 70));
}

RecognizedText Recognize(const EnginePage& page, const QByteArray& codes, const QByteArray& dataDirectory,
                         const std::atomic<bool>* stop) {
    RecognizedText result;
    OneThreadForTheEngine();
    BorrowedEngine engine(codes, dataDirectory);
    if (!engine) {
        result.error = QCoreApplication::translate("Imaging", "The text-recognition languages \"%1\" could not be loaded.")
                           .arg(QString::fromUtf8(codes));
        return result;
    }
    SetPage(*engine.operator->(), page);
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = [](void* flag, int) { return flag && static_cast<const std::atomic<bool>*>(flag)->load(); };
    monitor.cancel_this = const_cast<std::atomic<bool>*>(stop);
    if (engine->Recognize(&monitor) != 0 || (stop && stop->load())) {
        result.error = QCoreApplication::translate("Imaging", "The text of a page could not be recognised.");
        return result;
    }
    result.confidence = engine->MeanTextConf();
    std::unique_ptr<tesseract::ResultIterator> words(engine->GetIterator());
    if (!words) return result;

    std::size_t paragraphStart = 0;
    int paragraphSize = 1, line = -1;
    const auto endParagraph = [&] {
        for (std::size_t i = paragraphStart; i < result.words.size(); ++i) result.words[i].size = paragraphSize;
        paragraphStart = result.words.size();
        paragraphSize = 1;
    };
    do {
        if (words->IsAtBeginningOf(tesseract::RIL_PARA)) endParagraph();
        int left = 0, top = 0, right = 0, bottom = 0;
        if (words->IsAtBeginningOf(tesseract::RIL_TEXTLINE)) ++line;
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
        // How far the word reaches above its baseline, taken at its middle: the
        // box of a whole line scanned askew is far taller than its letters.
        const double middle = word.baseline + word.slope * (right - left) / 2.0;
        paragraphSize = std::max(paragraphSize, static_cast<int>(std::lround(middle)) - top);
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

bool DetectOrientation(const EnginePage& page, const QByteArray& dataDirectory, int* degrees, float* confidence) {
    OneThreadForTheEngine();
    BorrowedEngine engine(kOrientationData, dataDirectory);
    if (!engine) return false;
    SetPage(*engine.operator->(), page);
    const char* script = nullptr;
    float scriptConfidence = 0;
    return engine->DetectOrientationScript(degrees, confidence, &script, &scriptConfidence);
}

void ReleaseIdle() { Pool().ReleaseIdle(); }

const TextEngine kEngine{Recognize, DetectOrientation, ReleaseIdle};

}  // namespace

}  // namespace quillon

extern "C" __attribute__((visibility("default"))) const quillon::TextEngine* QuillonTextEngine() {
    return &quillon::kEngine;
}
