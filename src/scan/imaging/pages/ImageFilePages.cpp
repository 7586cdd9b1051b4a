// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pages/ImageFilePages.h"

#include "scan/imaging/writers/TiffSupport.h"

#include <QFile>
#include <QImageReader>

#include <cmath>
#include <vector>

namespace quillon {
namespace {

TiffHandle OpenTiff(const QString& path) {
    InstallTiffErrorCapture();
    return TiffHandle(TIFFOpen(QFile::encodeName(path).constData(), "r"));
}

int DpiOf(float resolution, uint16_t unit) {
    if (resolution <= 0) return 0;
    if (unit == RESUNIT_CENTIMETER) resolution *= 2.54f;
    else if (unit != RESUNIT_INCH) return 0;  // no unit: an aspect ratio, not a resolution
    return int(std::lround(resolution));
}

QImage ReadTiffDirectory(TIFF* tiff, int* dpi) {
    uint32_t width = 0, height = 0;
    uint16_t samples = 1, unit = RESUNIT_INCH;
    float resolution = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &resolution) != 1) resolution = 0;
    *dpi = DpiOf(resolution, unit);
    if (width == 0 || height == 0 || std::uint64_t(width) * height > (std::uint64_t(1) << 30)) return {};
    // libtiff's RGBA reader takes every compression and layout a scanner writes.
    std::vector<uint32_t> raster(std::size_t(width) * height);
    if (!TIFFReadRGBAImageOriented(tiff, width, height, raster.data(), ORIENTATION_TOPLEFT, 0)) return {};
    QImage page(int(width), int(height), QImage::Format_RGB32);
    for (uint32_t y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(page.scanLine(int(y)));
        const uint32_t* from = raster.data() + std::size_t(y) * width;
        for (uint32_t x = 0; x < width; ++x)
            line[x] = qRgb(TIFFGetR(from[x]), TIFFGetG(from[x]), TIFFGetB(from[x]));
    }
    return samples < 3 ? page.convertToFormat(QImage::Format_Grayscale8) : page;
}

}  // namespace

ImageFileKind KindOfImageFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ImageFileKind::NotAnImage;
    const QByteArray head = file.read(8);
    if (head.startsWith("\xFF\xD8\xFF")) return ImageFileKind::Jpeg;
    if (head.startsWith("\x89PNG\r\n\x1A\n")) return ImageFileKind::Png;
    if (head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4))) return ImageFileKind::Tiff;
    return ImageFileKind::NotAnImage;
}

int PageCountOfImageFile(const QString& path) {
    switch (KindOfImageFile(path)) {
    case ImageFileKind::NotAnImage:
        return 0;
    case ImageFileKind::Jpeg:
    case ImageFileKind::Png:
        return QImageReader(path).canRead() ? 1 : 0;
    case ImageFileKind::Tiff: {
        const TiffHandle tiff = OpenTiff(path);
        return tiff ? int(TIFFNumberOfDirectories(tiff.get())) : 0;
    }
    }
    return 0;
}

QImage ReadImageFilePage(const QString& path, int index, int* dpi) {
    *dpi = 0;
    if (KindOfImageFile(path) == ImageFileKind::Tiff) {
        const TiffHandle tiff = OpenTiff(path);
        if (!tiff || !TIFFSetDirectory(tiff.get(), tdir_t(index))) return {};
        return ReadTiffDirectory(tiff.get(), dpi);
    }
    if (index != 0) return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);  // a phone's picture the way up it was taken
    QImage page = reader.read();
    if (page.isNull()) return {};
    // JPEG and PNG files that say nothing store 72 or 96 dpi: no resolution at all.
    const int stored = int(std::lround(page.dotsPerMeterX() * 0.0254));
    *dpi = stored == 72 || stored == 96 ? 0 : stored;
    if (page.isGrayscale()) return page.convertToFormat(QImage::Format_Grayscale8);
    return page.convertToFormat(QImage::Format_RGB32);
}

}  // namespace quillon
