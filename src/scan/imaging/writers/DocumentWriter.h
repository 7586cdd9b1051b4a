// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/text/TextRecognizer.h"

#include <QImage>
#include <QString>

#include <memory>
#include <vector>

namespace quillon {

enum class DocumentFormat { Unknown, Pdf, Tiff, Jpeg, Png };

// The format a path's extension names (".pdf", ".tif", ".tiff", ".jpg",
// ".jpeg", ".png", in any letter case).
DocumentFormat FormatOfPath(const QString& path);
bool IsMultiPageFormat(DocumentFormat format);

// A page made ready for its file, away from the file: the compressed image
// where the format takes it whole, else the page itself, which the writer
// compresses as it places it.
struct EncodedPage {
    int width = 0, height = 0, dpi = 0;
    QImage::Format format = QImage::Format_Invalid;
    QByteArray data;  // the compressed image
    // What only a PDF page has.
    struct Pdf {
        bool jbig2 = false;  // the black-and-white data, or the mask, is JBIG2, else G4
        // A compact page: data is a JPEG of the paper at backgroundSize, and the
        // mask (the page's size) is painted over it in the ink's colour.
        QByteArray mask;
        QSize backgroundSize;
        QRgb ink = 0;
        QByteArray inkColours;  // or, where the ink is coloured, its colours (JPEG) painted through the mask
        QSize inkColoursSize;
        QByteArray text;  // the page's recognised text, compressed, for a searchable document
        std::vector<int> textFonts;  // the variants of the text's font it uses
    } pdf;
    QImage page;      // kept only for a writer that compresses while placing (TIFF)
    QString error;    // why the page could not be made ready
    QString note;     // how the page was stored, where the writer chose, for the scanner's log
    bool textUnread = false;  // a searchable page whose text could not be read
    // Turned clockwise by quarter turns as it is placed, without encoding it
    // again where the format can say so (a PDF page's rotation).
    int quarterTurns = 0;

    // The page's size, format and resolution, without its pixels.
    static EncodedPage Describing(const QImage& page);
};

// Writes pages (Mono, Grayscale8 or RGB888, with their resolution) into an
// open file, page by page. Every failure is kept as a plain sentence in error().
//
// The heavy part of a page, its compression, is Encode: it touches nothing of
// the file, so it may run on any thread, for several pages at once. Placing
// the encoded pages in the file, AddEncoded, is done in the document's order.
class DocumentWriter {
public:
    virtual ~DocumentWriter() = default;
    virtual EncodedPage Encode(const QImage& page) const = 0;
    // Whether the format carries a page's text (a searchable PDF), and the text
    // read from the page as encoded, added to it. Any thread, as Encode.
    virtual bool TakesText() const { return false; }
    virtual void AddText(EncodedPage& /*encoded*/, const RecognizedText& /*text*/) const {}
    virtual bool AddEncoded(EncodedPage page) = 0;
    bool AddPage(const QImage& page) { return AddEncoded(Encode(page)); }
    // The pages' order in the finished document, by their places as added
    // (from 0); a page not listed is left out. Set before Finish; unset, the
    // pages stay as added. Pages already in the file are not moved: only the
    // document's list of them is ordered.
    void SetPageOrder(std::vector<int> order) { order_ = std::move(order); }
    // Completes the document; the file is then whole (not yet flushed to disk).
    virtual bool Finish() = 0;
    int pageCount() const { return pageCount_; }
    // Pages of a searchable document placed without their text.
    int pagesWithoutText() const { return pagesWithoutText_; }
    const QString& error() const { return error_; }

protected:
    // A page for a document: black and white as G4, grey and colour as JPEG
    // at the quality, or kept as the page when jpegQuality is 0.
    static EncodedPage EncodeDocumentPage(const QImage& page, int jpegQuality);

    bool Fail(const QString& error) {
        if (error_.isEmpty()) error_ = error;
        return false;
    }
    // The places of the pages as the document lists them.
    std::vector<int> PageOrder() const;

    int pageCount_ = 0;
    int pagesWithoutText_ = 0;
    QString error_;
    std::vector<int> order_;
};

// A writer for the format into the open file descriptor, which stays open.
// The quality (clamped to 1..100) is the JPEG quality; for TIFF, 100 means lossless.
// With compactPages, a PDF's pages of text are written compact (CompactPage).
std::unique_ptr<DocumentWriter> CreateDocumentWriter(DocumentFormat format, int fd, int quality,
                                                     bool compactPages = false);

}  // namespace quillon
