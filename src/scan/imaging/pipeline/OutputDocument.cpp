// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pipeline/OutputDocument.h"

#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/pages/PageMemory.h"
#include "scan/imaging/pipeline/PageHold.h"
#include "scan/imaging/pipeline/PagePipeline.h"
#include "scan/imaging/text/TextRecognizer.h"

#include <QCoreApplication>
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

DocumentFailure Failure(DocumentFailure::Kind kind, QString detail = {}) { return {kind, std::move(detail)}; }

DocumentFailure NoSuchPage() { return Failure(DocumentFailure::Kind::Misuse, QStringLiteral("no such image")); }

DocumentFailure NoDocumentOpen() { return Failure(DocumentFailure::Kind::Misuse, QStringLiteral("no document is open")); }

}  // namespace

OutputDocument::OutputDocument() : pipeline_(std::make_unique<PagePipeline>()) {}

OutputDocument::~OutputDocument() { pipeline_.reset(); }

// Reading a page's text takes seconds, and some pages far longer than others:
// while a long page is read, the pages after it wait for their place in the
// file, and with room for only one more the other workers would stand idle.
void OutputDocument::SetTextRecognition(TextLanguages languages) {
    text_ = std::move(languages);
    const int workers = pipeline_->workers();
    if (text_.codes.isEmpty()) pipeline_->SetCapacity(workers + 1);
    else pipeline_->SetCapacity(kReadingPagesPerWorker * workers + 1, kReadingPagesBudget);
}

bool OutputDocument::WaitForRoom(const std::function<bool()>& stopped) { return pipeline_->WaitForRoom(stopped); }

void OutputDocument::GiveBackRoom() { pipeline_->GiveBackRoom(); }

void OutputDocument::WakeRoomWaiters() { pipeline_->WakeWaiters(); }

QString OutputDocument::EndingCaption() const {
    const auto [placed, written] = pipeline_->DocumentProgress();
    if (text_.codes.isEmpty() || placed >= written) return {};
    return QCoreApplication::translate("Imaging", "Reading the text of page %1 of %2").arg(placed + 1).arg(written);
}

void OutputDocument::SkipText() { pipeline_->SkipText(); }

QStringList OutputDocument::TakePageNotes() { return std::exchange(singleFileNotes_, {}) + pipeline_->TakeNotes(); }

void OutputDocument::SetJpegQuality(int quality) { jpegQuality_ = std::clamp(quality, 1, 100); }

void OutputDocument::SetEnhancements(bool contrast, bool crop, bool deskew) {
    contrast_ = contrast;
    crop_ = crop;
    deskew_ = deskew;
}

std::uint64_t OutputDocument::Adopt(QImage page, int dpi) {
    page = AsPageFormat(page);
    if (page.isNull()) {
        pipeline_->GiveBackRoom();
        return 0;
    }
    SetPageDpi(page, dpi > 0 ? dpi : kDefaultPageDpi);
    const std::uint64_t id = pipeline_->Adopt(std::move(page), {contrast_, crop_, deskew_, findSeparators_, holding()});
    sides_[id] = {backPass_, backPass_ ? ++backsScanned_ : ++frontsScanned_};
    return id;
}

const QImage* OutputDocument::Image(std::uint64_t page) { return pipeline_->Prepared(page); }

bool OutputDocument::IsBlank(std::uint64_t page, double threshold) {
    if (!pipeline_->Holds(page)) return false;
    const bool blank = pipeline_->Ink(page).coverage < threshold;
    if (blank) judgedBlank_.insert(page);
    return blank;
}

bool OutputDocument::IsSeparator(std::uint64_t page) { return pipeline_->Holds(page) && pipeline_->IsSeparator(page); }

void OutputDocument::Free(std::uint64_t page) {
    if (judgedBlank_.erase(page) > 0 && writer_) ++blankPagesLeftOut_;
    sides_.erase(page);
    pipeline_->Release(page);
}

void OutputDocument::BeginBackSides() {
    backPass_ = true;
    backsScanned_ = 0;
}

OutputDocument::SoFar OutputDocument::soFar() const {
    return {pagesKept_.load(), blankPagesLeftOut_.load(), pipeline_->LatestPreview()};
}

bool OutputDocument::CanWriteSingleFile(const QString& path) { return FormatOfPath(path) != DocumentFormat::Unknown; }

