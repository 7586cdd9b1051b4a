// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/writers/DocumentWriter.h"

#include <QByteArray>

#include <map>
#include <vector>

namespace quillon {

// A streaming PDF: each page is one image XObject written as it comes (JPEG
// for grey and colour, CCITT G4 for black and white), so memory stays flat
// however long the document; the page tree and cross-reference table follow
// the last page.
//
// With compact pages, a grey or colour page of text is two images instead: its
// ink as a mask at full resolution over a small JPEG of the paper; the mask,
// and a black-and-white page, are JBIG2 (or G4 where that is smaller).
//
// A searchable PDF lays each page's words, read by the page pipeline,
// invisibly over the image in a glyph-less font written once for the document.
class PdfWriter : public DocumentWriter {
public:
    PdfWriter(int fd, int quality, bool compactPages = false);
    EncodedPage Encode(const QImage& page) const override;
    bool TakesText() const override { return true; }
    void AddText(EncodedPage& encoded, const RecognizedText& text) const override;
    bool AddEncoded(EncodedPage page) override;
    bool Finish() override;

    // The MediaBox size in points of a page of pixels at a resolution.
    static double PagePoints(int pixels, int dpi) { return pixels * 72.0 / dpi; }

private:
    int BeginObject();
    bool Write(const QByteArray& bytes);
    bool Flush();
    int FlateStreamObject(const QByteArray& compressed, const QByteArray& keys = {});
    int FontObject(int variant);

    int fd_;
    int quality_;
    bool compactPages_;
    // Written as the first page needs them: the font program and the maps
    // every variant shares, and each variant's own font.
    int fontProgram_ = 0, toUnicode_ = 0, codeToGlyph_ = 0;
    std::map<int, int> fontObjects_;
    qint64 offset_ = 0;
    QByteArray buffer_;
    std::vector<qint64> objectOffsets_{0, 0, 0};  // objects 1 (catalog) and 2 (pages) come last
    std::vector<int> pageObjects_;
    bool finished_ = false;
};

}  // namespace quillon
