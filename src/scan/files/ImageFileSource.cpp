// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/files/ImageFileSource.h"

#include "scan/ScannerErrors.h"
#include "scan/imaging/pages/ImageFilePages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

// A page that gives no resolution of its own (a phone's picture) is taken
// to be as wide as the paper chosen, or as a Letter or A4 sheet's width.
constexpr double kPaperWidthMm = 215.9;
constexpr int kLeastDpi = 50;

// Names compared as a person reads them: runs of digits by their value,
// the rest without regard to case ("page 2" before "Page 10").
bool NaturallyBefore(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            // Leading zeros skipped: "007" is 7.
            while (i < a.size() && a[i] == u'0' && i + 1 < a.size() && a[i + 1].isDigit()) ++i;
            while (j < b.size() && b[j] == u'0' && j + 1 < b.size() && b[j + 1].isDigit()) ++j;
            const qsizetype startA = i, startB = j;
            while (i < a.size() && a[i].isDigit()) ++i;
            while (j < b.size() && b[j].isDigit()) ++j;
            const QStringView valueA = QStringView(a).mid(startA, i - startA);
            const QStringView valueB = QStringView(b).mid(startB, j - startB);
            if (valueA.size() != valueB.size()) return valueA.size() < valueB.size();
            if (valueA != valueB) return valueA < valueB;
            continue;
        }
        const int order = QString::compare(a.mid(i, 1), b.mid(j, 1), Qt::CaseInsensitive);
        if (order != 0) return order < 0;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j)) return (a.size() - i) < (b.size() - j);
    return a < b;  // equal but for case or leading zeros: still one order
}

QStringList ImagesOfFolder(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Readable, QDir::NoSort);
    std::sort(names.begin(), names.end(), NaturallyBefore);
    // Other files are left aside, but not a picture that cannot be read: a
    // page of the stack would be missing.
    static const QStringList kImageSuffixes{"jpg", "jpeg", "png", "tif", "tiff"};
    QStringList images;
    for (const QString& name : names) {
        const QString path = QDir(folder).filePath(name);
        if (KindOfImageFile(path) != ImageFileKind::NotAnImage ||
            kImageSuffixes.contains(QFileInfo(name).suffix(), Qt::CaseInsensitive))
            images.append(path);
    }
    return images;
}

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ImageFileSource)
};

}  // namespace

QList<ScannerChoice> ImageFileSource::Sources() {
    return {{QString::fromLatin1(kName), Text::tr("Image files")}};
}

SourceFault ImageFileSource::Open(const QString&) {
    pages_.clear();
    next_ = 0;
    cancelled_ = false;
    for (const QString& given : paths_) {
        const QFileInfo info(given);
        if (!info.exists())
            return {kScannerErrorImageFile, Text::tr("%1 was not found.").arg(QDir::toNativeSeparators(given))};
        const QStringList files = info.isDir() ? ImagesOfFolder(given) : QStringList{given};
        if (info.isDir() && files.isEmpty())
            return {kScannerErrorImageFile, Text::tr("%1 holds no JPEG, PNG or TIFF image.").arg(QDir::toNativeSeparators(given))};
        for (const QString& file : files) {
            const int count = PageCountOfImageFile(file);
            if (count == 0)
                return {kScannerErrorImageFile,
                        Text::tr("%1 is not a JPEG, PNG or TIFF image.").arg(QDir::toNativeSeparators(file))};
            for (int index = 0; index < count; ++index) pages_.push_back({file, index});
        }
    }
    if (pages_.empty()) return {kScannerErrorImageFile, Text::tr("No image file was given.")};
    return {};
}

SourceTook ImageFileSource::Apply(const SourceSettings& settings) {
    paperWidthMm_ = settings.widthMm;
    // Each page comes as stored: the document makes it what was asked.
    SourceTook took;
    took.feeder = took.hasFeeder = true;
    return took;
}

SourcePage ImageFileSource::TakeIn(bool) {
    if (cancelled_.exchange(false)) return SourcePage::Ended(SourcePage::End::Cancelled);
    return next_ < pages_.size() ? SourcePage{} : SourcePage::Ended(SourcePage::End::NoMorePaper);
}

SourcePage ImageFileSource::Next(const std::shared_ptr<SourceProgress>& progress) {
    if (cancelled_.exchange(false)) return SourcePage::Ended(SourcePage::End::Cancelled);
    if (next_ >= pages_.size()) return SourcePage::Ended(SourcePage::End::NoMorePaper);
    const Page& page = pages_[next_++];
    progress->expected = 1;
    int dpi = 0;
    QImage image = ReadImageFilePage(page.path, page.index, &dpi);
    if (image.isNull())
        return SourcePage::Ended(SourcePage::End::Fault,
                                 {kScannerErrorImageFile,
                                  Text::tr("Page %1 of %2 could not be read.").arg(page.index + 1).arg(QDir::toNativeSeparators(page.path))});
    if (dpi < kLeastDpi) {
        const double widthMm = paperWidthMm_ > 0 ? paperWidthMm_ : kPaperWidthMm;
        dpi = std::max(kLeastDpi, int(std::lround(image.width() * 25.4 / widthMm)));
    }
    progress->done = 1;
    if (cancelled_.exchange(false)) return SourcePage::Ended(SourcePage::End::Cancelled);
    return SourcePage::Page(std::move(image), dpi);
}

}  // namespace quillon