DocumentFailure OutputDocument::WriteSingleFile(const QString& path, std::uint64_t id) {
    const QImage* page = Image(id);
    if (!page) return NoSuchPage();
    if (!CanWriteSingleFile(path)) return Failure(DocumentFailure::Kind::FileType, path);
    SafeOutputFile output;
    if (!output.Open(path, SafeOutputFile::LinkAtTarget::WrittenThrough))
        return Failure(DocumentFailure::Kind::Write, output.error());
    const std::unique_ptr<DocumentWriter> writer = CreateDocumentWriter(FormatOfPath(path), output.fd(), jpegQuality_, compactPages_);
    EncodedPage encoded = writer->Encode(*page);
    if (!encoded.note.isEmpty()) singleFileNotes_.append(QStringLiteral("page 1: ") + encoded.note);
    if (!writer->AddEncoded(std::move(encoded)) || !writer->Finish())
        return Failure(DocumentFailure::Kind::Write, writer->error());
    if (!output.Commit())
        return Failure(output.givenUp() ? DocumentFailure::Kind::Cancelled : DocumentFailure::Kind::Write, output.error());
    Completed(path, *writer);
    return {};
}

DocumentFailure OutputDocument::BeginDocument(const QString& path, int number) {
    if (writer_) {
        if (!holding()) pipeline_->Abandon();
        writer_.reset();
        output_.Discard();
    }
    const DocumentFormat format = FormatOfPath(path);
    if (!IsMultiPageFormat(format)) return Failure(DocumentFailure::Kind::FileType, path);
    // Whether a file is there now decides what a cancel does with this document.
    struct stat status {};
    replacing_ = number == 0 && ::lstat(QFile::encodeName(path).constData(), &status) == 0;
    if (!(number == 0 ? output_.Open(path, SafeOutputFile::LinkAtTarget::WrittenThrough) : output_.OpenNumbered(path, number)))
        return Failure(DocumentFailure::Kind::Write, output_.error());
    writer_ = CreateDocumentWriter(format, output_.fd(), jpegQuality_, compactPages_);
    // Held pages are still placed in the hold; the document takes them when it ends.
    if (!holding()) pipeline_->SetWriter(writer_.get(), text_);
    planned_.clear();
    StartCounting();
    return {};
}

// A new document, or a new batch held for review, counts its pages and sides from the start.
void OutputDocument::StartCounting() {
    pagesKept_ = 0;
    blankPagesLeftOut_ = 0;
    writtenSides_.clear();
    backPass_ = false;
    frontsScanned_ = backsScanned_ = 0;
    backSides_ = BackSides::FromLastSheet;
}

DocumentFailure OutputDocument::PipelineFailure() const {
    return Failure(pipeline_->outOfMemory() ? DocumentFailure::Kind::NoMemory : DocumentFailure::Kind::Write, pipeline_->error());
}

// The page is encoded and placed on the pipeline's workers; what failed for a
// page before is reported here.
DocumentFailure OutputDocument::WritePage(std::uint64_t page) {
    if (!writer_) return NoDocumentOpen();
    if (!pipeline_->Holds(page)) return NoSuchPage();
    if (!pipeline_->Write(page)) return PipelineFailure();
    judgedBlank_.erase(page);  // kept after all, as a first page is
    ++pagesKept_;
    const auto side = sides_.find(page);
    writtenSides_.push_back(side != sides_.end() ? side->second : SideOfSheet{});
    return {};
}

DocumentFailure OutputDocument::EndDocument() {
    if (!writer_) return NoDocumentOpen();
    const bool placed = pipeline_->Drain();
    const DocumentFailure failure = PipelineFailure();
    if (!holding()) pipeline_->SetWriter(nullptr);
    const std::unique_ptr<DocumentWriter> writer = std::move(writer_);
    if (!placed) {
        output_.Discard();
        return failure;
    }
    if (holding()) {
        if (DocumentFailure held = PlaceHeldPages(*writer); held.failed()) {
            output_.Discard();
            return held;
        }
    }
    if (writer->pageCount() == 0) {
        // Nothing to keep: no file is made, and an old one stays as it was.
        output_.Discard();
        return Failure(DocumentFailure::Kind::NothingWritten);
    }
    // A stack scanned one side at a time: its sides interleaved, as the sheets were.
    if (backPass_) writer->SetPageOrder(InterleavedOrder(writtenSides_, frontsScanned_, backsScanned_, backSides_));
    if (!writer->Finish()) {
        output_.Discard();
        return Failure(DocumentFailure::Kind::Write, writer->error());
    }
    if (!output_.Commit())
        return Failure(output_.givenUp() ? DocumentFailure::Kind::Cancelled : DocumentFailure::Kind::Write, output_.error());
    Completed(output_.targetPath(), *writer);  // a series' file has its name now
    return {};
}

