// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScanDocument.h"

#include <QCoreApplication>

#include "scan/ScannerErrors.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/pipeline/PageHold.h"
#include "scan/imaging/pages/PageMemory.h"
#include "scan/imaging/pipeline/PagePipeline.h"
#include "scan/imaging/text/TextRecognizer.h"

#include <QFile>

#include <algorithm>
#include <utility>

#include <sys/stat.h>

namespace quillon {

namespace {
// Pages under way for each worker while pages are read for their text, as
// long as their pixels stay within the budget (large colour pages are fewer).
constexpr int kReadingPagesPerWorker = 3;
constexpr qint64 kReadingPagesBudget = qint64{256} << 20;
}  // namespace

ScanDocument::ScanDocument() : pipeline_(std::make_unique<PagePipeline>()) {}

// Reading a page's text takes seconds, and some pages far longer than others:
// while a long page is read, the pages after it wait for their place in the
// file, and with room for only one more the other workers would stand idle.
void ScanDocument::SetTextRecognition(TextLanguages languages) {
    text_ = std::move(languages);
    const int workers = pipeline_->workers();
    if (text_.codes.isEmpty()) pipeline_->SetCapacity(workers + 1);
    else pipeline_->SetCapacity(kReadingPagesPerWorker * workers + 1, kReadingPagesBudget);
}

ScanDocument::~ScanDocument() { pipeline_.reset(); }

bool ScanDocument::WaitForRoom(const std::function<bool()>& stopped) { return pipeline_->WaitForRoom(stopped); }

void ScanDocument::GiveBackRoom() { pipeline_->GiveBackRoom(); }

void ScanDocument::WakeRoomWaiters() { pipeline_->WakeWaiters(); }

QString ScanDocument::EndingCaption() const {
    const auto [placed, written] = pipeline_->DocumentProgress();
    if (text_.codes.isEmpty() || placed >= written) return {};
    return QCoreApplication::translate("Imaging", "Reading the text of page %1 of %2").arg(placed + 1).arg(written);
}

void ScanDocument::SkipText() { pipeline_->SkipText(); }

QStringList ScanDocument::TakePageNotes() { return std::exchange(singleFileNotes_, {}) + pipeline_->TakeNotes(); }

void ScanDocument::SetJpegQuality(int quality) { jpegQuality_ = std::clamp(quality, 1, 100); }

void ScanDocument::SetEnhancements(bool contrast, bool crop, bool deskew) {
    contrast_ = contrast;
    crop_ = crop;
    deskew_ = deskew;
}

ImageHandle ScanDocument::Adopt(QImage page, int dpi) {
    page = AsPageFormat(page);
    if (page.isNull()) {
        pipeline_->GiveBackRoom();
        RecordError(kScannerErrorShortImage, QStringLiteral("an empty page"));
        return {};
    }
    SetPageDpi(page, dpi > 0 ? dpi : kDefaultPageDpi);
    const ImageHandle image{pipeline_->Adopt(std::move(page), {contrast_, crop_, deskew_, findSeparators_, holding()})};
    sides_[image.value] = {backPass_, backPass_ ? ++backsScanned_ : ++frontsScanned_};
    return image;
}

const QImage* ScanDocument::Image(ImageHandle image) { return pipeline_->Prepared(image.value); }

int ScanDocument::IsBlank(ImageHandle image, double threshold) {
    if (!pipeline_->Holds(image.value)) return 0;
    const bool blank = pipeline_->Ink(image.value).coverage < threshold;
    if (blank) judgedBlank_.insert(image.value);
    return blank ? 1 : 0;
}

bool ScanDocument::IsSeparator(ImageHandle image) {
    return pipeline_->Holds(image.value) && pipeline_->IsSeparator(image.value);
}

void ScanDocument::Free(ImageHandle image) {
    // A page found blank and let go unwritten was left out as blank.
    if (judgedBlank_.erase(image.value) > 0 && writer_) ++blankPagesLeftOut_;
    sides_.erase(image.value);
    pipeline_->Release(image.value);
}

void ScanDocument::BeginBackSides() {
    backPass_ = true;
    backsScanned_ = 0;
}

DocumentSoFar ScanDocument::SoFar() const {
    return {pagesKept_.load(), blankPagesLeftOut_.load(), pipeline_->LatestPreview()};
}

bool ScanDocument::CanWriteSingleFile(const QString& path) {
    if (FormatOfPath(path) != DocumentFormat::Unknown) return true;
    RecordError(kScannerErrorBadFileType, path);
    return false;
}

int ScanDocument::WriteSingleFile(const QString& path, ImageHandle image) {
    const QImage* page = Image(image);
    if (!page) return RecordError(kScannerErrorInternal, QStringLiteral("no such image")), 1;
    if (!CanWriteSingleFile(path)) return 1;
    SafeOutputFile output;
    if (!output.Open(path, SafeOutputFile::LinkAtTarget::WrittenThrough))
        return RecordError(kScannerErrorWriteFailed, output.error()), 1;
    const std::unique_ptr<DocumentWriter> writer = CreateDocumentWriter(FormatOfPath(path), output.fd(), jpegQuality_, compactPages_);
    EncodedPage encoded = writer->Encode(*page);
    if (!encoded.note.isEmpty()) singleFileNotes_.append(QStringLiteral("page 1: ") + encoded.note);
    if (!writer->AddEncoded(std::move(encoded)) || !writer->Finish())
        return RecordError(kScannerErrorWriteFailed, writer->error()), 1;
    if (!output.Commit()) return RecordError(output.givenUp() ? kScannerErrorCancelled : kScannerErrorWriteFailed, output.error()), 1;
    Completed(path, *writer);
    return 0;
}

int ScanDocument::BeginDocument(const QString& path, int number) {
    if (writer_) {
        if (!holding()) pipeline_->Abandon();
        writer_.reset();
        output_.Discard();
    }
    const DocumentFormat format = FormatOfPath(path);
    if (!IsMultiPageFormat(format)) return RecordError(kScannerErrorBadFileType, path), 1;
    // Whether a file is there now decides what a cancel does with this document.
    struct stat status {};
    replacing_ = number == 0 && ::lstat(QFile::encodeName(path).constData(), &status) == 0;
    if (!(number == 0 ? output_.Open(path, SafeOutputFile::LinkAtTarget::WrittenThrough) : output_.OpenNumbered(path, number)))
        return RecordError(kScannerErrorWriteFailed, output_.error()), 1;
    writer_ = CreateDocumentWriter(format, output_.fd(), jpegQuality_, compactPages_);
    // Held pages are still placed in the hold; the document takes them when it ends.
    if (!holding()) pipeline_->SetWriter(writer_.get(), text_);
    planned_.clear();
    StartCounting();
    return 0;
}

// A new document, or a new batch held for review, counts its pages and sides from the start.
void ScanDocument::StartCounting() {
    pagesKept_ = 0;
    blankPagesLeftOut_ = 0;
    writtenSides_.clear();
    backPass_ = false;
    frontsScanned_ = backsScanned_ = 0;
    backSides_ = BackSides::FromLastSheet;
}

// The page is encoded and placed on the pipeline's workers; what failed for a
// page before is reported here.
int ScanDocument::WritePage(ImageHandle image) {
    if (!writer_) return RecordError(kScannerErrorInternal, QStringLiteral("no document is open")), 1;
    if (!pipeline_->Holds(image.value)) return RecordError(kScannerErrorInternal, QStringLiteral("no such image")), 1;
    if (!pipeline_->Write(image.value)) return RecordError(PipelineErrorCode(), pipeline_->error()), 1;
    judgedBlank_.erase(image.value);  // kept after all, as a first page is
    ++pagesKept_;
    const auto side = sides_.find(image.value);
    writtenSides_.push_back(side != sides_.end() ? side->second : SideOfSheet{});
    return 0;
}

int ScanDocument::EndDocument() {
    if (!writer_) return RecordError(kScannerErrorInternal, QStringLiteral("no document is open")), 1;
    const bool placed = pipeline_->Drain();
    const QString failure = pipeline_->error();
    const int code = PipelineErrorCode();
    if (!holding()) pipeline_->SetWriter(nullptr);
    const std::unique_ptr<DocumentWriter> writer = std::move(writer_);
    if (!placed) {
        output_.Discard();
        return RecordError(code, failure), 1;
    }
    if (holding() && !PlaceHeldPages(*writer)) {
        output_.Discard();
        return 1;
    }
    if (writer->pageCount() == 0) {
        // Nothing to keep: no file is made, and an old one stays as it was.
        output_.Discard();
        return RecordError(kScannerErrorNothingWritten), 1;
    }
    // A stack scanned one side at a time: its sides interleaved, as the sheets were.
    if (backPass_) writer->SetPageOrder(InterleavedOrder(writtenSides_, frontsScanned_, backsScanned_, backSides_));
    if (!writer->Finish()) {
        output_.Discard();
        return RecordError(kScannerErrorWriteFailed, writer->error()), 1;
    }
    if (!output_.Commit())
        return RecordError(output_.givenUp() ? kScannerErrorCancelled : kScannerErrorWriteFailed, output_.error()), 1;
    Completed(output_.targetPath(), *writer);  // a series' file has its name now
    return 0;
}

int ScanDocument::BeginHolding(const QString& path) {
    EndHolding();
    const DocumentFormat format = FormatOfPath(path);
    if (!IsMultiPageFormat(format)) return RecordError(kScannerErrorBadFileType, path), 1;
    hold_ = std::make_unique<PageHold>();
    // Encoding touches no file: the document's writer encodes with no file open.
    holdingWriter_ = CreateHoldingWriter(CreateDocumentWriter(format, -1, jpegQuality_, compactPages_), *hold_);
    pipeline_->SetWriter(holdingWriter_.get(), text_);
    StartCounting();
    return 0;
}

int ScanDocument::HoldPage(ImageHandle image, HeldPageKind kind) {
    if (!holding()) return RecordError(kScannerErrorInternal, QStringLiteral("no pages are held")), 1;
    if (!pipeline_->Holds(image.value)) return RecordError(kScannerErrorInternal, QStringLiteral("no such image")), 1;
    PagePictures pictures = pipeline_->Pictures(image.value);
    if (!pipeline_->Write(image.value)) return RecordError(PipelineErrorCode(), pipeline_->error()), 1;
    judgedBlank_.erase(image.value);  // counted here, as what it was held as
    if (kind == HeldPageKind::Kept) ++pagesKept_;
    if (kind == HeldPageKind::LeftOutBlank) ++blankPagesLeftOut_;
    const auto side = sides_.find(image.value);
    held_.push_back({{kind, std::move(pictures.thumbnail), std::move(pictures.view)},
                     side != sides_.end() ? side->second : SideOfSheet{}});
    return 0;
}

// A stack scanned one side at a time is shown as the sheets were: its backs
// join the fronts once, and pages held after that come at the end.
std::vector<HeldPage> ScanDocument::HeldPages() {
    if (backPass_) {
        std::vector<SideOfSheet> sides;
        for (const HeldEntry& entry : held_) sides.push_back(entry.side);
        shown_ = InterleavedOrder(sides, frontsScanned_, backsScanned_, backSides_);
        backPass_ = false;
        heldListed_ = held_.size();
    }
    for (; heldListed_ < held_.size(); ++heldListed_) shown_.push_back(static_cast<int>(heldListed_));
    std::vector<HeldPage> pages;
    for (const int place : shown_) pages.push_back(held_[static_cast<std::size_t>(place)].page);
    return pages;
}

int ScanDocument::WriteHeldPage(int index, int quarterTurns) {
    if (!writer_ || !holding()) return RecordError(kScannerErrorInternal, QStringLiteral("no document is open")), 1;
    if (index < 0 || index >= static_cast<int>(shown_.size()))
        return RecordError(kScannerErrorInternal, QStringLiteral("no such page")), 1;
    planned_.emplace_back(shown_[static_cast<std::size_t>(index)], quarterTurns);
    ++pagesKept_;
    return 0;
}

// Every held page is encoded by now: the document's take theirs from the hold.
bool ScanDocument::PlaceHeldPages(DocumentWriter& writer) {
    for (const auto& [place, turns] : std::exchange(planned_, {})) {
        std::optional<EncodedPage> page = hold_->Take(place);
        if (!page) {
            const QString why = hold_->error();
            return RecordError(kScannerErrorWriteFailed, why.isEmpty() ? QStringLiteral("a held page was taken twice") : why), false;
        }
        page->quarterTurns += turns;
        if (!writer.AddEncoded(std::move(*page))) return RecordError(kScannerErrorWriteFailed, writer.error()), false;
    }
    return true;
}

void ScanDocument::EndHolding() {
    if (!holding()) return;
    pipeline_->Abandon();
    pipeline_->SetWriter(nullptr);
    holdingWriter_.reset();
    hold_.reset();
    held_.clear();
    shown_.clear();
    heldListed_ = 0;
    planned_.clear();
}

// A page whose text could not be read is still the user's page: it is kept,
// and the user is told, since the file is then only partly searchable.
void ScanDocument::Completed(const QString& path, const DocumentWriter& writer) {
    lastCompleted_ = path;
    const int unread = writer.pagesWithoutText(), pages = writer.pageCount();
    lastCompletedNote_ = unread == 0  ? QString()
                         : pages == 1 ? QCoreApplication::translate("Imaging", "The page was saved without searchable text.")
                                      : QCoreApplication::translate("Imaging", "%1 of %2 pages were saved without searchable text.")
                                            .arg(unread)
                                            .arg(pages);
}

void ScanDocument::GiveUp() {
    output_.GiveUp();
    SkipText();
}

void ScanDocument::Discard() {
    EndHolding();
    pipeline_->Clear();
    judgedBlank_.clear();
    sides_.clear();
    writer_.reset();
    output_.Discard();
    ReleaseSparePageMemory();
    ReleaseTextEngines();
}

void ScanDocument::Reset() {
    Discard();
    lastCompleted_.clear();
    lastCompletedNote_.clear();
    lastErrorCode_ = 0;
    lastErrorDetail_.clear();
}

void ScanDocument::RecordError(int code, const QString& detail) {
    if (lastErrorCode_ != 0 || code == 0) return;
    lastErrorCode_ = code;
    lastErrorDetail_ = detail;
}

int ScanDocument::PipelineErrorCode() const {
    return pipeline_->outOfMemory() ? kScannerErrorNoMemory : kScannerErrorWriteFailed;
}

QString ScanDocument::lastErrorText() const {
    const QString text = ScannerErrorText(lastErrorCode_);
    if (lastErrorDetail_.isEmpty() || (lastErrorCode_ != kScannerErrorWriteFailed && lastErrorCode_ != kScannerErrorSystem &&
                                      lastErrorCode_ != kScannerErrorImageFile))
        return text;
    return text + QLatin1Char(' ') + lastErrorDetail_;
}

}  // namespace quillon
