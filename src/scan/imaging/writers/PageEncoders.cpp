// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/writers/PageEncoders.h"

#include "scan/imaging/compact/Jbig2Encoder.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/writers/TiffSupport.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <zlib.h>

namespace quillon {

namespace {

// A TIFF kept in memory, for libtiff's client I/O.
struct MemoryFile {
    QByteArray data;
    qint64 position = 0;
};

tsize_t MemoryRead(thandle_t handle, tdata_t buffer, tsize_t size) {
    auto* file = static_cast<MemoryFile*>(handle);
    const qint64 available = std::max<qint64>(0, file->data.size() - file->position);
    const qint64 count = std::min<qint64>(available, size);
    std::memcpy(buffer, file->data.constData() + file->position, static_cast<std::size_t>(count));
    file->position += count;
    return static_cast<tsize_t>(count);
}

tsize_t MemoryWrite(thandle_t handle, tdata_t buffer, tsize_t size) {
    auto* file = static_cast<MemoryFile*>(handle);
    if (file->position + size > file->data.size()) file->data.resize(file->position + size);
    std::memcpy(file->data.data() + file->position, buffer, static_cast<std::size_t>(size));
    file->position += size;
    return size;
}

toff_t MemorySeek(thandle_t handle, toff_t offset, int whence) {
    auto* file = static_cast<MemoryFile*>(handle);
    const qint64 base = whence == SEEK_CUR ? file->position : whence == SEEK_END ? file->data.size() : 0;
    file->position = base + static_cast<qint64>(offset);
    return static_cast<toff_t>(file->position);
}

int MemoryClose(thandle_t) { return 0; }
toff_t MemorySize(thandle_t handle) { return static_cast<toff_t>(static_cast<MemoryFile*>(handle)->data.size()); }
int NoMap(thandle_t, tdata_t*, toff_t*) { return 0; }
void NoUnmap(thandle_t, tdata_t, toff_t) {}

TIFF* OpenMemoryTiff(MemoryFile& file, const char* mode) {
    return TIFFClientOpen("memory", mode, &file, MemoryRead, MemoryWrite, MemorySeek, MemoryClose, MemorySize, NoMap,
                          NoUnmap);
}

}  // namespace

void MonoRowBlackIsOne(const QImage& page, int y, uchar* out) {
    const int bytes = (page.width() + 7) / 8;
    std::memcpy(out, page.constScanLine(y), static_cast<std::size_t>(bytes));
    if (!MonoBlackIsOne(page))
        for (int i = 0; i < bytes; ++i) out[i] = static_cast<uchar>(~out[i]);
}

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnJpegError(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }

// libjpeg writes straight into the page's bytes, which double when full:
// no buffer of its own to grow and copy out afterwards.
struct ByteArrayDestination {
    jpeg_destination_mgr manager;
    QByteArray* bytes;
};

void StartBytes(j_compress_ptr info) {
    auto* destination = reinterpret_cast<ByteArrayDestination*>(info->dest);
    destination->manager.next_output_byte = reinterpret_cast<JOCTET*>(destination->bytes->data());
    destination->manager.free_in_buffer = static_cast<std::size_t>(destination->bytes->size());
}

boolean MoreBytes(j_compress_ptr info) {
    auto* destination = reinterpret_cast<ByteArrayDestination*>(info->dest);
    const qsizetype used = destination->bytes->size();
    destination->bytes->resize(2 * used);  // the new half is written before it is read
    destination->manager.next_output_byte = reinterpret_cast<JOCTET*>(destination->bytes->data() + used);
    destination->manager.free_in_buffer = static_cast<std::size_t>(used);
    return TRUE;
}

void EndBytes(j_compress_ptr info) {
    auto* destination = reinterpret_cast<ByteArrayDestination*>(info->dest);
    destination->bytes->resize(destination->bytes->size() - static_cast<qsizetype>(destination->manager.free_in_buffer));
}

}  // namespace

