// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScanDocument.h"

#include "scan/ScannerErrors.h"

namespace quillon {

namespace {

int ErrorOf(DocumentFailure::Kind kind) {
    switch (kind) {
        case DocumentFailure::Kind::None: return kScannerErrorNone;
        case DocumentFailure::Kind::EmptyPage: return kScannerErrorShortImage;
        case DocumentFailure::Kind::FileType: return kScannerErrorBadFileType;
        case DocumentFailure::Kind::Write: return kScannerErrorWriteFailed;
        case DocumentFailure::Kind::NoMemory: return kScannerErrorNoMemory;
        case DocumentFailure::Kind::Cancelled: return kScannerErrorCancelled;
        case DocumentFailure::Kind::NothingWritten: return kScannerErrorNothingWritten;
        case DocumentFailure::Kind::Misuse: return kScannerErrorInternal;
    }
    return kScannerErrorInternal;
}

// The scan's view of a held page's kind, and how the document counts it.
OutputDocument::CountedAs CountedAs(HeldPageKind kind) {
    switch (kind) {
        case HeldPageKind::Kept: return OutputDocument::CountedAs::Kept;
        case HeldPageKind::LeftOutBlank: return OutputDocument::CountedAs::LeftOutBlank;
        case HeldPageKind::Separator: return OutputDocument::CountedAs::Neither;
    }
    return OutputDocument::CountedAs::Neither;
}

}  // namespace

int ScanDocument::Record(const DocumentFailure& failure) {
    if (!failure.failed()) return 0;
    RecordError(ErrorOf(failure.kind), failure.detail);
    return 1;
}

ImageHandle ScanDocument::Adopt(QImage page, int dpi) {
    const ImageHandle image{document_.Adopt(std::move(page), dpi)};
    if (!image) Record({DocumentFailure::Kind::EmptyPage, QStringLiteral("an empty page")});
    return image;
}

bool ScanDocument::CanWriteSingleFile(const QString& path) {
    if (OutputDocument::CanWriteSingleFile(path)) return true;
    Record({DocumentFailure::Kind::FileType, path});
    return false;
}

int ScanDocument::WriteSingleFile(const QString& path, ImageHandle image) {
    return Record(document_.WriteSingleFile(path, image.value));
}

int ScanDocument::BeginDocument(const QString& path, int number) { return Record(document_.BeginDocument(path, number)); }

int ScanDocument::WritePage(ImageHandle image) { return Record(document_.WritePage(image.value)); }

int ScanDocument::EndDocument() { return Record(document_.EndDocument()); }

int ScanDocument::BeginHolding(const QString& path) { return Record(document_.BeginHolding(path)); }

int ScanDocument::HoldPage(ImageHandle image, HeldPageKind kind) {
    return Record(document_.HoldPage(image.value, static_cast<int>(kind), CountedAs(kind)));
}

std::vector<HeldPage> ScanDocument::HeldPages() {
    std::vector<HeldPage> pages;
    for (HeldPicture& held : document_.HeldPages())
        pages.push_back({static_cast<HeldPageKind>(held.mark), std::move(held.thumbnail), std::move(held.view)});
    return pages;
}

int ScanDocument::WriteHeldPage(int index, int quarterTurns) { return Record(document_.WriteHeldPage(index, quarterTurns)); }

DocumentSoFar ScanDocument::SoFar() const {
    OutputDocument::SoFar soFar = document_.soFar();
    return {soFar.kept, soFar.leftOutBlank, std::move(soFar.lastPage)};
}

void ScanDocument::Reset() {
    Discard();
    document_.ForgetCompleted();
    lastErrorCode_ = 0;
    lastErrorDetail_.clear();
}

void ScanDocument::RecordError(int code, const QString& detail) {
    if (lastErrorCode_ != 0 || code == 0) return;
    lastErrorCode_ = code;
    lastErrorDetail_ = detail;
}

QString ScanDocument::lastErrorText() const {
    const QString text = ScannerErrorText(lastErrorCode_);
    if (lastErrorDetail_.isEmpty() || (lastErrorCode_ != kScannerErrorWriteFailed && lastErrorCode_ != kScannerErrorSystem &&
                                      lastErrorCode_ != kScannerErrorImageFile))
        return text;
    return text + QLatin1Char(' ') + lastErrorDetail_;
}

}  // namespace quillon
