// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/PdfWriter.h"

#include "scan/imaging/SafeOutputFile.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace quillon {

namespace {

constexpr int kCatalogObject = 1;
constexpr int kPagesObject = 2;
constexpr qsizetype kFlushBytes = 1 << 16;

QByteArray Points(double value) { return QByteArray::number(value, 'f', 2); }

}  // namespace

PdfWriter::PdfWriter(int fd, int quality) : fd_(fd), quality_(quality) {
    // The binary comment tells transfer programs the file is not text.
    Write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

bool PdfWriter::Flush() {
    const char* data = buffer_.constData();
    qsizetype left = buffer_.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return Fail(SystemErrorText(written < 0 ? errno : ENOSPC) + QLatin1Char('.'));
        data += written;
        left -= written;
    }
    buffer_.clear();
    return true;
}

bool PdfWriter::Write(const QByteArray& bytes) {
    if (!error_.isEmpty()) return false;
    offset_ += bytes.size();
    if (bytes.size() >= kFlushBytes) {
        // Large image data goes straight through without another copy.
        if (!Flush()) return false;
        buffer_ = bytes;
        return Flush();
    }
    buffer_.append(bytes);
    return buffer_.size() < kFlushBytes || Flush();
}

int PdfWriter::BeginObject() {
    objectOffsets_.push_back(offset_);
    const int number = static_cast<int>(objectOffsets_.size()) - 1;
    Write(QByteArray::number(number) + " 0 obj\n");
    return number;
}

EncodedPage PdfWriter::Encode(const QImage& page) const { return EncodeDocumentPage(page, quality_); }

bool PdfWriter::AddEncoded(EncodedPage page) {
    if (finished_) return Fail(QStringLiteral("The PDF file is already complete."));
    if (!page.error.isEmpty()) return Fail(page.error);
    const int width = page.width;
    const int height = page.height;
    QByteArray dictionary = "<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(width) + " /Height " +
                            QByteArray::number(height);
    if (page.format == QImage::Format_Mono) {
        dictionary += " /ColorSpace /DeviceGray /BitsPerComponent 1 /Filter /CCITTFaxDecode /DecodeParms << /K -1 "
                      "/Columns " + QByteArray::number(width) + " /Rows " + QByteArray::number(height) + " >>";
    } else {
        dictionary += page.format == QImage::Format_RGB888 ? " /ColorSpace /DeviceRGB" : " /ColorSpace /DeviceGray";
        dictionary += " /BitsPerComponent 8 /Filter /DCTDecode";
    }
    dictionary += " /Length " + QByteArray::number(page.data.size()) + " >>\nstream\n";

    const int image = BeginObject();
    Write(dictionary);
    Write(page.data);
    Write("\nendstream\nendobj\n");

    const int dpi = page.dpi;
    const QByteArray pageWidth = Points(PagePoints(width, dpi));
    const QByteArray pageHeight = Points(PagePoints(height, dpi));
    const QByteArray content = "q " + pageWidth + " 0 0 " + pageHeight + " 0 0 cm /Im0 Do Q\n";
    const int contents = BeginObject();
    Write("<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "endstream\nendobj\n");

    const int pageObject = BeginObject();
    Write("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + pageWidth + " " + pageHeight +
          "] /Resources << /XObject << /Im0 " + QByteArray::number(image) + " 0 R >> >> /Contents " +
          QByteArray::number(contents) + " 0 R >>\nendobj\n");
    if (!error_.isEmpty()) return false;
    pageObjects_.push_back(pageObject);
    ++pageCount_;
    return true;
}

bool PdfWriter::Finish() {
    if (!error_.isEmpty()) return false;
    if (pageObjects_.empty()) return Fail(QStringLiteral("The PDF file has no page."));
    finished_ = true;

    QByteArray kids;
    for (const int page : pageObjects_) kids += QByteArray::number(page) + " 0 R ";
    objectOffsets_[kPagesObject] = offset_;
    Write("2 0 obj\n<< /Type /Pages /Kids [" + kids.trimmed() + "] /Count " +
          QByteArray::number(static_cast<qsizetype>(pageObjects_.size())) + " >>\nendobj\n");
    objectOffsets_[kCatalogObject] = offset_;
    Write("1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    const int info = BeginObject();
    Write("<< /Producer (Quillon) >>\nendobj\n");

    const qint64 xref = offset_;
    const auto count = static_cast<qsizetype>(objectOffsets_.size());
    QByteArray table = "xref\n0 " + QByteArray::number(count) + "\n0000000000 65535 f \n";
    for (qsizetype object = 1; object < count; ++object)
        table += QByteArray::number(objectOffsets_[object]).rightJustified(10, '0') + " 00000 n \n";
    Write(table);
    Write("trailer\n<< /Size " + QByteArray::number(count) + " /Root 1 0 R /Info " + QByteArray::number(info) +
          " 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n");
    return Flush();
}

}  // namespace quillon
