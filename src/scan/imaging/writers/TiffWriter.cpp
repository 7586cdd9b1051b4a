// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/writers/TiffWriter.h"

#include <QCoreApplication>

#include "scan/imaging/pages/Enhancements.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/writers/TiffPageOrder.h"

#include "scan/imaging/writers/SafeOutputFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace quillon {

namespace {

// Lossless pages can be large; past this many bytes of raw page the file could
// pass the 4 GiB of a classic TIFF within a long batch, so it is written as BigTIFF.
constexpr qint64 kBigTiffRawPageBytes = 8LL * 1024 * 1024;

using FdIo = TiffFdFile;

tsize_t FdRead(thandle_t handle, tdata_t buffer, tsize_t size) {
    auto* io = static_cast<FdIo*>(handle);
    const ssize_t count = ::pread(io->fd, buffer, static_cast<size_t>(size), io->position);
    if (count > 0) io->position += count;
    return count;
}

tsize_t FdWrite(thandle_t handle, tdata_t buffer, tsize_t size) {
    auto* io = static_cast<FdIo*>(handle);
    const auto* bytes = static_cast<const char*>(buffer);
    tsize_t done = 0;
    while (done < size) {
        const ssize_t count = ::pwrite(io->fd, bytes + done, static_cast<size_t>(size - done), io->position);
        if (count <= 0) {  // a full disk, for one
            if (io->writeError == 0) io->writeError = count < 0 ? errno : ENOSPC;
            return -1;
        }
        done += count;
        io->position += count;
    }
    return done;
}

toff_t FdSeek(thandle_t handle, toff_t offset, int whence) {
    auto* io = static_cast<FdIo*>(handle);
    qint64 base = 0;
    if (whence == SEEK_CUR) base = io->position;
    if (whence == SEEK_END) {
        struct stat status {};
        if (::fstat(io->fd, &status) != 0) return static_cast<toff_t>(-1);
        base = status.st_size;
    }
    io->position = base + static_cast<qint64>(offset);
    return static_cast<toff_t>(io->position);
}

int FdClose(thandle_t) { return 0; }  // the descriptor belongs to the output file

toff_t FdSize(thandle_t handle) {
    struct stat status {};
    return ::fstat(static_cast<FdIo*>(handle)->fd, &status) == 0 ? static_cast<toff_t>(status.st_size) : 0;
}

// Strips of about 256 KB of raw rows.
uint32_t RowsPerStrip(const QImage& page) {
    return static_cast<uint32_t>(std::max<qsizetype>(1, (256 * 1024) / std::max<qsizetype>(1, page.bytesPerLine())));
}

int NoMap(thandle_t, tdata_t*, toff_t*) { return 0; }
void NoUnmap(thandle_t, tdata_t, toff_t) {}

}  // namespace

TiffWriter::TiffWriter(int fd, int quality) : file_{fd}, quality_(quality) {}

TiffWriter::~TiffWriter() = default;

QString TiffWriter::FailureReason() {
    const QString tiffError = TakeTiffError();
    if (file_.writeError != 0) return SystemErrorText(file_.writeError) + QLatin1Char('.');
    return tiffError;
}

bool TiffWriter::Open(const EncodedPage& firstPage) {
    const qint64 rawBytes = static_cast<qint64>(firstPage.page.bytesPerLine()) * firstPage.height;
    const bool big = quality_ >= 100 && firstPage.format != QImage::Format_Mono && rawBytes >= kBigTiffRawPageBytes;
    tiff_.reset(TIFFClientOpen("output", big ? "w8" : "w", &file_, FdRead, FdWrite, FdSeek,
                               FdClose, FdSize, NoMap, NoUnmap));
    return tiff_ != nullptr || Fail(QCoreApplication::translate("Imaging", "The TIFF file could not be started: ") + FailureReason());
}

// Black and white is compressed here already (G4 is one strip of the page);
// JPEG and LZW are left to libtiff, which writes them strip by strip.
// The page itself stays with a black-and-white one too, so a page turned
// before it is placed is compressed from its turned pixels, losing nothing.
EncodedPage TiffWriter::Encode(const QImage& page) const {
    EncodedPage encoded = EncodeDocumentPage(page, 0);
    if (encoded.page.isNull() && encoded.error.isEmpty()) encoded.page = AsPageFormat(page);
    return encoded;
}

