// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/HeldPage.h"
#include "scan/ScannerDialogs.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <vector>

namespace quillon {

// A page image owned by whoever received it from the library; 0 is no image.
// The library keeps the pixels; DIB_Free releases them, and unloading the
// source manager releases every image still held.
struct ImageHandle {
    std::uint64_t value = 0;
    explicit operator bool() const { return value != 0; }
    friend bool operator==(ImageHandle, ImageHandle) = default;
};

using WindowHandle = std::uintptr_t;

// TWAIN states as the library reports them.
constexpr int kStateNothing = 1;
constexpr int kStateManagerOpen = 3;
constexpr int kStateSourceOpen = 4;
constexpr int kStateEnabled = 5;
constexpr int kStateTransferReady = 6;
constexpr int kStateTransferring = 7;

// How the back sides of a manual duplex scan join the fronts.
constexpr int kBackSidesLeftOut = 0;
constexpr int kBackSidesFromFirstSheet = 1;
constexpr int kBackSidesFromLastSheet = 2;

// TWAIN paper-size codes.
constexpr int kPaperA4 = 1;
constexpr int kPaperUsLetter = 3;
constexpr int kPaperUsLegal = 4;
constexpr int kPaperA5 = 5;

// The scanner library: source selection and negotiation, transfers, the blank
// test and the output files. The scan job calls it from its own thread (the
// window's program) or the main thread (the terminal's), one call at a time;
// only GiveUpDocument comes from elsewhere. Results not used by the job are
// still returned.
class ScannerLibrary {
public:
    virtual ~ScannerLibrary() = default;

    // Hints from a program that runs one job after another beside a window:
    // the scanner list will soon be wanted (a search may start now, while the
    // user chooses where to save), and the job has ended (whatever the hint
    // began is ended with it).
    virtual void SearchAhead() {}
    virtual void JobEnded() {}

    // What a program without a window asks besides the job: the scanners
    // there are (by the library's own name, with vendor and model), and the
    // one chosen last in the window (empty: none yet).
    virtual QList<ScannerChoice> Devices() { return {}; }
    virtual QString RememberedDevice() const { return {}; }
    // The scanner to use from now on, by the library's own name: no search
    // for scanners, no dialog. Choices made from the list from now on are
    // for this run only: the one remembered stays as it was.
    virtual void UseDevice(const QString&) {}
    virtual void ForgetChoices() {}
    // The longest a scanner may send nothing before the scan ends.
    virtual void SetSilenceLimit(std::chrono::milliseconds) {}
    // The document under way is given up, not saved with the pages so far:
    // what a program that is told to end wants. Safe from any thread.
    virtual void GiveUpDocument() {}

    virtual int TWAIN_SelectImageSource(WindowHandle owner) = 0;  // 0: cancelled
    virtual int TWAIN_OpenDefaultSource() = 0;                    // non-zero: the chosen source is open
    virtual QString TWAIN_GetSourceName() = 0;                    // the open source's name
    virtual int TWAIN_OpenSource(const QString& name) = 0;
    virtual int TWAIN_CloseSource() = 0;
    virtual int TWAIN_DisableSource() = 0;                        // the source stays open
    // Closes everything and discards any output file not yet completed.
    virtual void TWAIN_UnloadSourceManager() = 0;
    virtual int TWAIN_State() = 0;

    virtual int TWAIN_LogFile(int on) = 0;
    virtual int TWAIN_SetHideUI(int hide) = 0;  // -1 hide, 0 show
    virtual int TWAIN_SetJpegQuality(int quality) = 0;
    // PDF pages of text split into a sharp ink mask over a small picture of
    // the paper, each page that suits it; for this job only.
    virtual int TWAIN_SetCompactPages(int on) = 0;
    virtual int TWAIN_SetPixelType(int pixelType) = 0;  // 0 black and white, 1 grey, 2 colour
    virtual int TWAIN_SetResolution(double dpi) = 0;
    virtual int TWAIN_SetAutoDeskew(int on) = 0;
    virtual int TWAIN_SetAutoCrop(int on) = 0;
    virtual int TWAIN_SetAutoContrast(int on) = 0;
    virtual int TWAIN_SetPaperSize(int paperCode) = 0;
    // Searchable PDF files from now on (on 1) or plain ones (on 0), their text
    // read in the languages given ("deu+eng"; empty: the user's own). Asked
    // before any source is opened. Empty when ready; else the plain sentence why
    // not, and the files stay plain. Unloading the source manager turns it off.
    virtual QString TWAIN_SetTextRecognition(int on, const QString& languages) = 0;
    virtual int TWAIN_GetDuplexSupport() = 0;  // 1 or 2: duplex possible
    virtual int TWAIN_EnableDuplex(int on) = 0;  // non-zero: done
    virtual int TWAIN_HasFeeder() = 0;           // 1: the source has a feeder
    virtual int TWAIN_SelectFeeder(int feeder) = 0;  // non-zero: done
    virtual int TWAIN_SetAutoScan(int on) = 0;
    virtual int TWAIN_IsFeederLoaded() = 0;
    virtual int TWAIN_IsFeederSelected() = 0;
    virtual int TWAIN_SetXferCount(int count) = 0;  // -1: no limit
    virtual int TWAIN_SetMultiTransfer(int on) = 0;

