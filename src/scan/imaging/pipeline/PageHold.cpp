// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pipeline/PageHold.h"

#include "scan/imaging/writers/SafeOutputFile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QStandardPaths>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace quillon {

namespace {

void WriteImage(QDataStream& out, const QImage& image) {
    out << image.width() << image.height() << static_cast<int>(image.format()) << image.dotsPerMeterX()
        << image.dotsPerMeterY() << image.colorTable();
    for (int y = 0; y < image.height(); ++y)
        out.writeRawData(reinterpret_cast<const char*>(image.constScanLine(y)), static_cast<int>(image.bytesPerLine()));
}

QImage ReadImage(QDataStream& in) {
    int width = 0, height = 0, format = 0, dotsX = 0, dotsY = 0;
    QList<QRgb> colours;
    in >> width >> height >> format >> dotsX >> dotsY >> colours;
    if (width <= 0 || height <= 0) return {};
    QImage image(width, height, static_cast<QImage::Format>(format));
    if (image.isNull()) return {};
    image.setDotsPerMeterX(dotsX);
    image.setDotsPerMeterY(dotsY);
    if (!colours.isEmpty()) image.setColorTable(colours);
    for (int y = 0; y < height; ++y)
        in.readRawData(reinterpret_cast<char*>(image.scanLine(y)), static_cast<int>(image.bytesPerLine()));
    return image;
}

QByteArray Serialized(const EncodedPage& page) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const EncodedPage::Pdf& pdf = page.pdf;
    out << page.width << page.height << page.dpi << static_cast<int>(page.format) << page.data << pdf.mask << pdf.jbig2
        << pdf.backgroundSize << pdf.ink << pdf.inkColours << pdf.inkColoursSize << pdf.text
        << QList<int>(pdf.textFonts.begin(), pdf.textFonts.end()) << page.error << page.note << page.textUnread
        << page.quarterTurns;
    WriteImage(out, page.page);
    return bytes;
}

std::optional<EncodedPage> Deserialized(const QByteArray& bytes) {
    QDataStream in(bytes);
    EncodedPage page;
    int format = 0;
    QList<int> fonts;
    EncodedPage::Pdf& pdf = page.pdf;
    in >> page.width >> page.height >> page.dpi >> format >> page.data >> pdf.mask >> pdf.jbig2 >> pdf.backgroundSize >>
        pdf.ink >> pdf.inkColours >> pdf.inkColoursSize >> pdf.text >> fonts >> page.error >>
        page.note >> page.textUnread >> page.quarterTurns;
    page.format = static_cast<QImage::Format>(format);
    page.pdf.textFonts.assign(fonts.begin(), fonts.end());
    page.page = ReadImage(in);
    if (in.status() != QDataStream::Ok) return std::nullopt;
    return page;
}

QString NotHeld(int error) {
    return QCoreApplication::translate("Imaging", "The pages could not be held for review: ") + SystemErrorText(error) +
           QLatin1Char('.');
}

// A file in the folder that no name points at: it goes with its descriptor.
int UnnamedFile(const QString& folder) {
    if (folder.isEmpty() || !QDir().mkpath(folder)) return -1;
    const QByteArray path = QFile::encodeName(folder);
    const int fd = ::open(path.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
    QByteArray name = path + "/quillon-held-XXXXXX";  // a file system without unnamed files
    const int named = ::mkostemp(name.data(), O_CLOEXEC);
    if (named >= 0) ::unlink(name.constData());
    return named;
}

// Encodes as the document's own writer does, and places the pages in the hold.
class HoldingWriter : public DocumentWriter {
public:
    HoldingWriter(std::unique_ptr<DocumentWriter> encoder, PageHold& hold) : encoder_(std::move(encoder)), hold_(hold) {}
    EncodedPage Encode(const QImage& page) const override { return encoder_->Encode(page); }
    bool TakesText() const override { return encoder_->TakesText(); }
    void AddText(EncodedPage& encoded, const RecognizedText& text) const override { encoder_->AddText(encoded, text); }
    bool AddEncoded(EncodedPage page) override {
        if (!error_.isEmpty()) return false;
        if (!hold_.Add(std::move(page))) return Fail(hold_.error());
        ++pageCount_;
        return true;
    }
    bool Finish() override { return error_.isEmpty(); }

private:
    std::unique_ptr<DocumentWriter> encoder_;
    PageHold& hold_;
};

}  // namespace

std::unique_ptr<DocumentWriter> CreateHoldingWriter(std::unique_ptr<DocumentWriter> encoder, PageHold& hold) {
    return std::make_unique<HoldingWriter>(std::move(encoder), hold);
}

PageHold::PageHold(qint64 memoryBound) : memoryBound_(memoryBound) {}

PageHold::~PageHold() {
    if (fd_ >= 0) ::close(fd_);
}

qint64 PageHold::BytesOf(const EncodedPage& page) {
    const EncodedPage::Pdf& pdf = page.pdf;
    return page.data.size() + pdf.mask.size() + pdf.inkColours.size() + pdf.text.size() + page.page.sizeInBytes();
}

// The user's cache folder is on disk, where a temporary folder may be memory.
bool PageHold::OpenFile() {
    if (fd_ >= 0) return true;
    fd_ = UnnamedFile(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    if (fd_ < 0) fd_ = UnnamedFile(QDir::tempPath());
    if (fd_ >= 0) return true;
    error_ = NotHeld(errno);
    return false;
}

bool PageHold::Add(EncodedPage page) {
    std::lock_guard lock(mutex_);
    Slot slot;
    slot.bytes = BytesOf(page);
    if (inMemory_ + slot.bytes <= memoryBound_ || slots_.empty()) {
        inMemory_ += slot.bytes;
        slot.page = std::move(page);
        slots_.push_back(std::move(slot));
        return true;
    }
    if (!OpenFile()) return false;
    const QByteArray bytes = Serialized(page);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t count = ::pwrite(fd_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done), fileEnd_ + done);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            error_ = NotHeld(count < 0 ? errno : ENOSPC);
            return false;
        }
        done += count;
    }
    slot.offset = fileEnd_;
    slot.length = bytes.size();
    fileEnd_ += bytes.size();
    slots_.push_back(std::move(slot));
    return true;
}

int PageHold::count() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(slots_.size());
}

std::optional<EncodedPage> PageHold::Take(int place) {
    std::lock_guard lock(mutex_);
    if (place < 0 || place >= static_cast<int>(slots_.size())) return std::nullopt;
    Slot& slot = slots_[static_cast<std::size_t>(place)];
    if (slot.page) {
        inMemory_ -= slot.bytes;
        return std::exchange(slot.page, std::nullopt);
    }
    if (slot.offset < 0) return std::nullopt;
    QByteArray bytes(slot.length, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::pread(fd_, bytes.data() + done, static_cast<size_t>(bytes.size() - done), slot.offset + done);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;
        done += count;
    }
    slot.offset = -1;
    std::optional<EncodedPage> page = done == bytes.size() ? Deserialized(bytes) : std::nullopt;
    if (!page) error_ = QCoreApplication::translate("Imaging", "A page held for review could not be read back.");
    return page;
}

qint64 PageHold::bytesInFile() const {
    std::lock_guard lock(mutex_);
    return fileEnd_;
}

QString PageHold::error() const {
    std::lock_guard lock(mutex_);
    return error_;
}

}  // namespace quillon
