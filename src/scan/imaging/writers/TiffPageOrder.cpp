// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/writers/TiffPageOrder.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstring>

#include <unistd.h>

namespace quillon {

namespace {

constexpr std::uint16_t kPageNumberTag = 297;
constexpr std::size_t kMaxPages = 1 << 20;  // a chain longer than this is a loop

// Reads and writes the file's numbers in its own byte order.
class TiffFile {
public:
    explicit TiffFile(int fd) : fd_(fd) {}

    bool ReadHeader() {
        unsigned char header[16];
        if (::pread(fd_, header, sizeof header, 0) < 8) return false;
        if (header[0] == 'I' && header[1] == 'I') bigEndian_ = false;
        else if (header[0] == 'M' && header[1] == 'M') bigEndian_ = true;
        else return false;
        const std::uint64_t magic = Number(header + 2, 2);
        if (magic != 42 && magic != 43) return false;
        big_ = magic == 43;
        first_ = big_ ? Number(header + 8, 8) : Number(header + 4, 4);
        return true;
    }

    std::uint64_t first() const { return first_; }
    std::uint64_t FirstPointerAt() const { return big_ ? 8 : 4; }
    std::size_t offsetSize() const { return big_ ? 8 : 4; }

    // Where an image directory's entries begin, how many there are, and where its "next" pointer is.
    bool Directory(std::uint64_t offset, std::uint64_t& entries, std::uint64_t& count, std::uint64_t& next) {
        unsigned char bytes[8];
        const std::size_t countSize = big_ ? 8 : 2;
        if (!Read(offset, bytes, countSize)) return false;
        count = Number(bytes, countSize);
        entries = offset + countSize;
        next = entries + count * EntrySize();
        return count > 0 && count < 10000;
    }
    std::size_t EntrySize() const { return big_ ? 20 : 12; }

    bool ReadNumber(std::uint64_t offset, std::size_t size, std::uint64_t& value) {
        unsigned char bytes[8];
        if (!Read(offset, bytes, size)) return false;
        value = Number(bytes, size);
        return true;
    }
    bool WriteNumber(std::uint64_t offset, std::size_t size, std::uint64_t value) {
        unsigned char bytes[8];
        for (std::size_t i = 0; i < size; ++i) {
            const std::size_t shift = 8 * (bigEndian_ ? size - 1 - i : i);
            bytes[i] = static_cast<unsigned char>(value >> shift);
        }
        return ::pwrite(fd_, bytes, size, static_cast<off_t>(offset)) == static_cast<ssize_t>(size);
    }

private:
    bool Read(std::uint64_t offset, unsigned char* bytes, std::size_t size) {
        return ::pread(fd_, bytes, size, static_cast<off_t>(offset)) == static_cast<ssize_t>(size);
    }
    std::uint64_t Number(const unsigned char* bytes, std::size_t size) const {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < size; ++i) value = (value << 8) | bytes[bigEndian_ ? i : size - 1 - i];
        return value;
    }

    int fd_;
    bool bigEndian_ = false, big_ = false;
    std::uint64_t first_ = 0;
};

}  // namespace

QString ReorderTiffPages(int fd, const std::vector<int>& order) {
    TiffFile file(fd);
    if (!file.ReadHeader()) return QCoreApplication::translate("Imaging", "The TIFF file's header could not be read.");
    // The directories as they stand: where each one's "next" pointer and page number are.
    struct Page {
        std::uint64_t offset = 0, next = 0, pageNumber = 0;  // 0: no page number
    };
    std::vector<Page> pages;
    for (std::uint64_t offset = file.first(); offset != 0 && pages.size() < kMaxPages;) {
        Page page;
        page.offset = offset;
        std::uint64_t entries = 0, count = 0;
        if (!file.Directory(offset, entries, count, page.next))
            return QCoreApplication::translate("Imaging", "The TIFF file's page %1 could not be read.").arg(pages.size() + 1);
        for (std::uint64_t i = 0; i < count; ++i) {
            std::uint64_t tag = 0;
            const std::uint64_t entry = entries + i * file.EntrySize();
            if (!file.ReadNumber(entry, 2, tag)) return QCoreApplication::translate("Imaging", "The TIFF file could not be read.");
            if (tag == kPageNumberTag) page.pageNumber = entry + 4 + file.offsetSize();  // its value, inline
        }
        pages.push_back(page);
        if (!file.ReadNumber(page.next, file.offsetSize(), offset)) return QCoreApplication::translate("Imaging", "The TIFF file could not be read.");
    }
    if (order.empty()) return QCoreApplication::translate("Imaging", "A TIFF file needs at least one page.");
    for (const int index : order)
        if (index < 0 || static_cast<std::size_t>(index) >= pages.size())
            return QCoreApplication::translate("Imaging", "The TIFF file has no page %1.").arg(index + 1);

    const std::size_t size = file.offsetSize();
    bool written = file.WriteNumber(file.FirstPointerAt(), size, pages[static_cast<std::size_t>(order.front())].offset);
    for (std::size_t place = 0; place < order.size() && written; ++place) {
        const Page& page = pages[static_cast<std::size_t>(order[place])];
        const std::uint64_t next = place + 1 < order.size() ? pages[static_cast<std::size_t>(order[place + 1])].offset : 0;
        written = file.WriteNumber(page.next, size, next);
        if (written && page.pageNumber != 0)
            written = file.WriteNumber(page.pageNumber, 2, place) && file.WriteNumber(page.pageNumber + 2, 2, order.size());
    }
    return written ? QString() : QCoreApplication::translate("Imaging", "The TIFF file's pages could not be put in order.");
}

}  // namespace quillon