DocumentFailure OutputDocument::BeginHolding(const QString& path) {
    EndHolding();
    const DocumentFormat format = FormatOfPath(path);
    if (!IsMultiPageFormat(format)) return Failure(DocumentFailure::Kind::FileType, path);
    hold_ = std::make_unique<PageHold>();
    // Encoding touches no file: the document's writer encodes with no file open.
    holdingWriter_ = CreateHoldingWriter(CreateDocumentWriter(format, -1, jpegQuality_, compactPages_), *hold_);
    pipeline_->SetWriter(holdingWriter_.get(), text_);
    StartCounting();
    return {};
}

DocumentFailure OutputDocument::HoldPage(std::uint64_t page, int mark, CountedAs counted) {
    if (!holding()) return Failure(DocumentFailure::Kind::Misuse, QStringLiteral("no pages are held"));
    if (!pipeline_->Holds(page)) return NoSuchPage();
    PagePictures pictures = pipeline_->Pictures(page);
    if (!pipeline_->Write(page)) return PipelineFailure();
    judgedBlank_.erase(page);  // counted here, as what it was held as
    if (counted == CountedAs::Kept) ++pagesKept_;
    if (counted == CountedAs::LeftOutBlank) ++blankPagesLeftOut_;
    const auto side = sides_.find(page);
    held_.push_back({{mark, std::move(pictures.thumbnail), std::move(pictures.view)},
                     side != sides_.end() ? side->second : SideOfSheet{}});
    return {};
}

// A stack scanned one side at a time is shown as the sheets were: its backs
// join the fronts once, and pages held after that come at the end.
std::vector<HeldPicture> OutputDocument::HeldPages() {
    if (backPass_) {
        std::vector<SideOfSheet> sides;
        for (const HeldEntry& entry : held_) sides.push_back(entry.side);
        shown_ = InterleavedOrder(sides, frontsScanned_, backsScanned_, backSides_);
        backPass_ = false;
        heldListed_ = held_.size();
    }
    for (; heldListed_ < held_.size(); ++heldListed_) shown_.push_back(static_cast<int>(heldListed_));
    std::vector<HeldPicture> pages;
    for (const int place : shown_) pages.push_back(held_[static_cast<std::size_t>(place)].page);
    return pages;
}

DocumentFailure OutputDocument::WriteHeldPage(int index, int quarterTurns) {
    if (!writer_ || !holding()) return NoDocumentOpen();
    if (index < 0 || index >= static_cast<int>(shown_.size()))
        return Failure(DocumentFailure::Kind::Misuse, QStringLiteral("no such page"));
    planned_.emplace_back(shown_[static_cast<std::size_t>(index)], quarterTurns);
    ++pagesKept_;
    return {};
}

// Every held page is encoded by now: the document's take theirs from the hold.
DocumentFailure OutputDocument::PlaceHeldPages(DocumentWriter& writer) {
    for (const auto& [place, turns] : std::exchange(planned_, {})) {
        std::optional<EncodedPage> page = hold_->Take(place);
        if (!page) {
            const QString why = hold_->error();
            return Failure(DocumentFailure::Kind::Write, why.isEmpty() ? QStringLiteral("a held page was taken twice") : why);
        }
        page->quarterTurns += turns;
        if (!writer.AddEncoded(std::move(*page))) return Failure(DocumentFailure::Kind::Write, writer.error());
    }
    return {};
}

void OutputDocument::EndHolding() {
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
void OutputDocument::Completed(const QString& path, const DocumentWriter& writer) {
    lastCompleted_ = path;
    const int unread = writer.pagesWithoutText(), pages = writer.pageCount();
    lastCompletedNote_ = unread == 0  ? QString()
                         : pages == 1 ? QCoreApplication::translate("Imaging", "The page was saved without searchable text.")
                                      : QCoreApplication::translate("Imaging", "%1 of %2 pages were saved without searchable text.")
                                            .arg(unread)
                                            .arg(pages);
}

void OutputDocument::ForgetCompleted() {
    lastCompleted_.clear();
    lastCompletedNote_.clear();
}

void OutputDocument::GiveUp() {
    output_.GiveUp();
    SkipText();
}

void OutputDocument::Discard() {
    EndHolding();
    pipeline_->Clear();
    judgedBlank_.clear();
    sides_.clear();
    writer_.reset();
    output_.Discard();
    ReleaseSparePageMemory();
    ReleaseTextEngines();
}

}  // namespace quillon
