// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/pipeline/OutputDocument.h"
#include "scan/HeldPage.h"
#include "scan/ScannerDialogs.h"
#include "scan/ScannerLibrary.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace quillon {

// The document of a scan as the scanner libraries hand it out: the pages of
// the output document (OutputDocument, in imaging) by image handles, its
// failures as the library's error codes, and the first error of the session
// kept, so what follows from it does not hide the cause.
//
// Every call answers for its own page; a failure on the way to the file is
// reported at the next page written or at the end of the document.
class ScanDocument {
public:
    void SetJpegQuality(int quality) { document_.SetJpegQuality(quality); }  // clamped to 1..100
    int jpegQuality() const { return document_.jpegQuality(); }
    void SetCompactPages(bool on) { document_.SetCompactPages(on); }
    // Which enhancements the library applies in software (the device does not).
    void SetEnhancements(bool contrast, bool crop, bool deskew) { document_.SetEnhancements(contrast, crop, deskew); }
    // PDF files begun from now on are searchable, their text read in these
    // languages; no codes: plain PDF files.
    void SetTextRecognition(TextLanguages languages) { document_.SetTextRecognition(std::move(languages)); }
    void SetSeparatorDetection(bool on) { document_.SetSeparatorDetection(on); }

    // Before a device reads a page: waits until the pages under way leave
    // room for one more. False once stopped() is true. The room is taken by
    // Adopt, or given back with GiveBackRoom.
    bool WaitForRoom(const std::function<bool()>& stopped) { return document_.WaitForRoom(stopped); }
    void GiveBackRoom() { document_.GiveBackRoom(); }
    // Has WaitForRoom look at its stopped() again; any thread.
    void WakeRoomWaiters() { document_.WakeRoomWaiters(); }

    // Takes a page from the device, scanned at dpi (0 or less: not known).
    ImageHandle Adopt(QImage page, int dpi);
    int IsBlank(ImageHandle image, double threshold) { return document_.IsBlank(image.value, threshold) ? 1 : 0; }
    bool IsSeparator(ImageHandle image) { return document_.IsSeparator(image.value); }
    void Free(ImageHandle image) { document_.Free(image.value); }

    // Each 0 on success; otherwise the last error says why.
    int WriteSingleFile(const QString& path, ImageHandle image);
    bool CanWriteSingleFile(const QString& path);
    int BeginDocument(const QString& path, int number = 0);
    int WritePage(ImageHandle image);
    void BeginBackSides() { document_.BeginBackSides(); }
    void SetBackSides(BackSides backs) { document_.SetBackSides(backs); }
    int EndDocument();
    int BeginHolding(const QString& path);
    int HoldPage(ImageHandle image, HeldPageKind kind);
    std::vector<HeldPage> HeldPages();
    int WriteHeldPage(int index, int quarterTurns);
    void EndHolding() { document_.EndHolding(); }

    bool replacesAFile() const { return document_.replacesAFile(); }
    void GiveUp() { document_.GiveUp(); }                                      // any thread
    QString EndingCaption() const { return document_.EndingCaption(); }        // any thread
    void SkipText() { document_.SkipText(); }                                  // any thread
    QStringList TakePageNotes() { return document_.TakePageNotes(); }
    DocumentSoFar SoFar() const;  // any thread

    // Everything released: images freed, an unfinished document discarded.
    void Discard() { document_.Discard(); }
    // A new session: no error, no completed file.
    void Reset();

    QString lastCompletedFile() const { return document_.lastCompletedFile(); }
    QString lastCompletedNote() const { return document_.lastCompletedNote(); }

    void RecordError(int code, const QString& detail = QString());
    int lastErrorCode() const { return lastErrorCode_; }
    QString lastErrorText() const;

private:
    // 0 for no failure; else 1, the failure recorded as the library's error.
    int Record(const DocumentFailure& failure);

    OutputDocument document_;
    int lastErrorCode_ = 0;
    QString lastErrorDetail_;
};

}  // namespace quillon
