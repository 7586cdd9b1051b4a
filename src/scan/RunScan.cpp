// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/RunScan.h"

#include "support/NumberedPath.h"

#include "scan/BatchReview.h"
#include "scan/ScanJob.h"
#include "scan/ScannerErrors.h"
#include "scan/ScannerLibrary.h"
#include "settings/SettingsCatalogue.h"
#include "settings/RegistryStore.h"
#include "support/ErrorReport.h"
#include "support/PathHelpers.h"
#include "support/OutputFileChooser.h"
#include "support/UserInterface.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>
#include <utility>
#include <vector>

namespace quillon {

namespace {

const QString kCr = QStringLiteral("\r");

class ScanRun {
    Q_DECLARE_TR_FUNCTIONS(RunScan)

public:
    ScanRun(OptionControls& controls, ScannerLibrary& library, const RegistryStore& store, UserInterface& ui,
            PageReviewer* reviewer)
        : controls_(controls), library_(library), store_(store), ui_(ui), reviewer_(reviewer) {}

    ScanOutcome Run() {
        try {
            RunSteps();
        } catch (...) {
            ReportCurrentFailure(ui_);
            Unload();
            outcome_ = Outcome(ScanOutcome::Kind::Failed);
        }
        return outcome_;
    }

private:
    enum class Next { EndOfJobChecks, Ended };

    void RunSteps() {
        job_ = ScanJob::FromControls(controls_);
        if (!Validate()) return FailureEnd();
        if (job_.searchable && !PrepareTextRecognition()) return FailureEnd();

        bool refused = false;
        job_.outputPath = ChooseOutputFile(job_.extension, store_, ui_, &refused);
        olderFileThere_ = !job_.outputPath.isEmpty() && PathExists(job_.outputPath, false);
        if (job_.outputPath.isEmpty()) {
            // A path refused (and said) without another to choose is no cancel of the user's.
            if (!refused) Inform(tr("User Canceled Scan"));
            if (job_.searchable) Unload();  // the library was told to read text
            outcome_ = Outcome(refused ? ScanOutcome::Kind::Failed : ScanOutcome::Kind::Cancelled);
            return;  // nothing else of the library has been used yet
        }

        if (library_.TWAIN_SelectImageSource(0) == 0) {
            const int error = library_.TWAIN_LastErrorCode();
            // A failure is no cancel: it is said with its reason.
            if (error != kScannerErrorNone && error != kScannerErrorNoSource && error != kScannerErrorCancelled)
                return EndOfJobChecks();
            CanceledEnd();
            if (error == kScannerErrorNoSource) outcome_ = Outcome(ScanOutcome::Kind::NoScanner);
            return;
        }
        const bool opened = library_.TWAIN_OpenDefaultSource() != 0;
        job_.sourceName = library_.TWAIN_GetSourceName().left(255);
        sourceOpened_ = opened;
        if (opened) {
            WarnAboutWia();
            ApplyOptions();
            NegotiateDuplex();
            if (!NegotiateFeeder()) return CanceledEnd();
            if (Acquire() == Next::Ended) return;
        }
        EndOfJobChecks();
    }