    // One image written to the path in the format its extension names; 0 = success.
    virtual int TWAIN_AcquireToFilename(WindowHandle owner, const QString& path) = 0;
    virtual int TWAIN_BeginMultipageFile(const QString& path) = 0;  // 0: opened
    // The next file of a series beside firstPath, a batch split into
    // documents: named firstPath's name, a dash and the first number from
    // number on that is free when the file is completed (letters-2.pdf), and
    // never replacing a file or link; TWAIN_LastCompletedFile then names it.
    virtual int TWAIN_BeginNumberedFile(const QString& firstPath, int number) = 0;  // 0: opened
    virtual ImageHandle TWAIN_Acquire(WindowHandle owner) = 0;      // none: end, cancel or failure
    virtual int DIB_IsBlank(ImageHandle image, double threshold) = 0;  // 1: blank
    virtual int TWAIN_DibWritePage(ImageHandle image) = 0;
    virtual void DIB_Free(ImageHandle image) = 0;
    virtual int TWAIN_EndMultipageFile() = 0;  // completes the file

    // Manual duplex, for a feeder that scans one side: pages acquired from now
    // on are the back sides of the document's sheets, the stack turned over
    // (the last sheet's back comes first). 1: begun.
    virtual int TWAIN_BeginBackSides() = 0;
    // How the back sides join the fronts when the document ends:
    // kBackSidesLeftOut, kBackSidesFromFirstSheet (the last back scanned is the
    // first sheet's; unmatched pages go at the end) or kBackSidesFromLastSheet
    // (the first back scanned is the last sheet's: the default, right for a
    // pass that was cut short).
    virtual int TWAIN_SetBackSides(int placement) = 0;

    // Splitting a batch into documents: pages acquired from now on are read
    // for separator codes as they are prepared (1: on). DIB_IsSeparator: 1
    // when the page is a separator sheet (a Patch T code, or a QR code that
    // reads QUILLON-SPLIT).
    virtual int TWAIN_SetSeparatorDetection(int on) = 0;
    virtual int DIB_IsSeparator(ImageHandle image) = 0;

    // Review before saving: pages are held, encoded for a document of the
    // path's format, until the user has looked them over; nothing is written
    // until a document is begun. 0 on success, as for the calls below.
    virtual int TWAIN_BeginHeldPages(const QString& path) = 0;
    virtual int TWAIN_HoldPage(ImageHandle image, HeldPageKind kind) = 0;
    // The pages held, in the document's order, with their pictures.
    virtual std::vector<HeldPage> TWAIN_HeldPages() = 0;
    // Into the document begun: the page at that place of the held list,
    // turned clockwise by quarter turns.
    virtual int TWAIN_WriteHeldPage(int index, int quarterTurns) = 0;
    // The held pages are let go (after the last document, or on a cancel).
    virtual void TWAIN_EndHeldPages() = 0;

    virtual int TWAIN_LastErrorCode() = 0;  // 0: no error
    virtual QString TWAIN_LastErrorTextVB() = 0;

    // The path of the file that the library's most recent write completed since
    // the source manager was loaded; empty when none did. A file that merely
    // exists at a path is no proof that this scan wrote it.
    virtual QString TWAIN_LastCompletedFile() = 0;
    // A plain sentence on what in that file is not as asked (pages saved
    // without their text, say); empty when it is whole.
    virtual QString TWAIN_LastCompletedFileNote() = 0;
};

}  // namespace quillon
