// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pipeline/PagePipeline.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace quillon {
namespace {

// A page that says which it is by its width.
QImage NumberedPage(int number) {
    QImage page(16 + number, 8, QImage::Format_Grayscale8);
    page.fill(255);
    return page;
}

// A writer whose encoding waits for the test's word, page by page: the slow
// stage. It keeps the order pages are placed in.
class GatedWriter : public DocumentWriter {
public:
    EncodedPage Encode(const QImage& page) const override {
        std::unique_lock lock(mutex_);
        gateChanged_.wait(lock, [&] { return permits_ > 0; });
        --permits_;
        ++encoded_;
        gateChanged_.notify_all();
        EncodedPage encoded = EncodedPage::Describing(page);
        if (page.width() - 16 == failOn_ && failure_ == Failure::Encoding) throw std::bad_alloc();
        if (page.width() - 16 == failOn_) encoded.error = QStringLiteral("This page cannot be encoded.");
        return encoded;
    }
    bool AddEncoded(EncodedPage page) override {
        if (!page.error.isEmpty() && failure_ == Failure::Placing) throw std::bad_alloc();
        if (!page.error.isEmpty()) return Fail(page.error);
        std::lock_guard lock(mutex_);
        placed_.push_back(page.width - 16);
        ++pageCount_;
        return true;
    }
    bool Finish() override { return true; }

    void Open(int pages) {
        std::lock_guard lock(mutex_);
        permits_ += pages;
        gateChanged_.notify_all();
    }
    void WaitUntilEncoded(int pages) {
        std::unique_lock lock(mutex_);
        gateChanged_.wait(lock, [&] { return encoded_ >= pages; });
    }
    int placedCount() const {
        std::lock_guard lock(mutex_);
        return static_cast<int>(placed_.size());
    }
    std::vector<int> placed() const {
        std::lock_guard lock(mutex_);
        return placed_;
    }
    int failOn_ = -1;
    // How that page fails: said, or out of memory on the worker that encodes or places it.
    enum class Failure { Said, Encoding, Placing } failure_ = Failure::Said;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable gateChanged_;
    mutable int permits_ = 0, encoded_ = 0;
    std::vector<int> placed_;
};

// A reader that scans pages as the library does: room first, then the page.
class Reader {
public:
    Reader(PagePipeline& pipeline, int pages) : pipeline_(pipeline), pages_(pages), thread_([this] { Run(); }) {}
    ~Reader() { thread_.join(); }

    void WaitUntilAdopted(int pages) {
        std::unique_lock lock(mutex_);
        adoptedChanged_.wait(lock, [&] { return adopted_ >= pages; });
    }
    int adopted() {
        std::lock_guard lock(mutex_);
        return adopted_;
    }

private:
    void Run() {
        for (int number = 0; number < pages_; ++number) {
            if (!pipeline_.WaitForRoom([] { return false; })) return;
            const std::uint64_t id = pipeline_.Adopt(NumberedPage(number), {});
            pipeline_.Write(id);
            pipeline_.Release(id);  // as the scan job frees each page it has written
            std::lock_guard lock(mutex_);
            ++adopted_;
            adoptedChanged_.notify_all();
        }
    }

    PagePipeline& pipeline_;
    const int pages_;
    std::mutex mutex_;
    std::condition_variable adoptedChanged_;
    int adopted_ = 0;
    std::thread thread_;
};

// The bound: as made (one page more than the two workers), widened, and
// widened with a byte budget that large pages exceed.
struct BoundCase {
    const char* name;
    int capacity;        // 0: as made
    int budgetInPages;   // 0: no budget
    int bound;
    friend void PrintTo(const BoundCase& c, std::ostream* out) { *out << c.name; }
};

class PagePipelineBoundTest : public ::testing::TestWithParam<BoundCase> {};

TEST_P(PagePipelineBoundTest, ASlowEncoderHoldsTheReaderWithinTheBoundAndPagesArePlacedInOrder) {
    constexpr int kPages = 50;
    const BoundCase& c = GetParam();
    GatedWriter writer;
    PagePipeline pipeline(2);
    ASSERT_EQ(pipeline.capacity(), 3);
    if (c.capacity > 0) pipeline.SetCapacity(c.capacity, c.budgetInPages * NumberedPage(0).sizeInBytes());
    pipeline.SetWriter(&writer);
    {
        Reader reader(pipeline, kPages);
        // Nothing is encoded yet: the reader fills the pipeline and must stop there.
        reader.WaitUntilAdopted(c.bound);
        // Then one page is let through at a time; a page stays under way
        // until it is placed, so the reader is never more than the bound ahead.
        for (int encoded = 1; encoded <= kPages; ++encoded) {
            const int adopted = reader.adopted();  // read first: both only grow
            const int placed = writer.placedCount();
            EXPECT_LE(adopted, placed + c.bound) << "with " << placed << " pages placed";
            writer.Open(1);
            writer.WaitUntilEncoded(encoded);
        }
    }
    EXPECT_TRUE(pipeline.Drain());
    EXPECT_EQ(pipeline.peakBusy(), c.bound);
    std::vector<int> expected(kPages);
    for (int i = 0; i < kPages; ++i) expected[i] = i;
    EXPECT_EQ(writer.placed(), expected);
}

INSTANTIATE_TEST_SUITE_P(Bounds, PagePipelineBoundTest,
                         ::testing::Values(BoundCase{"AsMade", 0, 0, 3}, BoundCase{"Widened", 7, 0, 7},
                                           BoundCase{"WidenedWithinABudgetOfFivePages", 7, 5, 5},
                                           BoundCase{"WidenedButLargePagesKeepTheFirstBound", 7, 2, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PagePipelineTest, APageThatFailsIsReportedAtTheNextWriteAndAtTheEndAndNothingAfterItIsPlaced) {
    const std::pair<GatedWriter::Failure, const char*> kFailures[] = {
        {GatedWriter::Failure::Said, "This page cannot be encoded."},
        {GatedWriter::Failure::Encoding, "There is not enough memory for a page this large:"},
        {GatedWriter::Failure::Placing, "There is not enough memory for a page this large:"},
    };
    for (const auto& [failure, said] : kFailures) {
        SCOPED_TRACE(said);
        GatedWriter writer;
        writer.failOn_ = 1;
        writer.failure_ = failure;
        PagePipeline pipeline(2);
        pipeline.SetWriter(&writer);
        std::vector<std::uint64_t> ids;
        // Nothing is encoded before all three are written, so none fails yet.
        for (int number = 0; number < 3; ++number) {
            ids.push_back(pipeline.Adopt(NumberedPage(number), {}));
            EXPECT_TRUE(pipeline.Write(ids.back()));
        }
        writer.Open(10);
        EXPECT_FALSE(pipeline.Drain());
        EXPECT_TRUE(pipeline.error().startsWith(said)) << pipeline.error().toStdString();
        const std::uint64_t late = pipeline.Adopt(NumberedPage(3), {});
        EXPECT_FALSE(pipeline.Write(late));
        EXPECT_EQ(writer.placed(), std::vector<int>{0});
        // The blank test and the page itself still answer for a page held.
        EXPECT_EQ(pipeline.Prepared(late)->width(), 19);
        EXPECT_EQ(pipeline.Ink(late).coverage, 0.0);
        pipeline.Release(late);
        EXPECT_FALSE(pipeline.Holds(late));
        for (const std::uint64_t id : ids) pipeline.Release(id);
    }
}

}  // namespace
}  // namespace quillon