    bool Validate() {
        // The value as it was read, whatever the user's language writes numbers like.
        QString message;
        if (job_.dpi < 75 || job_.dpi > 600)
            message = tr("ERROR: Invalid DPI Selected. (%1) Please select a correct option.").arg(job_.dpi);
        else if (job_.pixelType < 0 || job_.pixelType > 2)
            message = tr("ERROR: Invalid Scan Color Option Selected. (%1) Please select a correct option.")
                          .arg(job_.pixelType);
        else if (job_.allowMultiplePages && (job_.duplexIndex < kDuplexFrontOnly || job_.duplexIndex > kDuplexManual))
            message = tr("ERROR: Invalid Duplex Option Selected. (%1) Please select a correct option.")
                          .arg(job_.duplexIndex);
        else if (job_.allowMultiplePages && (job_.blankThreshold < 0 || job_.blankThreshold > 100))
            message = tr("ERROR: Invalid PageRejectionCoverage Selected. (%1) Please select a correct option.")
                          .arg(QString::number(job_.blankThreshold, 'g', 15));
        if (message.isEmpty()) return true;
        ui_.ShowMessage(message, ErrorMessageTitle(), MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }

    // Said before the user chooses a file or a scanner: a scan that cannot
    // be searchable should not be started.
    bool PrepareTextRecognition() {
        const QString stored = store_.Get(kOcrLanguageValueName);
        const QString problem = library_.TWAIN_SetTextRecognition(1, stored == kNotFound ? QString() : stored);
        if (problem.isEmpty()) return true;
        ui_.ShowMessage(tr("ERROR: Searchable PDF cannot be made.") + kCr + kCr + problem, ErrorMessageTitle(),
                        MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }

    void WarnAboutWia() {
        const bool due = job_.sourceName.toUpper().contains(QStringLiteral("WIA")) && !job_.wia &&
                         store_.Get(kWiaCheckValueName) != QStringLiteral("1");
        if (due)
            ui_.ShowMessage(tr("You have selected a WIA scanner, but did not check the WIA option. This may lead to "
                               "unexpected problems."),
                            tr("Quillon Warning"), MessageIcon::None, MessageButtons::Ok);
        // Stored either way, so the warning comes on every other scan with such a source.
        store_.Set(kWiaCheckValueName, due ? QStringLiteral("1") : QStringLiteral("0"));
    }

    // The resolution, colour and quality settings that a reopened source needs again.
    void ApplyBasicSettings() {
        library_.TWAIN_SetHideUI(job_.hideSourceUI ? -1 : 0);
        library_.TWAIN_SetJpegQuality(job_.jpegQuality);
        if (job_.compactPages) library_.TWAIN_SetCompactPages(1);
        library_.TWAIN_SetPixelType(job_.pixelType);
        library_.TWAIN_SetResolution(static_cast<double>(job_.dpi));
    }

    void ApplyOptions() {
        library_.TWAIN_LogFile(1);
        ApplyBasicSettings();
        library_.TWAIN_SetAutoDeskew(job_.autoDeskew);
        library_.TWAIN_SetAutoCrop(job_.autoCrop);
        library_.TWAIN_SetAutoContrast(job_.autoContrast);
        if (job_.paperSizeCode >= 0) library_.TWAIN_SetPaperSize(job_.paperSizeCode);
    }

    void NegotiateDuplex() {
        // Manual duplex drives the device one-sided: the user turns the stack.
        if (job_.duplexIndex != kDuplexBothSides) {
            library_.TWAIN_EnableDuplex(0);
            return;
        }
        const int firstAnswer = library_.TWAIN_GetDuplexSupport();
        const int secondAnswer = library_.TWAIN_GetDuplexSupport();
        if (firstAnswer != 1 && secondAnswer != 2) {
            library_.TWAIN_EnableDuplex(0);
            controls_.SetStatusText(DuplexWarning());
            return;
        }
        if (library_.TWAIN_EnableDuplex(1) != 0) return;
        controls_.SetStatusText(DuplexWarning());
        library_.TWAIN_EnableDuplex(0);
    }

    // False when the user cancelled at the feeder question.
    bool NegotiateFeeder() {
        const bool feederTaken = job_.tryFeederFirst && library_.TWAIN_HasFeeder() == 1 &&
                                 library_.TWAIN_SelectFeeder(1) != 0;
        if (!feederTaken) {
            library_.TWAIN_SelectFeeder(0);
            return true;
        }
        library_.TWAIN_SetAutoScan(1);
        if (library_.TWAIN_IsFeederLoaded() != 0) return true;
        for (;;) {
            if (library_.TWAIN_IsFeederLoaded() != 0) return true;
            const QString question = tr("Please load the documents into the Auto-Document Feeder.") + kCr + kCr +
                                     tr("Click YES to retry or") + kCr +
                                     tr("Click NO to use the flatbed or other scan head (if equipped).");
            const MessageAnswer answer = ui_.Ask(Question::LoadTheFeeder, question, QStringLiteral("Quillon"),
                                                 MessageIcon::Information, MessageButtons::YesNoCancel);
            if (answer == MessageAnswer::Yes) continue;
            if (answer == MessageAnswer::No) {
                library_.TWAIN_SetAutoScan(0);
                library_.TWAIN_SelectFeeder(0);
                return true;
            }
            return false;
        }
    }

    Next Acquire() {
        const bool multiPage = job_.allowMultiplePages && !job_.wia;
        if (library_.TWAIN_IsFeederSelected() == 1 && multiPage)
            return job_.duplexIndex == kDuplexManual ? AcquireManualDuplex() : AcquireMultiPage(false);
        if (library_.TWAIN_IsFeederSelected() != 1 && multiPage) return AcquireMultiPage(true);
        return AcquireSingle();
    }

    Next AcquireSingle() {
        library_.TWAIN_SetXferCount(1);
        if (library_.TWAIN_AcquireToFilename(0, job_.outputPath) != 0) {
            // A cancel ends silently; a device or write failure is reported.
            const int error = library_.TWAIN_LastErrorCode();
            if (error != kScannerErrorNone && error != kScannerErrorCancelled) return Next::EndOfJobChecks;
            Unload();
            if (error == kScannerErrorCancelled) outcome_ = Outcome(ScanOutcome::Kind::Cancelled);
            return Next::Ended;
        }
        library_.TWAIN_CloseSource();
        return Next::EndOfJobChecks;
    }

    // Sets the transfer up for many pages and begins the file; where it could
    // not begin, how the job goes on.
    std::optional<Next> BeginMultiPageFile() {
        library_.TWAIN_SetXferCount(-1);
        library_.TWAIN_SetMultiTransfer(1);
        // Pages to be reviewed are held, and their document begun once the user saves them.
        if (reviewer_ && job_.reviewPages)
            review_.emplace(library_, *reviewer_, job_.splitDocuments && job_.duplexIndex != kDuplexManual,
                            job_.duplexIndex == kDuplexBothSides, job_.blankThreshold);
        if ((review_ ? library_.TWAIN_BeginHeldPages(job_.outputPath) : library_.TWAIN_BeginMultipageFile(job_.outputPath)) == 0)
            return std::nullopt;
        // A file that cannot be started is reported with the library's reason.
        const int error = library_.TWAIN_LastErrorCode();
        if (error != kScannerErrorNone && error != kScannerErrorCancelled) return Next::EndOfJobChecks;
        CanceledEnd();
        return Next::Ended;
    }

    Next AcquireMultiPage(bool flatbed) {
        if (const std::optional<Next> failed = BeginMultiPageFile()) return *failed;
        // Not with manual duplex: the stack's order changes between its passes.
        splitting_ = job_.splitDocuments;
        if (splitting_) library_.TWAIN_SetSeparatorDetection(1);
        AcquireBatch(flatbed, true);
        if (review_) return ReviewHeldPages();
        library_.TWAIN_CloseSource();
        // A batch that ended on a separator has no document under way.
        if (!nextDocumentDue_) EndDocument();
        return Next::EndOfJobChecks;
    }

    // Pages into the document until the feeder is empty (or, on the flatbed,
    // the user has no further page); the number of pages scanned.
    int AcquireBatch(bool flatbed, bool keepFirstPage) {
        int pageCount = 0;
        for (;;) {
            const ImageHandle image = library_.TWAIN_Acquire(0);
            if (!image) break;
            ++pageCount;
            if (review_) {
                if (!review_->Hold(image, keepFirstPage && pageCount == 1)) break;
            } else if (splitting_ && library_.DIB_IsSeparator(image) == 1) {
                // Never written; in duplex its back goes too.
                library_.DIB_Free(image);
                separatorBackDue_ = job_.duplexIndex == kDuplexBothSides && pageCount % 2 == 1;
                if (!EndDocumentAtSeparator()) break;
            } else if (std::exchange(separatorBackDue_, false)) {
                library_.DIB_Free(image);
            } else {
                if (nextDocumentDue_ && !BeginNextDocument()) {
                    library_.DIB_Free(image);
                    break;
                }
                // The first page is kept even when blank, so a document is never empty.
                const bool blank = library_.DIB_IsBlank(image, job_.blankThreshold) == 1;
                if (((keepFirstPage && pageCount == 1) || !blank) && library_.TWAIN_DibWritePage(image) == 0) {
                    ++pagesWritten_;
                    ++documentPages_;
                }
                library_.DIB_Free(image);
            }
            if (flatbed) {
                if (ui_.Ask(Question::AnotherPage, tr("Scan Another Page?"), tr("Quillon Question"),
                            MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
                    break;
                PrepareNextFlatbedPage();
                if (library_.TWAIN_State() <= kStateManagerOpen) break;  // the source did not reopen
            } else if (library_.TWAIN_State() <= kStateEnabled) {
                break;  // no further page is waiting in the feeder
            }
        }
        return pageCount;
    }

    // At a separator sheet the document under way ends; the next one begins
    // with the next page kept, so no empty document is written (two
    // separators in a row, or one first). False when ending it failed.
    bool EndDocumentAtSeparator() {
        if (documentPages_ == 0) return true;
        EndDocument();
        if (library_.TWAIN_LastErrorCode() != kScannerErrorNone) return false;
        completed_.push_back({job_.outputPath, documentPages_});
        documentPages_ = 0;
        nextDocumentDue_ = true;
        return true;
    }

    // The next document is the series' next file: its name is the first
    // free one when it is completed, and it replaces nothing.
    bool BeginNextDocument() {
        const QString first = completed_.front().path;
        const int number = static_cast<int>(completed_.size()) + 1;
        if (library_.TWAIN_BeginNumberedFile(first, number) != 0) return false;
        job_.outputPath = NumberedPath(first, number);  // until it has its name
        olderFileThere_ = false;
        nextDocumentDue_ = false;
        return true;
    }

    // Ends the document under way; a series' file learns the name it took.
    void EndDocument() {
        library_.TWAIN_EndMultipageFile();
        if (completed_.empty()) return;
        const QString written = library_.TWAIN_LastCompletedFile();
        if (!written.isEmpty() && written != completed_.back().path) job_.outputPath = written;
    }

    // "letters.pdf (3 pages)", a line for each document completed before the last.
    QString CompletedDocuments() const {
        QString lines;
        for (const auto& [path, pages] : completed_)
            lines += kCr + WithPages(path, pages);
        return lines;
    }

    // Both sides from a feeder that scans one: the fronts, then the stack
    // turned over and its backs, interleaved as the sheets were. A failure in
    // either pass ends the document with the pages so far.
    Next AcquireManualDuplex() {
        if (const std::optional<Next> failed = BeginMultiPageFile()) return *failed;
        const int fronts = AcquireBatch(false, true);
        const int frontsWritten = pagesWritten_;
        const bool frontsWhole = library_.TWAIN_LastErrorCode() == kScannerErrorNone && fronts > 0;
        if (frontsWhole && !StackTurned()) frontsOnly_ = true;  // the user kept the fronts only
        else if (frontsWhole) {
            const int backs = AcquireBatch(false, false);
            if (library_.TWAIN_LastErrorCode() != kScannerErrorNone) {
                stoppedAtBack_ = {backs + 1, fronts};  // said with the error; the backs so far keep their sheets
            } else if (backs != fronts) {
                // The backs come in from the last sheet: k backs are the last
                // k sheets'. Nothing more is guessed: the user is told which
                // sheets that leaves without a back, or which backs are over,
                // and decides.
                const QString question =
                    tr("%1 front sides but %2 back sides were scanned.").arg(fronts).arg(backs) + QLatin1Char(' ') +
                    UnmatchedSides(fronts, backs) + kCr + kCr +
                    tr("Click YES to save every page, the unmatched ones at the end, or NO to keep the front sides "
                       "only.");
                const bool keepAll = ui_.Ask(Question::UnmatchedSides, question, tr("Quillon Question"),
                                             MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
                library_.TWAIN_SetBackSides(keepAll ? kBackSidesFromLastSheet : kBackSidesLeftOut);
                if (!keepAll) {
                    backsLeftOut_ = frontsOnly_ = true;
                    pagesWritten_ = documentPages_ = frontsWritten;
                }
            }
        }
        if (review_) return ReviewHeldPages();
        library_.TWAIN_CloseSource();
        library_.TWAIN_EndMultipageFile();
        return Next::EndOfJobChecks;
    }

    // The user looks the held pages over and saves them, or gives them up;
    // a scan cancelled before keeps nothing.
    Next ReviewHeldPages() {
        const std::optional<PageReview> reviewed = review_->Run([this] {
            // More pages, as for a scan; a cancel at the feeder question goes back to the review.
            PrepareNextFlatbedPage();
            if (NegotiateFeeder()) AcquireBatch(library_.TWAIN_IsFeederSelected() != 1, false);
        });
        library_.TWAIN_CloseSource();
        if (reviewed) WriteReviewedPages(*reviewed);
        library_.TWAIN_EndHeldPages();
        if (reviewed || library_.TWAIN_LastErrorCode() == kScannerErrorCancelled) return Next::EndOfJobChecks;
        CanceledEnd();
        return Next::Ended;
    }

    // The pages in the order the user left them; separator sheets still there
    // split the batch into documents.
    void WriteReviewedPages(const PageReview& review) {
        pagesWritten_ = documentPages_ = 0;
        if (library_.TWAIN_BeginMultipageFile(job_.outputPath) != 0) return;
        for (int row = 0; row < review.rows(); ++row) {
            const ReviewedPage& page = review.page(row);
            if (page.kind == HeldPageKind::Separator) {
                if (splitting_ && !EndDocumentAtSeparator()) return;
                continue;
            }
            if (!page.saved()) continue;
            if (nextDocumentDue_ && !BeginNextDocument()) return;
            if (library_.TWAIN_WriteHeldPage(page.held, page.quarterTurns) == 0) ++pagesWritten_, ++documentPages_;
        }
        if (!nextDocumentDue_) EndDocument();
    }

    // "Sheets 1 and 2 have no back side.", or what becomes of backs over.
    static QString UnmatchedSides(int fronts, int backs) {
        if (backs > fronts)
            return backs - fronts == 1
                       ? tr("1 back side belongs to no front side; it goes at the end.")
                       : tr("%n back sides belong to no front side; they go at the end.", nullptr, backs - fronts);
        const int without = fronts - backs;
        if (without == 1) return tr("Sheet 1 has no back side.");
        QStringList sheets;
        for (int sheet = 1; sheet < without; ++sheet) sheets.append(QString::number(sheet));
        return tr("Sheets %1 and %2 have no back side.").arg(sheets.join(QStringLiteral(", "))).arg(without);
    }

    // True once the user has turned the stack and the feeder holds it; false
    // when the user keeps the front sides only.
    bool StackTurned() {
        bool begun = false;
        for (;;) {
            if (ui_.Ask(Question::TurnTheStack, tr(kTurnTheStackQuestionText), tr("Quillon Question"),
                        MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
                return false;
            if (!std::exchange(begun, true)) library_.TWAIN_BeginBackSides();
            if (library_.TWAIN_IsFeederLoaded() != 0) return true;
        }
    }

    void PrepareNextFlatbedPage() {
        if (IsHpSourceName(job_.sourceName)) {
            // HP sources need a fresh open between flatbed pages.
            library_.TWAIN_CloseSource();
            library_.TWAIN_OpenSource(job_.sourceName);
            ApplyBasicSettings();
        } else {
            library_.TWAIN_DisableSource();
        }
    }

    void EndOfJobChecks() {
        if (library_.TWAIN_LastErrorCode() != 0) {
            const int code = library_.TWAIN_LastErrorCode();
            const QString text = library_.TWAIN_LastErrorTextVB();
            const QString saved = PagesSavedBeforeTheError();
            const QString where = stoppedAtBack_.first == 0
                                      ? QString()
                                      : kCr + kCr + tr("The scan stopped at back side %1 of %2 (the back of sheet %3).")
                                                        .arg(stoppedAtBack_.first)
                                                        .arg(stoppedAtBack_.second)
                                                        .arg(stoppedAtBack_.second - stoppedAtBack_.first + 1);
            const QString before = completed_.empty() ? QString()
                                                      : kCr + kCr + tr("Documents saved before:") + CompletedDocuments();
            ScanningErrorEnd(tr("TWAIN Error #%1 %2", "the library's error number and its text").arg(code).arg(text) + where +
                             saved + (code == kScannerErrorCancelled || code == kScannerErrorNoMemory ? OlderFileKept(saved.isEmpty()) : QString()) +
                             before);
            outcome_ = OutcomeOfError(code, !saved.isEmpty());
            return;
        }
        if (!PathExists(job_.outputPath, false))
            return ScanningErrorEnd(tr("Could not locate file: %1").arg(job_.outputPath));
        // A file that was there before the scan is no proof of success.
        if (library_.TWAIN_LastCompletedFile() != job_.outputPath)
            return ScanningErrorEnd(tr("Nothing was saved to: %1").arg(job_.outputPath) + kCr +
                                    tr("The file that was already there has not been changed."));
        const QString note = library_.TWAIN_LastCompletedFileNote();
        Unload();
        outcome_ = Outcome(ScanOutcome::Kind::Written, true);
        if (frontsOnly_) {
            // The user's choice, but not the document asked for: the outcome
            // says so (frontsOnly), and a script learns it from that.
            const QString why = backsLeftOut_ ? tr("The back sides did not match them and were left out.")
                                              : tr("The stack was not turned over for the back sides.");
            ui_.ShowMessage(tr("Only the front sides were saved to:") + kCr + kCr + job_.outputPath + kCr + kCr + why,
                            tr("Quillon Warning"), MessageIcon::Information, MessageButtons::Ok);
            return;
        }
        // A batch split into documents lists each file with its pages.
        const QString written = completed_.empty() ? job_.outputPath
                                : nextDocumentDue_ ? CompletedDocuments().mid(1)  // it ended on a separator
                                                   : CompletedDocuments().mid(1) + kCr + WithPages(job_.outputPath, documentPages_);
        ui_.ShowMessage(tr("Scanned Successfully to:") + kCr + kCr + written + (note.isEmpty() ? QString() : kCr + kCr + note),
                        tr("Quillon Successful"), MessageIcon::Information, MessageButtons::Ok);
    }

    // The outcome with every document written: those completed at separator
    // sheets, and the one under way when it was saved too.
    ScanOutcome Outcome(ScanOutcome::Kind kind, bool lastSaved = false) const {
        ScanOutcome outcome{kind, 0, {}, {}};
        for (const Document& document : completed_) outcome.documents.push_back({document.path, document.pages});
        const bool multiPage = job_.allowMultiplePages && !job_.wia;
        // A batch that ended on a separator sheet has no document under way.
        if (lastSaved && !nextDocumentDue_) outcome.documents.push_back({job_.outputPath, multiPage ? documentPages_ : 1});
        for (const ScanOutcome::Document& document : outcome.documents) outcome.pages += document.pages;
        if (!outcome.documents.empty()) outcome.path = outcome.documents.back().path;
        outcome.frontsOnly = frontsOnly_ && lastSaved;
        return outcome;
    }

    // What an error left after acquisition means for the caller.
    ScanOutcome OutcomeOfError(int code, bool pagesSaved) const {
        if (!sourceOpened_ && (code == kScannerErrorDeviceGone || code == kScannerErrorNoSource ||
                               code == kScannerErrorAccessDenied || code == kScannerErrorBusy))
            return Outcome(ScanOutcome::Kind::NoScanner);
        if (code == kScannerErrorCancelled) return Outcome(ScanOutcome::Kind::Cancelled, pagesSaved);
        // Documents completed at separators before the failure are saved too.
        if (pagesSaved || !completed_.empty()) return Outcome(ScanOutcome::Kind::FailedAfterPages, pagesSaved);
        return Outcome(ScanOutcome::Kind::Failed);
    }

    // A batch that fails midway still keeps the pages before the failure in the
    // file, replacing any older one: the user must learn that, and where.
    QString PagesSavedBeforeTheError() {
        if (documentPages_ == 0 || library_.TWAIN_LastCompletedFile() != job_.outputPath) return {};
        const QString saved = documentPages_ == 1 ? tr("1 page was saved to:")
                                                  : tr("%n pages were saved to:", nullptr, documentPages_);
        return kCr + kCr + saved + kCr + job_.outputPath;
    }

    // A file that was at the path before the scan and is still there as it
    // was: the user must not wonder whether it was lost.
    QString OlderFileKept(bool nothingSaved) {
        if (!nothingSaved || !olderFileThere_ || !PathExists(job_.outputPath, false)) return {};
        return kCr + kCr + tr("The file already at %1 was kept as it was.").arg(job_.outputPath);
    }

    void ScanningErrorEnd(const QString& detail) {
        ui_.ShowMessage(tr("ERROR: An error occurred while scanning.") + kCr + kCr + detail, tr("Quillon Scanning Error"),
                        MessageIcon::Critical, MessageButtons::Ok);
        FailureEnd();
    }

    void Inform(const QString& text) {
        ui_.ShowMessage(text, tr("Quillon Information"), MessageIcon::Information, MessageButtons::Ok);
    }

    void CanceledEnd() {
        Inform(tr("Canceled Scan"));
        FailureEnd();
        outcome_ = Outcome(ScanOutcome::Kind::Cancelled);
    }

    void FailureEnd() { Unload(); }

    static QString DuplexWarning() {
        return tr("Warning: An attempt was made to enable duplex scanning, however your scanner either does not support "
                  "it, or does not behave according to the TWAIN specifications.");
    }

    // "letters.pdf (3 pages)".
    static QString WithPages(const QString& path, int pages) {
        return pages == 1 ? tr("%1 (1 page)", "a file and its pages").arg(path)
                          : tr("%1 (%n pages)", "a file and its pages", pages).arg(path);
    }

    void Unload() {
        if (unloaded_) return;
        unloaded_ = true;
        library_.TWAIN_UnloadSourceManager();
    }

    OptionControls& controls_;
    ScannerLibrary& library_;
    const RegistryStore& store_;
    UserInterface& ui_;
    PageReviewer* reviewer_;
    std::optional<BatchReview> review_;  // the batch's pages are held for the user's review
    ScanJob job_;
    int pagesWritten_ = 0;  // into the multi-page file
    int documentPages_ = 0;  // written into the document under way
    // Splitting: the documents completed before the one under way, whether
    // the next is still to begin, and whether the page coming is a
    // separator's back.
    struct Document {
        QString path;
        int pages;
    };
    std::vector<Document> completed_;
    bool splitting_ = false;
    bool nextDocumentDue_ = false;
    bool separatorBackDue_ = false;
    std::pair<int, int> stoppedAtBack_{0, 0};  // manual duplex: the back side a failure reached, of how many
    bool backsLeftOut_ = false;                // manual duplex: the backs did not match, and were left out
    bool frontsOnly_ = false;                  // manual duplex: only the fronts are kept, by the user's choice
    bool sourceOpened_ = false;
    bool olderFileThere_ = false;  // at the document's path when it began
    bool unloaded_ = false;
    ScanOutcome outcome_;  // failed, until the job ends otherwise
};

}  // namespace

ScanOutcome RunScan(OptionControls& controls, ScannerLibrary& library, const RegistryStore& store, UserInterface& ui,
                    PageReviewer* reviewer) {
    return ScanRun(controls, library, store, ui, reviewer).Run();
}

}  // namespace quillon
