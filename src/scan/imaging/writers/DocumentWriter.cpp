// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/writers/DocumentWriter.h"

#include <QCoreApplication>

#include "scan/imaging/writers/PageEncoders.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/writers/PdfWriter.h"
#include "scan/imaging/writers/SafeOutputFile.h"
#include "scan/imaging/writers/TiffWriter.h"
#include "settings/SettingsCatalogue.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace quillon {

namespace {

// A single JPEG or PNG image, written when its one page comes.
class ImageFileWriter : public DocumentWriter {
public:
    ImageFileWriter(int fd, DocumentFormat format, int quality) : fd_(fd), format_(format), quality_(quality) {}

    EncodedPage Encode(const QImage& input) const override {
        const QImage page = AsPageFormat(input);
        EncodedPage encoded = EncodedPage::Describing(page);
        if (format_ == DocumentFormat::Jpeg) {
            // JPEG holds no black-and-white pages; they are written as grey.
            encoded.data = EncodeJpeg(page, quality_);
        } else {
            QBuffer buffer(&encoded.data);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "png");
            if (!writer.write(page)) encoded.error = writer.errorString();
        }
        if (encoded.data.isEmpty() && encoded.error.isEmpty()) encoded.error = QStringLiteral("an empty page");
        return encoded;
    }

    // Encoded in memory, then written with the system's own calls, which
    // tell why a write fails ("No space left on device").
    bool AddEncoded(EncodedPage page) override {
        if (pageCount_ > 0) return Fail(QCoreApplication::translate("Imaging", "A JPEG or PNG file holds one page only."));
        if (!page.error.isEmpty()) return Fail(QCoreApplication::translate("Imaging", "The image could not be encoded: ") + page.error);
        const QByteArray& bytes = page.data;
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t count = ::write(fd_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
            if (count < 0 && errno == EINTR) continue;
            if (count <= 0) return Fail(SystemErrorText(count < 0 ? errno : ENOSPC) + QLatin1Char('.'));
            done += count;
        }
        ++pageCount_;
        return true;
    }

    bool Finish() override { return error_.isEmpty() && (pageCount_ == 1 || Fail(QCoreApplication::translate("Imaging", "The image file has no page."))); }

private:
    int fd_;
    DocumentFormat format_;
    int quality_;
};

}  // namespace

EncodedPage EncodedPage::Describing(const QImage& page) {
    EncodedPage encoded;
    encoded.width = page.width();
    encoded.height = page.height();
    encoded.dpi = PageDpi(page);
    encoded.format = page.format();
    return encoded;
}

EncodedPage DocumentWriter::EncodeDocumentPage(const QImage& input, int jpegQuality) {
    const QImage page = AsPageFormat(input);
    EncodedPage encoded = EncodedPage::Describing(page);
    if (page.isNull()) {
        encoded.error = QCoreApplication::translate("Imaging", "An empty page cannot be written.");
    } else if (page.format() == QImage::Format_Mono) {
        QString why;
        encoded.data = EncodeG4(page, &why);
        if (encoded.data.isEmpty()) encoded.error = QCoreApplication::translate("Imaging", "A page could not be compressed: ") + why;
    } else if (jpegQuality > 0) {
        encoded.data = EncodeJpeg(page, jpegQuality);
        if (encoded.data.isEmpty()) encoded.error = QCoreApplication::translate("Imaging", "A page could not be compressed as JPEG.");
    } else {
        encoded.page = page;
    }
    return encoded;
}

DocumentFormat FormatOfPath(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : CatalogueExtension(path.mid(dot));
    if (extension == QLatin1String(".pdf")) return DocumentFormat::Pdf;
    if (extension == QLatin1String(".tiff")) return DocumentFormat::Tiff;
    if (extension == QLatin1String(".jpg")) return DocumentFormat::Jpeg;
    if (extension == QLatin1String(".png")) return DocumentFormat::Png;
    return DocumentFormat::Unknown;
}

bool IsMultiPageFormat(DocumentFormat format) {
    return format == DocumentFormat::Pdf || format == DocumentFormat::Tiff;
}

std::unique_ptr<DocumentWriter> CreateDocumentWriter(DocumentFormat format, int fd, int quality, bool compactPages) {
    quality = std::clamp(quality, 1, 100);
    switch (format) {
        case DocumentFormat::Pdf: return std::make_unique<PdfWriter>(fd, quality, compactPages);
        case DocumentFormat::Tiff: return std::make_unique<TiffWriter>(fd, quality);
        case DocumentFormat::Jpeg:
        case DocumentFormat::Png: return std::make_unique<ImageFileWriter>(fd, format, quality);
        case DocumentFormat::Unknown: break;
    }
    return nullptr;
}

std::vector<int> DocumentWriter::PageOrder() const {
    if (!order_.empty()) return order_;
    std::vector<int> placed(static_cast<std::size_t>(pageCount_));
    for (int i = 0; i < pageCount_; ++i) placed[static_cast<std::size_t>(i)] = i;
    return placed;
}

}  // namespace quillon
