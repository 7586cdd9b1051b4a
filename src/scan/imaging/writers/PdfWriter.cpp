// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/writers/PdfWriter.h"

#include <QCoreApplication>

#include "scan/imaging/compact/CompactPage.h"
#include "scan/imaging/text/GlyphlessFont.h"
#include "scan/imaging/writers/PageEncoders.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/text/PdfTextLayer.h"
#include "scan/imaging/writers/SafeOutputFile.h"

#include <QDebug>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace quillon {

namespace {

constexpr int kCatalogObject = 1;
constexpr int kPagesObject = 2;
constexpr qsizetype kFlushBytes = 1 << 16;

QByteArray Points(double value) { return QByteArray::number(value, 'f', 2); }

QString BilevelName(bool jbig2) { return jbig2 ? QStringLiteral("JBIG2") : QStringLiteral("G4"); }

// The filter of black-and-white data of a page's size.
QByteArray BilevelFilter(bool jbig2, int width, int height) {
    if (jbig2) return " /Filter /JBIG2Decode";
    return " /Filter /CCITTFaxDecode /DecodeParms << /K -1 /Columns " + QByteArray::number(width) + " /Rows " +
           QByteArray::number(height) + " >>";
}

}  // namespace

PdfWriter::PdfWriter(int fd, int quality, bool compactPages)
    : fd_(fd), quality_(quality), compactPages_(compactPages) {
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

EncodedPage PdfWriter::Encode(const QImage& page) const {
    if (!compactPages_) return EncodeDocumentPage(page, quality_);
    if (page.format() == QImage::Format_Mono) {
        EncodedPage encoded = EncodedPage::Describing(page);
        QString why;
        BilevelData bilevel = EncodeBilevel(page, &why);
        if (bilevel.data.isEmpty()) {
            encoded.error = QCoreApplication::translate("Imaging", "A page could not be compressed: ") + why;
            return encoded;
        }
        encoded.data = std::move(bilevel.data);
        encoded.pdf.jbig2 = bilevel.jbig2;
        encoded.note = QStringLiteral("%1 (black and white), %2 bytes").arg(BilevelName(encoded.pdf.jbig2)).arg(encoded.data.size());
        return encoded;
    }
    CompactChoice choice = MakeCompactPage(page, PageDpi(page));
    QString why;
    BilevelData mask;
    if (choice.compact) {
        mask = EncodeBilevel(choice.page.mask, &why);
        if (mask.data.isEmpty()) choice = {false, QStringLiteral("its mask could not be compressed"), {}, {}};
    }
    if (!choice.compact) {
        EncodedPage kept = EncodeDocumentPage(page, quality_);
        if (!choice.kept.isNull() && kept.error.isEmpty()) {
            // The paper's grain costs a scan's JPEG many bytes; a clean page has none to save.
            EncodedPage evened = EncodeDocumentPage(choice.kept, quality_);
            if (evened.error.isEmpty() && evened.data.size() < kept.data.size()) {
                kept = std::move(evened);
                choice.why += QStringLiteral("; paper evened out");
            }
        }
        kept.note = QStringLiteral("JPEG (%1), %2 bytes").arg(choice.why).arg(kept.data.size());
        return kept;
    }
    EncodedPage encoded = EncodedPage::Describing(AsPageFormat(page));
    encoded.data = std::move(choice.page.background);
    encoded.pdf.mask = std::move(mask.data);
    encoded.pdf.jbig2 = mask.jbig2;
    encoded.pdf.backgroundSize = choice.page.backgroundSize;
    encoded.pdf.ink = choice.page.ink;
    encoded.pdf.inkColours = std::move(choice.page.inkColours);
    encoded.pdf.inkColoursSize = choice.page.inkColoursSize;
    encoded.note = QStringLiteral("compact (%1), %2 bytes: mask %3 (%4), paper %5, ink %6")
                       .arg(choice.why)
                       .arg(encoded.pdf.mask.size() + encoded.data.size() + encoded.pdf.inkColours.size())
                       .arg(encoded.pdf.mask.size())
                       .arg(BilevelName(encoded.pdf.jbig2))
                       .arg(encoded.data.size())
                       .arg(encoded.pdf.inkColours.size());
    return encoded;
}

void PdfWriter::AddText(EncodedPage& encoded, const RecognizedText& text) const {
    // A page whose text could not be read is still written, as an image only.
    encoded.textUnread = !text.error.isEmpty();
    const TextLayer layer = MakeTextLayer(text.words, encoded.height, encoded.dpi);
    if (layer.content.isEmpty()) return;
    encoded.pdf.text = EncodeFlate(layer.content);
    encoded.pdf.textFonts.assign(layer.variants.begin(), layer.variants.end());
}

int PdfWriter::FlateStreamObject(const QByteArray& compressed, const QByteArray& keys) {
    const int object = BeginObject();
    Write("<< /Length " + QByteArray::number(compressed.size()) + keys + " /Filter /FlateDecode >>\nstream\n" +
          compressed + "\nendstream\nendobj\n");
    return object;
}

// A variant of the glyph-less font, written when a page first uses it.
int PdfWriter::FontObject(int variant) {
    const auto known = fontObjects_.find(variant);
    if (known != fontObjects_.end()) return known->second;
    if (fontProgram_ == 0) {
        const QByteArray program = GlyphlessFontProgram();
        fontProgram_ = FlateStreamObject(EncodeFlate(program), " /Length1 " + QByteArray::number(program.size()));
        toUnicode_ = FlateStreamObject(EncodeFlate(IdentityToUnicodeMap()));
        codeToGlyph_ = FlateStreamObject(EncodeFlate(GlyphlessCodeToGlyphMap()));
    }
    const GlyphlessVariant metrics = GlyphlessVariantAt(variant);
    const QByteArray ascent = QByteArray::number(metrics.ascent), descent = QByteArray::number(metrics.descent);
    const int descriptor = BeginObject();
    Write("<< /Type /FontDescriptor /FontName /GlyphLessFont /Flags 5 /FontBBox [0 " + descent + " " +
          QByteArray::number(kGlyphlessAdvance) + " " + ascent + "] /ItalicAngle 0 /Ascent " + ascent + " /Descent " +
          descent + " /CapHeight " + ascent + " /StemV 80 /FontFile2 " + QByteArray::number(fontProgram_) +
          " 0 R >>\nendobj\n");
    const int cidFont = BeginObject();
    Write("<< /Type /Font /Subtype /CIDFontType2 /BaseFont /GlyphLessFont /CIDSystemInfo << /Registry (Adobe) "
          "/Ordering (Identity) /Supplement 0 >> /FontDescriptor " + QByteArray::number(descriptor) + " 0 R /DW " +
          QByteArray::number(kGlyphlessAdvance) + " /CIDToGIDMap " + QByteArray::number(codeToGlyph_) +
          " 0 R >>\nendobj\n");
    const int font = BeginObject();
    Write("<< /Type /Font /Subtype /Type0 /BaseFont /GlyphLessFont /Encoding /Identity-H /DescendantFonts [" +
          QByteArray::number(cidFont) + " 0 R] /ToUnicode " + QByteArray::number(toUnicode_) + " 0 R >>\nendobj\n");
    fontObjects_[variant] = font;
    return font;
}

bool PdfWriter::AddEncoded(EncodedPage page) {
    if (finished_) return Fail(QCoreApplication::translate("Imaging", "The PDF file is already complete."));
    if (!page.error.isEmpty()) return Fail(page.error);
    const int width = page.width;
    const int height = page.height;
    const bool compact = !page.pdf.mask.isEmpty();
    const QSize imageSize = compact ? page.pdf.backgroundSize : QSize(width, height);
    QByteArray dictionary = "<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(imageSize.width()) +
                            " /Height " + QByteArray::number(imageSize.height());
    if (page.format == QImage::Format_Mono) {
        dictionary += " /ColorSpace /DeviceGray /BitsPerComponent 1" + BilevelFilter(page.pdf.jbig2, width, height);
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
    const QByteArray placed = "q " + pageWidth + " 0 0 " + pageHeight + " 0 0 cm ";
    QByteArray content = placed + "/Im0 Do Q\n";
    QByteArray images = " /Im0 " + QByteArray::number(image) + " 0 R";
    if (compact) {
        // The ink over the paper: a stencil, painted where its samples are 0.
        const int mask = BeginObject();
        Write("<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(width) + " /Height " +
              QByteArray::number(height) + " /ImageMask true /BitsPerComponent 1" +
              BilevelFilter(page.pdf.jbig2, width, height) + " /Length " + QByteArray::number(page.pdf.mask.size()) +
              " >>\nstream\n");
        Write(page.pdf.mask);
        Write("\nendstream\nendobj\n");
        if (page.pdf.inkColours.isEmpty()) {
            const auto level = [](int value) { return QByteArray::number(value / 255.0, 'f', 3); };
            content += level(qRed(page.pdf.ink)) + ' ' + level(qGreen(page.pdf.ink)) + ' ' + level(qBlue(page.pdf.ink)) + " rg " +
                       placed + "/Im1 Do Q\n";
            images += " /Im1 " + QByteArray::number(mask) + " 0 R";
        } else {
            // The ink's colours, shown only where the mask has ink.
            const int colours = BeginObject();
            Write("<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(page.pdf.inkColoursSize.width()) +
                  " /Height " + QByteArray::number(page.pdf.inkColoursSize.height()) +
                  " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode /Mask " + QByteArray::number(mask) +
                  " 0 R /Length " + QByteArray::number(page.pdf.inkColours.size()) + " >>\nstream\n");
            Write(page.pdf.inkColours);
            Write("\nendstream\nendobj\n");
            content += placed + "/Im1 Do Q\n";
            images += " /Im1 " + QByteArray::number(colours) + " 0 R";
        }
    }
    const int contents = BeginObject();
    Write("<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "endstream\nendobj\n");
    QByteArray contentList = QByteArray::number(contents) + " 0 R";
    QByteArray fonts;
    if (!page.pdf.text.isEmpty()) {
        for (const int variant : page.pdf.textFonts)
            fonts += " /F" + QByteArray::number(variant) + ' ' + QByteArray::number(FontObject(variant)) + " 0 R";
        fonts = " /Font <<" + fonts + " >>";
        const int text = FlateStreamObject(page.pdf.text);
        contentList = "[" + contentList + " " + QByteArray::number(text) + " 0 R]";
    }

    // The page and its text layer are shown turned, as the user turned them.
    const int turns = ((page.quarterTurns % 4) + 4) % 4;
    const QByteArray rotate = turns == 0 ? QByteArray() : " /Rotate " + QByteArray::number(90 * turns);
    const int pageObject = BeginObject();
    Write("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + pageWidth + " " + pageHeight + "]" + rotate +
          " /Resources << /XObject <<" + images + " >>" + fonts + " >> /Contents " +
          contentList + " >>\nendobj\n");
    if (!error_.isEmpty()) return false;
    pageObjects_.push_back(pageObject);
    if (page.textUnread) ++pagesWithoutText_;
    ++pageCount_;
    return true;
}

bool PdfWriter::Finish() {
    if (!error_.isEmpty()) return false;
    if (pageObjects_.empty()) return Fail(QCoreApplication::translate("Imaging", "The PDF file has no page."));
    finished_ = true;

    QByteArray kids;
    const std::vector<int> order = PageOrder();
    for (const int place : order) {
        if (place < 0 || static_cast<std::size_t>(place) >= pageObjects_.size())
            return Fail(QCoreApplication::translate("Imaging", "The PDF file has no page %1.").arg(place + 1));
        kids += QByteArray::number(pageObjects_[static_cast<std::size_t>(place)]) + " 0 R ";
    }
    if (order.empty()) return Fail(QCoreApplication::translate("Imaging", "The PDF file has no page."));
    pageCount_ = static_cast<int>(order.size());
    objectOffsets_[kPagesObject] = offset_;
    Write("2 0 obj\n<< /Type /Pages /Kids [" + kids.trimmed() + "] /Count " +
          QByteArray::number(static_cast<qsizetype>(order.size())) + " >>\nendobj\n");
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
