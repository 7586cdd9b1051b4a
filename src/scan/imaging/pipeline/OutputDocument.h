// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/pages/SheetOrder.h"
#include "scan/imaging/text/TextLanguages.h"
#include "scan/imaging/writers/DocumentWriter.h"
#include "scan/imaging/writers/SafeOutputFile.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace quillon {

class PageHold;
class PagePipeline;

// Why a call on the document failed, and a text for the log.
struct DocumentFailure {
    enum class Kind {
        None,
        EmptyPage,       // a page with no pixels
        FileType,        // the path names no format that takes such a document
        Write,           // the file could not be written
        NoMemory,        // a page needed memory it could not have
        Cancelled,       // the document was given up while it ended
        NothingWritten,  // no page went in: no file was made
        Misuse,          // no document open, no such page
    };
    Kind kind = Kind::None;
    QString detail;

    bool failed() const { return kind != Kind::None; }
};

// A page held for review, as the caller held it: its mark (what the scan
// made of it) and pictures of it, made as it was prepared.
struct HeldPicture {
    int mark = 0;
    QImage thumbnail;
    QByteArray view;  // JPEG
};

// The pages of a scan on their way into output documents, whatever they came
// from: each page adopted is prepared on the page workers (enhancements, the
// ink for the blank test, separator codes); the pages written go into the
// document under way, read for their text where it is searchable; a stack
// scanned one side at a time is put back in its sheets' order; a batch may
// be held for review and written afterwards in the order the user left it.
// The file appears only when the document ends whole.
//
// Pages are named by the ids Adopt gives (0: none). Every call is made on
// one thread, but for the few said to be safe on any.
class OutputDocument {
public:
    OutputDocument();
    ~OutputDocument();
    OutputDocument(const OutputDocument&) = delete;
    OutputDocument& operator=(const OutputDocument&) = delete;

    void SetJpegQuality(int quality);  // clamped to 1..100
    int jpegQuality() const { return jpegQuality_; }
    // PDF pages that suit it are written compact (see CompactPage).
    void SetCompactPages(bool on) { compactPages_ = on; }
    // The enhancements pages get on their way in (those the device did not do).
    void SetEnhancements(bool contrast, bool crop, bool deskew);
    // Documents begun from now on are searchable where their format takes
    // text, read in these languages; no codes: no text.
    void SetTextRecognition(TextLanguages languages);
    // Pages adopted from now on are also read for separator codes.
    void SetSeparatorDetection(bool on) { findSeparators_ = on; }

    // Before a page is read: waits until the pages under way leave room for
    // one more, so memory stays flat. False once stopped() is true. The room
    // is taken by Adopt, or given back with GiveBackRoom.
    bool WaitForRoom(const std::function<bool()>& stopped);
    void GiveBackRoom();
    // Has WaitForRoom look at its stopped() again; any thread.
    void WakeRoomWaiters();

    // Takes a page scanned at dpi (0 or less: not known, taken as 200); 0 for
    // a page with no pixels, whose room is given back.
    std::uint64_t Adopt(QImage page, int dpi);
    bool IsBlank(std::uint64_t page, double threshold);
    bool IsSeparator(std::uint64_t page);
    // A page found blank and let go unwritten is counted as left out.
    void Free(std::uint64_t page);

    // One page written whole to the path, in the format its extension names.
    DocumentFailure WriteSingleFile(const QString& path, std::uint64_t page);
    static bool CanWriteSingleFile(const QString& path);

    // A multi-page document (".pdf", ".tif", ".tiff"). With a number, the
    // path is the first file of a series, and the document is the series'
    // next file: it takes the first free name from that number on when it
    // ends, and replaces nothing.
    DocumentFailure BeginDocument(const QString& path, int number = 0);
    DocumentFailure WritePage(std::uint64_t page);
    // Pages adopted from now on are the back sides of the document's sheets,
    // the stack turned over; how they join the fronts is settled when the
    // document ends (the last sheet's back first, unless set).
    void BeginBackSides();
    void SetBackSides(BackSides backs) { backSides_ = backs; }
    DocumentFailure EndDocument();

