// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/DocumentWriter.h"

#include "scan/imaging/PdfWriter.h"
#include "scan/imaging/SafeOutputFile.h"
#include "scan/imaging/TiffWriter.h"

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
    ImageFileWriter(int fd, const char* format, int quality) : fd_(fd), format_(format), quality_(quality) {}

    bool AddPage(const QImage& page) override {
        if (pageCount_ > 0) return Fail(QStringLiteral("A JPEG or PNG file holds one page only."));
        // Encoded in memory, then written with the system's own calls, which
        // tell why a write fails ("No space left on device").
        QBuffer encoded;
        encoded.open(QIODevice::WriteOnly);
        QImageWriter writer(&encoded, format_);
        // JPEG holds no black-and-white pages; they are written as grey.
        const bool jpeg = qstrcmp(format_, "jpeg") == 0;
        const QImage image = jpeg && page.format() == QImage::Format_Mono ? page.convertToFormat(QImage::Format_Grayscale8)
                                                                         : page;
        if (jpeg) writer.setQuality(quality_);
        if (!writer.write(image)) return Fail(QStringLiteral("The image could not be encoded: ") + writer.errorString());
        const QByteArray& bytes = encoded.data();
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t count = ::write(fd_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
            if (count < 0 && errno == EINTR) continue;
            if (count <= 0) return Fail(SystemErrorText(count < 0 ? errno : ENOSPC) + QLatin1Char('.'));
            done += count;
        }
        ++pageCount_;
        return true;
    }

    bool Finish() override { return error_.isEmpty() && (pageCount_ == 1 || Fail(QStringLiteral("The image file has no page."))); }

private:
    int fd_;
    const char* format_;
    int quality_;
};

}  // namespace

DocumentFormat FormatOfPath(const QString& path) {
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".pdf"))) return DocumentFormat::Pdf;
    if (lower.endsWith(QLatin1String(".tif")) || lower.endsWith(QLatin1String(".tiff"))) return DocumentFormat::Tiff;
    if (lower.endsWith(QLatin1String(".jpg")) || lower.endsWith(QLatin1String(".jpeg"))) return DocumentFormat::Jpeg;
    if (lower.endsWith(QLatin1String(".png"))) return DocumentFormat::Png;
    return DocumentFormat::Unknown;
}

bool IsMultiPageFormat(DocumentFormat format) {
    return format == DocumentFormat::Pdf || format == DocumentFormat::Tiff;
}

std::unique_ptr<DocumentWriter> CreateDocumentWriter(DocumentFormat format, int fd, int quality) {
    quality = std::clamp(quality, 1, 100);
    switch (format) {
        case DocumentFormat::Pdf: return std::make_unique<PdfWriter>(fd, quality);
        case DocumentFormat::Tiff: return std::make_unique<TiffWriter>(fd, quality);
        case DocumentFormat::Jpeg: return std::make_unique<ImageFileWriter>(fd, "jpeg", quality);
        case DocumentFormat::Png: return std::make_unique<ImageFileWriter>(fd, "png", quality);
        case DocumentFormat::Unknown: break;
    }
    return nullptr;
}

}  // namespace quillon
