// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScannerErrors.h"
#include "scan/sane/FrameReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <vector>

namespace quillon {
namespace {

// One frame as a device sends it: its parameters, its bytes in chunks, and
// how its reading ends.
struct ScriptedFrame {
    SANE_Parameters parameters;
    std::vector<std::vector<SANE_Byte>> chunks;
    SANE_Status end = SANE_STATUS_EOF;
};

class ScriptedDevice : public SaneDevice {
public:
    std::deque<ScriptedFrame> frames;
    int starts = 0;

    SANE_Status Start() override {
        ++starts;
        frames.pop_front();  // the frame before is done
        return frames.empty() ? SANE_STATUS_NO_DOCS : SANE_STATUS_GOOD;
    }
    SANE_Status GetParameters(SANE_Parameters& parameters) override {
        parameters = frames.front().parameters;
        return SANE_STATUS_GOOD;
    }
    SANE_Status Read(SANE_Byte* data, SANE_Int maxLength, SANE_Int* length) override {
        ScriptedFrame& frame = frames.front();
        *length = 0;
        if (frame.chunks.empty()) return frame.end;
        std::vector<SANE_Byte>& chunk = frame.chunks.front();
        const int count = std::min<int>(maxLength, static_cast<int>(chunk.size()));
        std::memcpy(data, chunk.data(), static_cast<std::size_t>(count));
        *length = count;
        chunk.erase(chunk.begin(), chunk.begin() + count);
        if (chunk.empty()) frame.chunks.erase(frame.chunks.begin());
        return SANE_STATUS_GOOD;
    }
    void Cancel() override {}
    int OptionCount() override { return 0; }
    const SANE_Option_Descriptor* Descriptor(int) override { return nullptr; }
    SANE_Status Control(int, SANE_Action, void*, SANE_Int*) override { return SANE_STATUS_UNSUPPORTED; }
};

SANE_Parameters Parameters(SANE_Frame format, int width, int lines, int depth, int bytesPerLine, bool last = true) {
    SANE_Parameters p{};
    p.format = format;
    p.last_frame = last ? SANE_TRUE : SANE_FALSE;
    p.pixels_per_line = width;
    p.lines = lines;
    p.depth = depth;
    p.bytes_per_line = bytesPerLine;
    return p;
}

// Bytes split into chunks of uneven sizes, as devices deliver them.
std::vector<std::vector<SANE_Byte>> Chunks(const std::vector<SANE_Byte>& bytes, std::initializer_list<int> sizes) {
    std::vector<std::vector<SANE_Byte>> chunks;
    std::size_t at = 0;
    for (const int size : sizes) {
        const std::size_t end = std::min(bytes.size(), at + static_cast<std::size_t>(size));
        chunks.emplace_back(bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(end));
        at = end;
    }
    if (at < bytes.size()) chunks.emplace_back(bytes.begin() + static_cast<long>(at), bytes.end());
    return chunks;
}

std::vector<SANE_Byte> Ramp(std::size_t count, int step = 1) {
    std::vector<SANE_Byte> bytes(count);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<SANE_Byte>(i * step);
    return bytes;
}

PageResult Read(ScriptedDevice& device) {
    PageProgress progress;
    return ReadStartedPage(device, progress);
}

TEST(FrameReaderTest, GreyWithAnUnknownLineCountTakesEveryWholeLine) {
    ScriptedDevice device;
    // 7 bytes a line, 5 whole lines and 3 stray bytes, in chunks that cut lines apart.
    device.frames.push_back({Parameters(SANE_FRAME_GRAY, 7, -1, 8, 7), Chunks(Ramp(38), {3, 10, 1, 20})});
    const PageResult page = Read(device);
    ASSERT_EQ(page.error, 0) << page.detail.toStdString();
    EXPECT_EQ(page.image.size(), QSize(7, 5));
    EXPECT_EQ(page.image.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(page.image.constScanLine(4)[6], 34);
}

TEST(FrameReaderTest, AShortFrameIsRejectedAndALongOneCut) {
    ScriptedDevice shortDevice;
    shortDevice.frames.push_back({Parameters(SANE_FRAME_GRAY, 4, 10, 8, 4), Chunks(Ramp(38), {16})});
    const PageResult shortPage = Read(shortDevice);
    EXPECT_EQ(shortPage.error, kScannerErrorShortImage);
    EXPECT_TRUE(shortPage.detail.contains("9 of 10 lines")) << shortPage.detail.toStdString();

    ScriptedDevice longDevice;
    longDevice.frames.push_back({Parameters(SANE_FRAME_GRAY, 4, 3, 8, 4), Chunks(Ramp(30), {})});
    const PageResult longPage = Read(longDevice);
    ASSERT_EQ(longPage.error, 0);
    EXPECT_EQ(longPage.image.size(), QSize(4, 3));

    ScriptedDevice empty;  // EOF before a single byte
    empty.frames.push_back({Parameters(SANE_FRAME_GRAY, 4, -1, 8, 4), {}});
    EXPECT_EQ(Read(empty).error, kScannerErrorShortImage);
}

TEST(FrameReaderTest, ThreePassColourIsJoinedIntoOnePage) {
    ScriptedDevice device;
    device.frames.push_back({Parameters(SANE_FRAME_RED, 2, 2, 8, 2, false), Chunks({10, 11, 12, 13}, {1})});
    device.frames.push_back({Parameters(SANE_FRAME_GREEN, 2, 2, 8, 2, false), Chunks({20, 21, 22, 23}, {})});
    device.frames.push_back({Parameters(SANE_FRAME_BLUE, 2, 2, 8, 2, true), Chunks({30, 31, 32, 33}, {3})});
    // The first frame is started already; the reader starts the other two.
    const PageResult page = Read(device);
    ASSERT_EQ(page.error, 0) << page.detail.toStdString();
    EXPECT_EQ(device.starts, 2);
    EXPECT_EQ(page.image.format(), QImage::Format_RGB888);
    EXPECT_EQ(page.image.pixel(1, 1), qRgb(13, 23, 33));
    EXPECT_EQ(page.image.pixel(0, 0), qRgb(10, 20, 30));
}

TEST(FrameReaderTest, OneBitLinesKeepBlackAsOne) {
    ScriptedDevice device;
    // 10 pixels a line, in 3 bytes (one of padding); 1 is black.
    device.frames.push_back({Parameters(SANE_FRAME_GRAY, 10, 2, 1, 3), Chunks({0b10000000, 0b01000000, 0xFF, 0, 0, 0}, {2})});
    const PageResult page = Read(device);
    ASSERT_EQ(page.error, 0) << page.detail.toStdString();
    EXPECT_EQ(page.image.format(), QImage::Format_Mono);
    EXPECT_EQ(page.image.size(), QSize(10, 2));
    EXPECT_EQ(qGray(page.image.pixel(0, 0)), 0);
    EXPECT_EQ(qGray(page.image.pixel(1, 0)), 255);
    EXPECT_EQ(qGray(page.image.pixel(9, 0)), 0);
    EXPECT_EQ(qGray(page.image.pixel(9, 1)), 255);
}

TEST(FrameReaderTest, SixteenBitSamplesAndPaddedLines) {
    ScriptedDevice grey;
    std::vector<SANE_Byte> bytes(2 * 3 * 2 + 2 * 2, 0);  // 3 pixels of 16 bits and 2 bytes lost per line
    const std::uint16_t samples[] = {0x1234, 0xABCD, 0xFF00};
    for (int line = 0; line < 2; ++line)
        std::memcpy(bytes.data() + line * 8, samples, sizeof samples);
    grey.frames.push_back({Parameters(SANE_FRAME_GRAY, 3, 2, 16, 8), Chunks(bytes, {5})});
    const PageResult page = Read(grey);
    ASSERT_EQ(page.error, 0) << page.detail.toStdString();
    EXPECT_EQ(page.image.constScanLine(1)[0], 0x12);
    EXPECT_EQ(page.image.constScanLine(1)[1], 0xAB);
    EXPECT_EQ(page.image.constScanLine(1)[2], 0xFF);

    ScriptedDevice colour;
    const std::uint16_t rgb[] = {0x1000, 0x2000, 0x3000};
    std::vector<SANE_Byte> line(6);
    std::memcpy(line.data(), rgb, 6);
    colour.frames.push_back({Parameters(SANE_FRAME_RGB, 1, 1, 16, 6), Chunks(line, {})});
    const PageResult colourPage = Read(colour);
    ASSERT_EQ(colourPage.error, 0);
    EXPECT_EQ(colourPage.image.pixel(0, 0), qRgb(0x10, 0x20, 0x30));
}

TEST(FrameReaderTest, DeviceFailuresAndUnreadableFormatsAreErrors) {
    ScriptedDevice jammed;
    jammed.frames.push_back({Parameters(SANE_FRAME_GRAY, 4, 10, 8, 4), Chunks(Ramp(8), {}), SANE_STATUS_JAMMED});
    EXPECT_EQ(Read(jammed).error, kScannerErrorJammed);

    ScriptedDevice cancelled;
    cancelled.frames.push_back({Parameters(SANE_FRAME_GRAY, 4, 10, 8, 4), {}, SANE_STATUS_CANCELLED});
    EXPECT_EQ(Read(cancelled).error, kScannerErrorCancelled);

    ScriptedDevice jpeg;
    jpeg.frames.push_back({Parameters(static_cast<SANE_Frame>(0x0B), 4, 4, 8, 4), {}});
    EXPECT_EQ(Read(jpeg).error, kScannerErrorUnsupported);
}

}  // namespace
}  // namespace quillon
