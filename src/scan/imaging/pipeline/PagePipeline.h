// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/pages/BlankPageTest.h"
#include "scan/imaging/writers/DocumentWriter.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace quillon {

// Which enhancements a page gets on its way in.
struct PagePreparation {
    bool contrast = false, crop = false, deskew = false;
    bool findSeparator = false;  // whether the page is a separator sheet, read on the worker too
    bool pictures = false;       // pictures of it for the user's review are made too
};

// Pictures of a page for the user to look at before it is saved.
struct PagePictures {
    QImage thumbnail;
    QByteArray view;  // larger, as JPEG
};

// The pages of a scan on their way from the device to the file, worked on by
// a small pool of threads while the device reads the next page.
//
// A page adopted is prepared on a worker at once: its enhancements, then its
// ink measured for the blank test. A page written is then, on a worker, read
// for its text where the document is searchable (and turned upright), encoded
// by the document's writer, and encoded pages are placed in the document
// strictly in the order they were written.
//
// Memory stays flat however far the workers fall behind: at most capacity()
// pages are busy (being read, prepared, encoded or waiting for their place),
// and the reader asks WaitForRoom before it reads another. A page that is
// prepared and only held by its owner is not busy: the owner decides when it
// goes.
class PagePipeline {
public:
    // workers 0: one for each core; capacity 0: one page more than the workers.
    explicit PagePipeline(int workers = 0, int capacity = 0);
    ~PagePipeline();
    PagePipeline(const PagePipeline&) = delete;
    PagePipeline& operator=(const PagePipeline&) = delete;

    int capacity() const { return capacity_.load(); }
    int workers() const { return static_cast<int>(workers_.size()); }
    // A new bound, for pages that take long to encode and longer for some
    // than for others: room for more of them keeps every worker busy. Room
    // beyond one page more than the workers is given only while the pixels
    // the busy pages came with stay under the byte budget (0: no budget).
    void SetCapacity(int pages, qint64 byteBudget = 0);
    // The most pages that were busy at once since the pipeline was made.
    int peakBusy() const;

    // Waits until one more page may be read, and keeps that place for it until
    // Adopt or GiveBackRoom. False, keeping nothing, once stopped() is true; it
    // is asked again whenever the pipeline changes or WakeWaiters is called.
    bool WaitForRoom(const std::function<bool()>& stopped);
    // Has WaitForRoom ask its stopped() again, from any thread.
    void WakeWaiters();
    void GiveBackRoom();

    // Takes a page (in a page format, with its resolution), in the place that
    // WaitForRoom kept, or in a new one when none was kept.
    std::uint64_t Adopt(QImage page, PagePreparation preparation);
    bool Holds(std::uint64_t id) const;
    // Waits for the page's preparation; null for a page not held.
    const QImage* Prepared(std::uint64_t id);
    InkMeasurement Ink(std::uint64_t id);
    // Waits for the page's preparation: whether it was found to be a separator sheet.
    bool IsSeparator(std::uint64_t id);
    // Waits for the page's preparation: the pictures made of it, if asked for.
    PagePictures Pictures(std::uint64_t id);
    // The owner lets the page go; a page written still reaches the document.
    void Release(std::uint64_t id);

    // The document that written pages go into; null: none. With languages, and
    // a writer that takes text, each page's text is read in them first.
    void SetWriter(DocumentWriter* writer, TextLanguages text = {});
    // Queues a prepared or preparing page for the document. False once a page
    // before has failed to be encoded or placed: error() says why.
    bool Write(std::uint64_t id);
    // Waits until every page written is in the document. False on a failure.
    bool Drain();
    // Gives up the document: pages not yet placed stay out of it. Waits for
    // work under way, so the writer may go afterwards.
    void Abandon();
    // Gives up the document and drops every page.
    void Clear();
    // The pages still to be encoded go into the document without their text.
    void SkipText();
    // How each page placed since the last call was stored, where the writer
    // chose (the compact quality): "page 3: compact (...), 24000 bytes ...".
    QStringList TakeNotes();
    // A small picture of the last page adopted, made as it was prepared;
    // null before the first. Any thread.
    QImage LatestPreview() const;

    // Pages placed in the document and pages written to it, so far.
    std::pair<int, int> DocumentProgress() const;
    QString error() const;
    // Whether that failure was memory a page needed and could not have.
    bool outOfMemory() const;

private:
    struct Page;
    using PagePointer = std::shared_ptr<Page>;

    struct Task {
        bool forDocument = false;  // given up with the document
        std::function<void()> run;
    };

    void Work();
    void Post(bool forDocument, std::function<void()> run);
    void Prepare(const PagePointer& page, PagePreparation preparation);
    void Encode(const PagePointer& page);
    void PlaceEncodedPages(std::unique_lock<std::mutex>& lock);
    void QueueEncodingIfDue(const PagePointer& page);
    void Settle(const PagePointer& page);
    PagePointer Find(std::uint64_t id) const;
    // The page once it is prepared (waiting for that, the lock held); null for a page not held.
    PagePointer WaitPrepared(std::uint64_t id, std::unique_lock<std::mutex>& lock);
    int Busy() const;
    qint64 BusyBytes() const;  // the pixels the busy pages came with

    std::atomic<int> capacity_;
    qint64 byteBudget_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::condition_variable changed_;  // a page prepared or placed, a place freed
    std::deque<Task> tasks_;
    int running_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;

    std::uint64_t nextId_ = 1;
    std::map<std::uint64_t, PagePointer> pages_;  // held or busy
    int kept_ = 0;                                 // places kept by WaitForRoom
    int peakBusy_ = 0;
    DocumentWriter* writer_ = nullptr;
    TextLanguages text_;
    // Readings under way end early: the document was given up, or is to be
    // finished without the text still to read.
    std::atomic<bool> textStopped_{false};
    std::deque<PagePointer> order_;  // written, not yet placed
    bool placing_ = false;
    int writtenToDocument_ = 0, placedInDocument_ = 0;
    QStringList notes_;  // the placed pages' notes, in their order, until taken
    QString error_;
    QImage preview_;
    std::uint64_t previewOf_ = 0;  // the page it shows
};

}  // namespace quillon
