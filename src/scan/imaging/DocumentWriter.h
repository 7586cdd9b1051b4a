// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <memory>

namespace quillon {

enum class DocumentFormat { Unknown, Pdf, Tiff, Jpeg, Png };

// The format a path's extension names (".pdf", ".tif", ".tiff", ".jpg",
// ".jpeg", ".png", in any letter case).
DocumentFormat FormatOfPath(const QString& path);
bool IsMultiPageFormat(DocumentFormat format);

// Writes pages (Mono, Grayscale8 or RGB888, with their resolution) into an
// open file, page by page. Every failure is kept as a plain sentence in error().
class DocumentWriter {
public:
    virtual ~DocumentWriter() = default;
    virtual bool AddPage(const QImage& page) = 0;
    // Completes the document; the file is then whole (not yet flushed to disk).
    virtual bool Finish() = 0;
    int pageCount() const { return pageCount_; }
    const QString& error() const { return error_; }

protected:
    bool Fail(const QString& error) {
        if (error_.isEmpty()) error_ = error;
        return false;
    }
    int pageCount_ = 0;
    QString error_;
};

// A writer for the format into the open file descriptor, which stays open.
// The quality (clamped to 1..100) is the JPEG quality; for TIFF, 100 means lossless.
std::unique_ptr<DocumentWriter> CreateDocumentWriter(DocumentFormat format, int fd, int quality);

}  // namespace quillon