// Straight from the page's rows through libjpeg-turbo: a grey page's rows are
// its samples, an RGB888 page's rows are packed RGB, as libjpeg takes them.
QByteArray EncodeJpeg(const QImage& page, int quality) {
    const QImage image = page.format() == QImage::Format_Mono ? page.convertToFormat(QImage::Format_Grayscale8) : page;
    const bool colour = image.format() == QImage::Format_RGB888;
    if (image.isNull() || (!colour && image.format() != QImage::Format_Grayscale8)) return {};

    jpeg_compress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpOnJpegError;
    // Room for a page of text at the usual qualities; more is made as needed.
    QByteArray bytes;
    bytes.resize(std::max<qsizetype>(64 * 1024, image.sizeInBytes() / 8));
    ByteArrayDestination destination{{}, &bytes};
    destination.manager.init_destination = StartBytes;
    destination.manager.empty_output_buffer = MoreBytes;
    destination.manager.term_destination = EndBytes;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_compress(&info);
        return {};
    }
    jpeg_create_compress(&info);
    info.dest = &destination.manager;
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = colour ? 3 : 1;
    info.in_color_space = colour ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.density_unit = 1;  // dots per inch
    info.X_density = info.Y_density = static_cast<UINT16>(PageDpi(image));
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return bytes;
}

QByteArray EncodeG4(const QImage& page, QString* error) {
    MemoryFile file;
    {
        TiffHandle tiff(OpenMemoryTiff(file, "w"));
        if (!tiff) return *error = TakeTiffError(), QByteArray();
        TIFFSetField(tiff.get(), TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(page.width()));
        TIFFSetField(tiff.get(), TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(page.height()));
        TIFFSetField(tiff.get(), TIFFTAG_BITSPERSAMPLE, 1);
        TIFFSetField(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, 1);
        TIFFSetField(tiff.get(), TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
        TIFFSetField(tiff.get(), TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
        TIFFSetField(tiff.get(), TIFFTAG_ROWSPERSTRIP, static_cast<uint32_t>(page.height()));
        std::vector<uchar> row(static_cast<std::size_t>((page.width() + 7) / 8));
        for (int y = 0; y < page.height(); ++y) {
            MonoRowBlackIsOne(page, y, row.data());
            if (TIFFWriteScanline(tiff.get(), row.data(), static_cast<uint32_t>(y), 0) < 0)
                return *error = TakeTiffError(), QByteArray();
        }
        if (!TIFFWriteDirectory(tiff.get())) return *error = TakeTiffError(), QByteArray();
    }
    file.position = 0;
    TiffHandle tiff(OpenMemoryTiff(file, "r"));
    uint64_t* byteCounts = nullptr;
    if (!tiff || !TIFFGetField(tiff.get(), TIFFTAG_STRIPBYTECOUNTS, &byteCounts))
        return *error = TakeTiffError(), QByteArray();
    QByteArray strip(static_cast<qsizetype>(byteCounts[0]), Qt::Uninitialized);
    if (TIFFReadRawStrip(tiff.get(), 0, strip.data(), static_cast<tmsize_t>(strip.size())) < 0)
        return *error = TakeTiffError(), QByteArray();
    return strip;
}

BilevelData EncodeBilevel(const QImage& page, QString* error) {
    BilevelData jbig2{EncodeJbig2(page), true};
    BilevelData g4{EncodeG4(page, error), false};
    if (jbig2.data.isEmpty()) return g4;
    return g4.data.isEmpty() || jbig2.data.size() <= g4.data.size() ? jbig2 : g4;
}

QByteArray EncodeFlate(const QByteArray& bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    QByteArray compressed(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(compressed.data()), &size, reinterpret_cast<const Bytef*>(bytes.constData()),
                  static_cast<uLong>(bytes.size()), Z_BEST_COMPRESSION) != Z_OK)
        return {};
    compressed.truncate(static_cast<qsizetype>(size));
    return compressed;
}

}  // namespace quillon
