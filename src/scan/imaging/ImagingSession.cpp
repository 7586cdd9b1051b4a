// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/ImagingSession.h"

#include "scan/ScannerErrors.h"
#include "scan/imaging/BlankPageTest.h"
#include "scan/imaging/Enhancements.h"
#include "scan/imaging/PageImage.h"

#include <algorithm>

namespace quillon {

void ImagingSession::SetJpegQuality(int quality) { jpegQuality_ = std::clamp(quality, 1, 100); }

void ImagingSession::SetEnhancements(bool contrast, bool crop, bool deskew) {
    contrast_ = contrast;
    crop_ = crop;
    deskew_ = deskew;
}

ImageHandle ImagingSession::Adopt(QImage page, int dpi) {
    page = AsPageFormat(page);
    if (page.isNull()) {
        RecordError(kScannerErrorShortImage, QStringLiteral("an empty page"));
        return {};
    }
    SetPageDpi(page, dpi > 0 ? dpi : kDefaultPageDpi);
    // Straighten first, so crop and contrast see the page as it will be kept.
    if (deskew_) page = AutoDeskew(page);
    if (crop_) page = AutoCrop(page);
    if (contrast_) page = AutoContrast(page);
    const ImageHandle handle{nextHandle_++};
    images_.emplace(handle.value, std::move(page));
    return handle;
}

const QImage* ImagingSession::Image(ImageHandle image) const {
    const auto found = images_.find(image.value);
    return found == images_.end() ? nullptr : &found->second;
}

int ImagingSession::IsBlank(ImageHandle image, double threshold) {
    const QImage* page = Image(image);
    if (!page) return 0;
    return IsBlankPage(*page, threshold) ? 1 : 0;
}

void ImagingSession::Free(ImageHandle image) { images_.erase(image.value); }

bool ImagingSession::CanWriteSingleFile(const QString& path) {
    if (FormatOfPath(path) != DocumentFormat::Unknown) return true;
    RecordError(kScannerErrorBadFileType, path);
    return false;
}

int ImagingSession::WriteSingleFile(const QString& path, ImageHandle image) {
    const QImage* page = Image(image);
    if (!page) return RecordError(kScannerErrorInternal, QStringLiteral("no such image")), 1;
    if (!CanWriteSingleFile(path)) return 1;
    SafeOutputFile output;
    if (!output.Open(path)) return RecordError(kScannerErrorWriteFailed, output.error()), 1;
    const std::unique_ptr<DocumentWriter> writer = CreateDocumentWriter(FormatOfPath(path), output.fd(), jpegQuality_);
    if (!writer->AddPage(*page) || !writer->Finish()) return RecordError(kScannerErrorWriteFailed, writer->error()), 1;
    if (!output.Commit()) return RecordError(kScannerErrorWriteFailed, output.error()), 1;
    lastCompleted_ = path;
    return 0;
}

int ImagingSession::BeginDocument(const QString& path) {
    if (writer_) {
        writer_.reset();
        output_.Discard();
    }
    const DocumentFormat format = FormatOfPath(path);
    if (!IsMultiPageFormat(format)) return RecordError(kScannerErrorBadFileType, path), 1;
    if (!output_.Open(path)) return RecordError(kScannerErrorWriteFailed, output_.error()), 1;
    writer_ = CreateDocumentWriter(format, output_.fd(), jpegQuality_);
    return 0;
}

int ImagingSession::WritePage(ImageHandle image) {
    if (!writer_) return RecordError(kScannerErrorInternal, QStringLiteral("no document is open")), 1;
    const QImage* page = Image(image);
    if (!page) return RecordError(kScannerErrorInternal, QStringLiteral("no such image")), 1;
    if (!writer_->AddPage(*page)) return RecordError(kScannerErrorWriteFailed, writer_->error()), 1;
    return 0;
}

int ImagingSession::EndDocument() {
    if (!writer_) return RecordError(kScannerErrorInternal, QStringLiteral("no document is open")), 1;
    const std::unique_ptr<DocumentWriter> writer = std::move(writer_);
    if (writer->pageCount() == 0) {
        // Nothing to keep: no file is made, and an old one stays as it was.
        output_.Discard();
        return RecordError(kScannerErrorNothingWritten), 1;
    }
    if (!writer->Finish()) {
        output_.Discard();
        return RecordError(kScannerErrorWriteFailed, writer->error()), 1;
    }
    const QString target = output_.targetPath();
    if (!output_.Commit()) return RecordError(kScannerErrorWriteFailed, output_.error()), 1;
    lastCompleted_ = target;
    return 0;
}

void ImagingSession::Discard() {
    writer_.reset();
    output_.Discard();
    images_.clear();
}

void ImagingSession::Reset() {
    Discard();
    lastCompleted_.clear();
    lastErrorCode_ = 0;
    lastErrorDetail_.clear();
}

void ImagingSession::RecordError(int code, const QString& detail) {
    if (lastErrorCode_ != 0 || code == 0) return;
    lastErrorCode_ = code;
    lastErrorDetail_ = detail;
}

QString ImagingSession::lastErrorText() const {
    const QString text = ScannerErrorText(lastErrorCode_);
    if (lastErrorDetail_.isEmpty() || lastErrorCode_ != kScannerErrorWriteFailed) return text;
    return text + QLatin1Char(' ') + lastErrorDetail_;
}

}  // namespace quillon
