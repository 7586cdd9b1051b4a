// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/DocumentOperations.h"
#include "scan/PageSource.h"
#include "scan/imaging/pages/ConformPage.h"

#include <memory>

namespace quillon {

class ScannerLog;

// The scanner library over any source of pages: the job's operations on the
// scanner become settings handed to the source whole, and pages asked for
// one by one, each taken in and then read as a step the user sees; what the
// source could not do as asked is done to each page here.
class SourceLibrary : public DocumentOperations {
public:
    // The log is kept at the path given; empty: the program's own folder.
    SourceLibrary(ScannerDialogs& dialogs, PageSource& source, QString logPath = {});
    // The log given is kept by the caller, and outlives the library.
    SourceLibrary(ScannerDialogs& dialogs, PageSource& source, ScannerLog& log);
    ~SourceLibrary() override;

    int TWAIN_SelectImageSource(WindowHandle owner) override;
    int TWAIN_OpenDefaultSource() override;
    QString TWAIN_GetSourceName() override;
    int TWAIN_OpenSource(const QString& name) override;
    int TWAIN_CloseSource() override;
    int TWAIN_DisableSource() override;
    void TWAIN_UnloadSourceManager() override;
    int TWAIN_State() override { return state_; }
    int TWAIN_LogFile(int on) override;
    int TWAIN_SetHideUI(int) override { return 1; }
    int TWAIN_SetPixelType(int pixelType) override;
    int TWAIN_SetResolution(double dpi) override;
    int TWAIN_SetAutoDeskew(int on) override;
    int TWAIN_SetAutoCrop(int on) override;
    int TWAIN_SetAutoContrast(int on) override;
    int TWAIN_SetPaperSize(int paperCode) override;
    int TWAIN_GetDuplexSupport() override;
    int TWAIN_EnableDuplex(int on) override;
    int TWAIN_HasFeeder() override;
    int TWAIN_SelectFeeder(int feeder) override;
    int TWAIN_SetAutoScan(int) override { return 1; }
    int TWAIN_IsFeederLoaded() override;
    int TWAIN_IsFeederSelected() override;
    int TWAIN_SetXferCount(int count) override;
    int TWAIN_SetMultiTransfer(int) override { return 1; }
    ImageHandle TWAIN_Acquire(WindowHandle owner) override;
    // A job that ended before it used the library (the save dialog
    // cancelled) leaves what was begun for it (a search ahead): it ends here.
    void JobEnded() override;

protected:
    // The source manager is loaded for a job.
    void EnsureInitialised();

private:
    void Note(const QString& line) override;
    void DropPendingPage() override;
    void Apply();
    // The next sheet taken in, as a step shown as the page numbered.
    SourcePage TakeIn(int pageNumber, bool first);
    // Takes a page ended without one as the scan's end, or its failure.
    void Ended(const SourcePage& page);

    PageSource& source_;
    std::unique_ptr<ScannerLog> ownLog_;
    ScannerLog& log_;
    bool initialised_ = false;
    int state_ = kStateNothing;
    QString chosen_;
    bool open_ = false;
    QString openName_;  // as it was opened: empty for the source chosen last
    SourceSettings settings_;
    SourceTook took_;
    int transferCount_ = -1;
    bool sheetIn_ = false;  // the source holds the next sheet, taken in ahead
};

}  // namespace quillon
