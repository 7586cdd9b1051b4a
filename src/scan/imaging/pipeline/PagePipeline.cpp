// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pipeline/PagePipeline.h"

#include "scan/imaging/writers/PageEncoders.h"

#include <QCoreApplication>

#include "scan/imaging/pages/Enhancements.h"
#include "scan/imaging/pages/SeparatorSheet.h"
#include "scan/imaging/text/TextRecognizer.h"

#include <algorithm>
#include <chrono>
#include <new>
#include <utility>

namespace quillon {

namespace {

// The box a page's preview fits in: a sheet's shape, small enough to draw at once.
const QSize kPreviewSize(96, 124);
// The pictures a page held for review is shown by.
const QSize kThumbnailSize(150, 200);
const QSize kViewSize(1000, 1000);

// Memory a page needs and cannot have ends its document with this sentence,
// never the program: a page worker's failure is the scan's, said to the user.
QString NoMemoryForPage() {
    return QCoreApplication::translate("Imaging", "There is not enough memory for a page this large: "
                          "a lower resolution, or grey or black and white, needs less.");
}

// A view large enough to read a page by, and a thumbnail made from it: smooth
// scaling wants grey levels, so black and white is seen as grey.
PagePictures PicturesOf(const QImage& page) {
    const QImage levels = page.format() == QImage::Format_Mono ? page.convertToFormat(QImage::Format_Grayscale8) : page;
    const QImage view = levels.scaled(kViewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return {view.scaled(kThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation), EncodeJpeg(view, 75)};
}

int WorkersFor(int asked) {
    if (asked > 0) return asked;
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

}  // namespace

struct PagePipeline::Page {
    std::uint64_t id = 0;
    QImage image;
    qint64 bytes = 0;  // of its pixels as adopted, counted against the budget until it is placed
    InkMeasurement ink;
    bool separator = false;
    PagePictures pictures;
    bool prepared = false;
    bool released = false;   // the owner let it go
    bool written = false;    // queued for the document
    bool abandoned = false;  // its document was given up
    bool encoding = false;
    bool encoded = false;
    bool placed = false;
    EncodedPage encodedPage;

    bool Busy() const { return !prepared || (written && !placed && !abandoned); }
};

PagePipeline::PagePipeline(int workers, int capacity)
    : capacity_(capacity > 0 ? capacity : WorkersFor(workers) + 1) {
    const int count = WorkersFor(workers);
    for (int i = 0; i < count; ++i) workers_.emplace_back([this] { Work(); });
}

void PagePipeline::SetCapacity(int pages, qint64 byteBudget) {
    {
        std::lock_guard lock(mutex_);
        capacity_ = std::max(1, pages);
        byteBudget_ = byteBudget;
    }
    changed_.notify_all();
}

PagePipeline::~PagePipeline() {
    Clear();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    workAvailable_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void PagePipeline::Work() {
    for (;;) {
        Task task;
        {
            std::unique_lock lock(mutex_);
            workAvailable_.wait(lock, [&] { return stopping_ || !tasks_.empty(); });
            if (tasks_.empty()) return;
            task = std::move(tasks_.front());
            tasks_.pop_front();
            ++running_;
        }
        task.run();
        {
            std::lock_guard lock(mutex_);
            --running_;
        }
        changed_.notify_all();
    }
}

// A page's preparation goes before the encoding of pages already written: the
// scan waits for the blank test's answer, while encoded pages only wait for
// their place in the file.
void PagePipeline::Post(bool forDocument, std::function<void()> run) {
    auto place = tasks_.end();
    if (!forDocument)
        place = std::find_if(tasks_.begin(), tasks_.end(), [](const Task& task) { return task.forDocument; });
    tasks_.insert(place, {forDocument, std::move(run)});
    workAvailable_.notify_one();
}

int PagePipeline::Busy() const {
    int busy = kept_;
    for (const auto& [id, page] : pages_) busy += page->Busy() ? 1 : 0;
    return busy;
}

qint64 PagePipeline::BusyBytes() const {
    qint64 bytes = 0;
    for (const auto& [id, page] : pages_) bytes += page->Busy() ? page->bytes : 0;
    return bytes;
}

int PagePipeline::peakBusy() const {
    std::lock_guard lock(mutex_);
    return peakBusy_;
}

bool PagePipeline::WaitForRoom(const std::function<bool()>& stopped) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (stopped()) return false;
        const int busy = Busy();
        if (busy < capacity_ && (busy <= static_cast<int>(workers_.size()) || byteBudget_ <= 0 ||
                                 BusyBytes() < byteBudget_)) {
            ++kept_;
            peakBusy_ = std::max(peakBusy_, Busy());
            return true;
        }
        changed_.wait(lock);
    }
}

void PagePipeline::WakeWaiters() {
    { const std::lock_guard lock(mutex_); }  // a waiter is either waiting or has yet to ask stopped()
    changed_.notify_all();
}

void PagePipeline::GiveBackRoom() {
    {
        std::lock_guard lock(mutex_);
        kept_ = std::max(0, kept_ - 1);
    }
    changed_.notify_all();
}

std::uint64_t PagePipeline::Adopt(QImage image, PagePreparation preparation) {
    std::lock_guard lock(mutex_);
    kept_ = std::max(0, kept_ - 1);
    auto page = std::make_shared<Page>();
    page->id = nextId_++;
    page->bytes = image.sizeInBytes();
    page->image = std::move(image);
    pages_.emplace(page->id, page);
    peakBusy_ = std::max(peakBusy_, Busy());
    Post(false, [this, page, preparation] { Prepare(page, preparation); });
    return page->id;
}

// Straighten first, so crop and contrast see the page as it will be kept.
// Until it is prepared, the page's image is this task's alone.
void PagePipeline::Prepare(const PagePointer& page, PagePreparation preparation) {
    QImage image = std::move(page->image);
    InkMeasurement ink;
    bool separator = false;
    QImage preview;
    PagePictures pictures;
    bool outOfMemory = false;
    try {
        if (preparation.deskew) image = AutoDeskew(image);
        if (preparation.crop) image = AutoCrop(image);
        if (preparation.contrast) image = AutoContrast(image);
        ink = MeasureInk(image);
        separator = preparation.findSeparator && IsSeparatorSheet(image);
        // A picture of a few thousand pixels: a fraction of a millisecond.
        if (!image.isNull()) preview = image.scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::FastTransformation);
        if (preparation.pictures && !image.isNull()) pictures = PicturesOf(image);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;  // the page is still answered for, so nothing waits on it for good
    }
    std::lock_guard lock(mutex_);
    if (outOfMemory && error_.isEmpty()) error_ = NoMemoryForPage();
    if (page->id > previewOf_) {
        preview_ = std::move(preview);
        previewOf_ = page->id;
    }
    page->image = std::move(image);
    page->ink = ink;
    page->separator = separator;
    page->pictures = std::move(pictures);
    page->prepared = true;
    QueueEncodingIfDue(page);
    Settle(page);
    changed_.notify_all();
}

void PagePipeline::QueueEncodingIfDue(const PagePointer& page) {
    if (!page->written || !page->prepared || page->abandoned || page->encoding) return;
    page->encoding = true;
    Post(true, [this, page] { Encode(page); });
}

void PagePipeline::Encode(const PagePointer& page) {
    QImage image;
    const DocumentWriter* writer = nullptr;
    TextLanguages text;
    {
        std::lock_guard lock(mutex_);
        image = page->image;
        if (page->released) page->image = QImage();  // only this task needs the pixels now
        writer = writer_;
        if (writer && writer->TakesText()) text = text_;
    }
    EncodedPage encoded;
    try {
        if (writer && !text.codes.isEmpty()) {
            UprightText read = ReadUpright(image, text, &textStopped_);
            encoded = writer->Encode(TurnPage(image, read.quarterTurns));
            if (encoded.error.isEmpty()) writer->AddText(encoded, read.text);
        } else if (writer)
            encoded = writer->Encode(image);
        else
            encoded.error = QCoreApplication::translate("Imaging", "No document is open.");
    } catch (const std::bad_alloc&) {
        encoded = EncodedPage();
        encoded.error = NoMemoryForPage();
    }
    image = QImage();
    std::unique_lock lock(mutex_);
    page->encodedPage = std::move(encoded);
    page->encoded = true;
    PlaceEncodedPages(lock);
}

// One thread at a time places pages, in their order; a page encoded while
// another is placed waits for that thread to come back for it.
void PagePipeline::PlaceEncodedPages(std::unique_lock<std::mutex>& lock) {
    if (placing_) return;
    placing_ = true;
    while (!order_.empty() && order_.front()->encoded) {
        const PagePointer page = order_.front();
        order_.pop_front();
        EncodedPage encoded = std::move(page->encodedPage);
        if (!encoded.note.isEmpty()) notes_.append(QStringLiteral("page %1: ").arg(placedInDocument_ + 1) + encoded.note);
        DocumentWriter* writer = writer_;
        const bool failedBefore = !error_.isEmpty();
        lock.unlock();
        bool placed = false;
        QString why;
        if (!failedBefore) {
            try {
                placed = writer->AddEncoded(std::move(encoded));
                if (!placed) why = writer->error();
            } catch (const std::bad_alloc&) {
                why = NoMemoryForPage();
            }
        }
        encoded = EncodedPage();
        lock.lock();
        if (!placed && !failedBefore && error_.isEmpty()) error_ = why;
        page->placed = true;
        ++placedInDocument_;
        Settle(page);
    }
    placing_ = false;
    changed_.notify_all();
}

void PagePipeline::Settle(const PagePointer& page) {
    if (page->released && page->encoded) page->image = QImage();
    if (page->released && page->prepared && (!page->written || page->placed || page->abandoned)) {
        pages_.erase(page->id);
        changed_.notify_all();
    }
}

PagePipeline::PagePointer PagePipeline::Find(std::uint64_t id) const {
    const auto found = pages_.find(id);
    return found == pages_.end() || found->second->released ? nullptr : found->second;
}

bool PagePipeline::Holds(std::uint64_t id) const {
    std::lock_guard lock(mutex_);
    return Find(id) != nullptr;
}

QImage PagePipeline::LatestPreview() const {
    std::lock_guard lock(mutex_);
    return preview_;
}

PagePipeline::PagePointer PagePipeline::WaitPrepared(std::uint64_t id, std::unique_lock<std::mutex>& lock) {
    const PagePointer page = Find(id);
    if (page) changed_.wait(lock, [&] { return page->prepared; });
    return page;
}

const QImage* PagePipeline::Prepared(std::uint64_t id) {
    std::unique_lock lock(mutex_);
    const PagePointer page = WaitPrepared(id, lock);
    return page ? &page->image : nullptr;
}

PagePictures PagePipeline::Pictures(std::uint64_t id) {
    std::unique_lock lock(mutex_);
    const PagePointer page = WaitPrepared(id, lock);
    return page ? page->pictures : PagePictures{};
}

InkMeasurement PagePipeline::Ink(std::uint64_t id) {
    std::unique_lock lock(mutex_);
    const PagePointer page = WaitPrepared(id, lock);
    return page ? page->ink : InkMeasurement{};
}

bool PagePipeline::IsSeparator(std::uint64_t id) {
    std::unique_lock lock(mutex_);
    const PagePointer page = WaitPrepared(id, lock);
    return page && page->separator;
}

void PagePipeline::Release(std::uint64_t id) {
    std::lock_guard lock(mutex_);
    const PagePointer page = Find(id);
    if (!page) return;
    page->released = true;
    Settle(page);
}

void PagePipeline::SetWriter(DocumentWriter* writer, TextLanguages text) {
    Abandon();
    std::lock_guard lock(mutex_);
    writer_ = writer;
    text_ = std::move(text);
    textStopped_ = false;
    writtenToDocument_ = placedInDocument_ = 0;
}

QStringList PagePipeline::TakeNotes() {
    const std::lock_guard lock(mutex_);
    return std::exchange(notes_, {});
}

void PagePipeline::SkipText() { textStopped_ = true; }

std::pair<int, int> PagePipeline::DocumentProgress() const {
    const std::lock_guard lock(mutex_);
    return {placedInDocument_, writtenToDocument_};
}

bool PagePipeline::Write(std::uint64_t id) {
    std::unique_lock lock(mutex_);
    PagePointer page = Find(id);
    if (!page || !error_.isEmpty()) return false;
    if (page->written) {
        // The same page once more: a copy of it goes in again.
        changed_.wait(lock, [&] { return page->prepared; });
        auto copy = std::make_shared<Page>();
        copy->id = nextId_++;
        copy->image = page->image;
        copy->ink = page->ink;
        copy->prepared = true;
        copy->released = true;
        pages_.emplace(copy->id, copy);
        page = copy;
    }
    page->written = true;
    ++writtenToDocument_;
    order_.push_back(page);
    peakBusy_ = std::max(peakBusy_, Busy());
    QueueEncodingIfDue(page);
    return true;
}

bool PagePipeline::Drain() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return order_.empty() && !placing_; });
    return error_.isEmpty();
}