    // Review: pages are held, encoded for a document of the path's format,
    // until the user has looked them over; nothing is written yet.
    DocumentFailure BeginHolding(const QString& path);
    bool holding() const { return hold_ != nullptr; }
    // Holds a page with the caller's mark, counted as kept, as left out by
    // the blank test, or neither (a separator sheet).
    enum class CountedAs { Kept, LeftOutBlank, Neither };
    DocumentFailure HoldPage(std::uint64_t page, int mark, CountedAs counted);
    // The pages held, in the document's order (a stack's sides interleaved).
    std::vector<HeldPicture> HeldPages();
    // Into the document begun: the page at that place of HeldPages' list,
    // turned clockwise by quarter turns; placed when the document ends.
    DocumentFailure WriteHeldPage(int index, int quarterTurns);
    // The held pages are let go; nothing more is held.
    void EndHolding();

    // Whether something was at the document's path when it began: a cancel
    // then gives the document up, so the older file stays as it was.
    bool replacesAFile() const { return replacing_; }
    // Any thread: the document under way will not be put in place, even
    // when its ending has begun; ending it fails as cancelled.
    void GiveUp();
    // What ending the document waits for ("Reading the text of page 8 of
    // 10"); empty when nothing takes long. Any thread.
    QString EndingCaption() const;
    // Ending the document no longer waits for the pages' text. Any thread.
    void SkipText();
    // How the pages written since the last call were stored, for the log.
    QStringList TakePageNotes();

    // Pages kept and blank pages left out of the document under way, and a
    // small picture of the last page that came in. Any thread.
    struct SoFar {
        int kept = 0, leftOutBlank = 0;
        QImage lastPage;
    };
    SoFar soFar() const;

    // Everything released: pages freed, an unfinished document discarded.
    void Discard();

    QString lastCompletedFile() const { return lastCompleted_; }
    // What in that file is not as asked, as a plain sentence; empty when whole.
    QString lastCompletedNote() const { return lastCompletedNote_; }
    void ForgetCompleted();

private:
    // The page as prepared (waiting for that); null for no such page.
    const QImage* Image(std::uint64_t page);
    DocumentFailure PipelineFailure() const;
    void StartCounting();
    DocumentFailure PlaceHeldPages(DocumentWriter& writer);
    void Completed(const QString& path, const DocumentWriter& writer);

    int jpegQuality_ = 75;
    bool compactPages_ = false;
    QStringList singleFileNotes_;
    bool contrast_ = false, crop_ = false, deskew_ = false;
    bool findSeparators_ = false;
    TextLanguages text_;
    SafeOutputFile output_;
    bool replacing_ = false;
    std::unique_ptr<DocumentWriter> writer_;
    // Pages held for review: the hold, the writer that encodes into it, what
    // each held page is (by its place in the hold), the order they are shown
    // in, and the held pages planned for the document under way, turned.
    struct HeldEntry {
        HeldPicture page;
        SideOfSheet side;
    };
    std::unique_ptr<PageHold> hold_;
    std::unique_ptr<DocumentWriter> holdingWriter_;
    std::vector<HeldEntry> held_;
    std::vector<int> shown_;
    std::size_t heldListed_ = 0;
    std::vector<std::pair<int, int>> planned_;
    // After the writers, which its workers use: it goes first.
    std::unique_ptr<PagePipeline> pipeline_;
    QString lastCompleted_;
    QString lastCompletedNote_;
    std::set<std::uint64_t> judgedBlank_;  // pages the blank test left out, unless written after all
    // Which side of which sheet each page is, and each page written, in order.
    std::map<std::uint64_t, SideOfSheet> sides_;
    std::vector<SideOfSheet> writtenSides_;
    bool backPass_ = false;
    int frontsScanned_ = 0, backsScanned_ = 0;
    BackSides backSides_ = BackSides::FromLastSheet;
    std::atomic<int> pagesKept_{0}, blankPagesLeftOut_{0};
};

}  // namespace quillon
