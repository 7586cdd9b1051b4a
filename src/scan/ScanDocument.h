// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/writers/DocumentWriter.h"
#include "scan/imaging/writers/SafeOutputFile.h"
#include "scan/imaging/pages/SheetOrder.h"
#include "scan/HeldPage.h"
#include "scan/ScannerDialogs.h"
#include "scan/ScannerLibrary.h"

#include <QImage>
#include <QString>

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

// The document of a scan, the half every scanner library shares: the page
// images it hands out, the enhancements it applies when the device cannot,
// the blank test, the output documents, pages held for review, and the last
// error. It knows nothing of devices; the work on pages is imaging's.
//
// The work on the pages runs on a pool of threads (see PagePipeline) while the
// device reads the next page; every call still answers for its own page, and
// a failure on the way to the file is reported at the next page written or
// at the end of the document.
class ScanDocument {
public:
    ScanDocument();
    ~ScanDocument();
    ScanDocument(const ScanDocument&) = delete;
    ScanDocument& operator=(const ScanDocument&) = delete;

    void SetJpegQuality(int quality);  // clamped to 1..100
    int jpegQuality() const { return jpegQuality_; }
    // PDF pages that suit it are written compact (see CompactPage).
    void SetCompactPages(bool on) { compactPages_ = on; }
    // Which enhancements the library applies in software (the device does not).
    void SetEnhancements(bool contrast, bool crop, bool deskew);
    // PDF files begun from now on are searchable, their text read in these
    // languages; no codes: plain PDF files.
    void SetTextRecognition(TextLanguages languages);
    const TextLanguages& textRecognition() const { return text_; }

    // Before a device reads a page: waits until the pages under way leave
    // room for one more, so memory stays flat. False once stopped() is true.
    // The room is taken by Adopt, or given back with GiveBackRoom.
    bool WaitForRoom(const std::function<bool()>& stopped);
    void GiveBackRoom();
    // Has WaitForRoom look at its stopped() again; any thread.
    void WakeRoomWaiters();

    // Takes a page from the device, scanned at dpi (0 or less: not known, and
    // taken as 200): applies the enhancements once and hands out a handle to it.
    ImageHandle Adopt(QImage page, int dpi);
    // The page as enhanced (waiting for that); null for no such page.
    const QImage* Image(ImageHandle image);
    int IsBlank(ImageHandle image, double threshold);  // 1 blank, 0 not
    // Pages adopted from now on are also read for separator codes, on the
    // pipeline's workers; IsSeparator waits for that.
    void SetSeparatorDetection(bool on) { findSeparators_ = on; }
    bool IsSeparator(ImageHandle image);
    void Free(ImageHandle image);

    // One page written whole to the path, in the format its extension names.
    // 0 on success; otherwise the last error says why.
    int WriteSingleFile(const QString& path, ImageHandle image);
    // Whether a single page can be written to a path of that name.
    bool CanWriteSingleFile(const QString& path);

    // The multi-page document: ".pdf", ".tif" or ".tiff". 0 on success.
    // With a number, the path is the first file of a series, and the document
    // is the series' next file: it takes the first free name from that
    // number on when it ends, and replaces nothing.
    int BeginDocument(const QString& path, int number = 0);
    int WritePage(ImageHandle image);
    // Manual duplex: pages adopted from now on are the back sides of the
    // document's sheets, the stack turned over; how they join the fronts is
    // settled when the document ends (the last sheet's back first, unless set).
    void BeginBackSides();
    void SetBackSides(BackSides backs) { backSides_ = backs; }
    bool scanningBackSides() const { return backPass_; }
    int frontsScanned() const { return frontsScanned_; }
    int EndDocument();
    // Review: pages are held, encoded for a document of the path's format,
    // until the user has looked them over; nothing is written yet. 0 on success.
    int BeginHolding(const QString& path);
    bool holding() const { return hold_ != nullptr; }
    // Holds a page as what the scan made of it. 0 on success.
    int HoldPage(ImageHandle image, HeldPageKind kind);
    // The pages held, in the document's order (a manual duplex stack's sides
    // interleaved), with their pictures.
    std::vector<HeldPage> HeldPages();
    // Into the document begun: the page at that place of HeldPages' list,
    // turned clockwise by quarter turns. It is placed when the document ends,
    // once every held page is encoded. 0 on success.
    int WriteHeldPage(int index, int quarterTurns);
    // The held pages are let go; nothing more is held.
    void EndHolding();

    // Whether something was at the document's path when it began: a cancel
    // then gives the document up, so the older file stays as it was.
    bool replacesAFile() const { return replacing_; }
    // From any thread: the document under way will not be put in place, even
    // when its ending has begun; ending it fails as cancelled.
    void GiveUp();
    // What ending the document waits for, while it does ("Reading the text
    // of page 8 of 10"); empty when nothing takes long. Any thread.
    QString EndingCaption() const;
    // Ending the document no longer waits for the pages' text: the pages still
    // to be read go in without it. Any thread.
    void SkipText();
    // How the pages written since the last call were stored, for the log.
    QStringList TakePageNotes();

    // The document under way so far: pages kept, blank pages left out, and a
    // small picture of the last page that came in. Any thread.
    DocumentSoFar SoFar() const;

    // Everything released: images freed, an unfinished document discarded.
    void Discard();
    // A new session: no error, no completed file.
    void Reset();

    QString lastCompletedFile() const { return lastCompleted_; }
    // What in that file is not as asked, as a plain sentence; empty when whole.
    QString lastCompletedNote() const { return lastCompletedNote_; }

    // The first error since the session began is kept: what follows from it
    // must not hide the cause.
    int PipelineErrorCode() const;
    void RecordError(int code, const QString& detail = QString());
    int lastErrorCode() const { return lastErrorCode_; }
    QString lastErrorText() const;

private:
    void StartCounting();
    bool PlaceHeldPages(DocumentWriter& writer);
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
        HeldPage page;
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
    int lastErrorCode_ = 0;
    QString lastErrorDetail_;
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