// A TIFF page has no rotation every reader honours: its pixels are turned,
// and a black-and-white page compressed again (G4 is lossless).
void TiffWriter::Turn(EncodedPage& encoded) {
    const int turns = ((encoded.quarterTurns % 4) + 4) % 4;
    encoded.quarterTurns = 0;
    if (turns == 0 || encoded.page.isNull()) return;
    QImage turned = TurnPage(encoded.page, turns);
    if (encoded.format == QImage::Format_Mono) {
        EncodedPage again = EncodeDocumentPage(turned, 0);
        encoded.data = std::move(again.data);
        encoded.error = again.error;
    }
    encoded.width = turned.width();
    encoded.height = turned.height();
    encoded.page = std::move(turned);
}

bool TiffWriter::AddEncoded(EncodedPage encoded) {
    if (finished_) return Fail(QCoreApplication::translate("Imaging", "The TIFF file is already complete."));
    Turn(encoded);
    if (!encoded.error.isEmpty()) return Fail(encoded.error);
    if (!tiff_ && !Open(encoded)) return false;
    TIFF* tiff = tiff_.get();
    const int width = encoded.width;
    const int height = encoded.height;
    TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, FILETYPE_PAGE);
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(height));
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    TIFFSetField(tiff, TIFFTAG_XRESOLUTION, static_cast<float>(encoded.dpi));
    TIFFSetField(tiff, TIFFTAG_YRESOLUTION, static_cast<float>(encoded.dpi));
    // The total is not known while pages are still coming.
    TIFFSetField(tiff, TIFFTAG_PAGENUMBER, static_cast<uint16_t>(pageCount_), static_cast<uint16_t>(0));
    TIFFSetField(tiff, TIFFTAG_SOFTWARE, "Quillon");

    const bool mono = encoded.format == QImage::Format_Mono;
    const bool colour = encoded.format == QImage::Format_RGB888;
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, mono ? 1 : 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, colour ? 3 : 1);
    if (mono) {
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
        TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, static_cast<uint32_t>(height));
        if (TIFFWriteRawStrip(tiff, 0, encoded.data.data(), static_cast<tmsize_t>(encoded.data.size())) < 0)
            return Fail(FailureReason());
    } else {
        const QImage& page = encoded.page;
        if (quality_ >= 100) {
            TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, colour ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK);
            TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
            TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
            TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, RowsPerStrip(page));
        } else {
            TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_JPEG);
            TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, colour ? PHOTOMETRIC_YCBCR : PHOTOMETRIC_MINISBLACK);
            TIFFSetField(tiff, TIFFTAG_JPEGQUALITY, quality_);
            if (colour) TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
            TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 64u);  // a multiple of the 16-row JPEG block
        }
        // libtiff may change the row it is given (the predictor differences it
        // in place), so it gets a copy, never the page's own pixels.
        const auto rowBytes = static_cast<std::size_t>(colour ? 3 * width : width);
        std::vector<uchar> row(rowBytes);
        for (int y = 0; y < height; ++y) {
            std::memcpy(row.data(), page.constScanLine(y), rowBytes);
            if (TIFFWriteScanline(tiff, row.data(), static_cast<uint32_t>(y), 0) < 0) return Fail(FailureReason());
        }
    }
    if (!TIFFWriteDirectory(tiff)) return Fail(FailureReason());
    ++pageCount_;
    return true;
}

bool TiffWriter::Finish() {
    if (!error_.isEmpty()) return false;
    if (!tiff_) return Fail(QCoreApplication::translate("Imaging", "The TIFF file has no page."));
    finished_ = true;
    if (!TIFFFlush(tiff_.get())) return Fail(FailureReason());
    tiff_.reset();
    if (order_.empty()) return true;
    const QString reordered = ReorderTiffPages(file_.fd, order_);
    if (!reordered.isEmpty()) return Fail(reordered);
    pageCount_ = static_cast<int>(order_.size());
    return true;
}

}  // namespace quillon
