// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pages/PageMemory.h"

#include <algorithm>
#include <mutex>
#include <thread>
#include <vector>

#include <sys/mman.h>

namespace quillon {

namespace {

// Memory is kept for no more pages than a batch has under way at once (one
// more than the cores, as the page pipeline allows), counting those in use:
// however long the batch, it never holds more.
std::size_t PagesKept() { return std::max(1u, std::thread::hardware_concurrency()) + 1; }

struct Block {
    void* memory = nullptr;
    std::size_t bytes = 0;
};

// Mappings of their own, never a malloc arena's: nothing here takes a lock
// that another library's thread could be holding.
class PageMemoryPool {
public:
    void* Take(std::size_t bytes) {
        std::unique_lock lock(mutex_);
        for (auto block = spares_.begin(); block != spares_.end(); ++block) {
            if (block->bytes != bytes) continue;
            void* memory = block->memory;
            spares_.erase(block);
            ++leased_;
            return memory;
        }
        lock.unlock();
        void* memory = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED) return nullptr;
        // In huge pages a page's memory costs a fault per 2 MiB, not per 4 KiB.
        ::madvise(memory, bytes, MADV_HUGEPAGE);
        lock.lock();
        ++leased_;
        return memory;
    }

    void Give(void* memory, std::size_t bytes) {
        {
            std::lock_guard lock(mutex_);
            --leased_;
            if (leased_ + spares_.size() < PagesKept()) {
                spares_.push_back({memory, bytes});
                return;
            }
        }
        ::munmap(memory, bytes);
    }

    void ReleaseSpares() {
        std::vector<Block> spares;
        {
            std::lock_guard lock(mutex_);
            spares.swap(spares_);
        }
        for (const Block& block : spares) ::munmap(block.memory, block.bytes);
    }

private:
    std::mutex mutex_;
    std::vector<Block> spares_;
    std::size_t leased_ = 0;
};

PageMemoryPool& Pool() {
    static PageMemoryPool* pool = new PageMemoryPool;  // outlives every image, even at exit
    return *pool;
}

struct Lease {
    void* memory;
    std::size_t bytes;
};

void GiveBack(void* info) {
    auto* lease = static_cast<Lease*>(info);
    Pool().Give(lease->memory, lease->bytes);
    delete lease;
}

}  // namespace

QImage RecycledPage(int width, int height, QImage::Format format, qsizetype bytesPerLine) {
    if (width <= 0 || height <= 0) return {};
    const QImage shape(1, 1, format);  // for the depth of the format
    const qsizetype packed = (static_cast<qsizetype>(width) * shape.depth() + 7) / 8;
    if (bytesPerLine < packed) bytesPerLine = ((static_cast<qsizetype>(width) * shape.depth() + 31) / 32) * 4;
    const auto bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(height);
    void* memory = Pool().Take(bytes);
    if (!memory) return QImage(width, height, format);
    return QImage(static_cast<uchar*>(memory), width, height, bytesPerLine, format, GiveBack, new Lease{memory, bytes});
}

void ReleaseSparePageMemory() { Pool().ReleaseSpares(); }

}  // namespace quillon
