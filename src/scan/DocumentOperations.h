// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"
#include "scan/ScannerLibrary.h"
#include "scan/ScanDocument.h"

#include <atomic>

namespace quillon {

// The library's operations on the document, the same whatever the pages
// come from: the output file, the blank test, separators, back sides, text,
// and the last error. A library over a source adds the operations on it.
class DocumentOperations : public ScannerLibrary {
public:
    explicit DocumentOperations(ScannerDialogs& dialogs) : dialogs_(dialogs) {}

    int TWAIN_SetJpegQuality(int quality) override;
    int TWAIN_SetCompactPages(int on) override;
    QString TWAIN_SetTextRecognition(int on, const QString& languages) override;
    int TWAIN_AcquireToFilename(WindowHandle owner, const QString& path) override;
    int TWAIN_BeginMultipageFile(const QString& path) override;
    int TWAIN_BeginNumberedFile(const QString& firstPath, int number) override;
    int DIB_IsBlank(ImageHandle image, double threshold) override;
    int TWAIN_DibWritePage(ImageHandle image) override;
    void DIB_Free(ImageHandle image) override;
    int TWAIN_EndMultipageFile() override;
    int TWAIN_BeginBackSides() override;
    int TWAIN_SetBackSides(int placement) override;
    int TWAIN_SetSeparatorDetection(int on) override;
    int DIB_IsSeparator(ImageHandle image) override;
    int TWAIN_BeginHeldPages(const QString& path) override;
    int TWAIN_HoldPage(ImageHandle image, HeldPageKind kind) override;
    std::vector<HeldPage> TWAIN_HeldPages() override;
    int TWAIN_WriteHeldPage(int index, int quarterTurns) override;
    void TWAIN_EndHeldPages() override;
    int TWAIN_LastErrorCode() override;
    QString TWAIN_LastErrorTextVB() override;
    QString TWAIN_LastCompletedFile() override;
    QString TWAIN_LastCompletedFileNote() override;

    // Holds until the source manager is loaded again.
    void GiveUpDocument() override { givingUp_ = true; }

protected:
    // A line for the log, and an operation's result written to it.
    virtual void Note(const QString& line) = 0;
    int Log(const QString& operation, int result);
    void Fail(int code, const QString& detail = QString());
    // A page started ahead and not yet taken is let go (before the backs).
    virtual void DropPendingPage() = 0;
    // Writes to the log how the pages just written were stored.
    void LogPageNotes();
    // A fresh source manager: no error, no completed file, nothing given up,
    // the pages counted from 1 again.
    void BeginJob();
    // The pages are counted from 1 again, in the job's first document.
    void FirstDocument();
    // An unfinished document is removed (an old file stays) and the job's
    // document settings end with it.
    void EndJob();

    ScannerDialogs& dialogs_;
    ScanDocument session_;
    std::atomic<bool> givingUp_{false};
    int pagesThisBatch_ = 0;
    int pagesThisJob_ = 0;          // counted on through a batch split into documents
    int documentOfJob_ = 1;         // the document of such a batch under way, from 1
    bool separatorPassed_ = false;  // a separator came since: the next page is the next document's
};

}  // namespace quillon