QString PagePipeline::error() const {
    std::lock_guard lock(mutex_);
    return error_;
}

bool PagePipeline::outOfMemory() const {
    std::lock_guard lock(mutex_);
    return error_ == NoMemoryForPage();
}

void PagePipeline::Abandon() {
    std::unique_lock lock(mutex_);
    tasks_.erase(std::remove_if(tasks_.begin(), tasks_.end(), [](const Task& task) { return task.forDocument; }),
                 tasks_.end());
    bool givenUp = false;
    for (const auto& [id, page] : pages_) {
        if (!page->written || page->placed) continue;
        page->abandoned = true;
        givenUp = true;
    }
    order_.clear();
    // Work under way may still be using the writer: a page's text can take
    // seconds to read, so it is asked to end early.
    if (givenUp) textStopped_ = true;
    changed_.wait(lock, [&] { return running_ == 0; });
    std::vector<PagePointer> settled;
    for (const auto& [id, page] : pages_) settled.push_back(page);
    for (const PagePointer& page : settled) Settle(page);
    writer_ = nullptr;
    error_.clear();
}

void PagePipeline::Clear() {
    Abandon();
    std::unique_lock lock(mutex_);
    tasks_.clear();
    changed_.wait(lock, [&] { return running_ == 0; });
    pages_.clear();
    kept_ = 0;
    preview_ = QImage();
}

}  // namespace quillon
