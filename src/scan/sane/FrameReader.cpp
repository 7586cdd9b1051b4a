// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/FrameReader.h"

#include "scan/ScannerErrors.h"
#include "scan/sane/SaneStatus.h"
#include "scan/imaging/pages/PageMemory.h"

#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace quillon {

namespace {

constexpr int kReadChunk = 256 * 1024;
constexpr int kDataPipeBytes = 1024 * 1024;  // what an unprivileged process may ask by default

// Backends send frame types beyond the enum (JPEG, G4, IR, ...): read the
// field as the number it is, never as an enum value it may not hold.
int FrameType(const SANE_Parameters& parameters) {
    int type = 0;
    static_assert(sizeof(type) == sizeof(parameters.format));
    std::memcpy(&type, &parameters.format, sizeof type);
    return type;
}

bool IsChannelFrame(int type) { return type == SANE_FRAME_RED || type == SANE_FRAME_GREEN || type == SANE_FRAME_BLUE; }

int ChannelOf(int type) { return type == SANE_FRAME_RED ? 0 : type == SANE_FRAME_GREEN ? 1 : 2; }

// A sample as 8 bits: 16-bit samples come in the host's byte order.
uchar Sample(const uchar* row, int index, int depth) {
    if (depth == 8) return row[index];
    std::uint16_t value;
    std::memcpy(&value, row + 2 * index, 2);
    return static_cast<uchar>(value >> 8);
}

}  // namespace

bool FrameAssembler::BeginFrame(const SANE_Parameters& parameters) {
    parameters_ = parameters;
    frame_.clear();
    partial_.clear();
    line_ = 0;
    received_ = 0;
    direct_ = false;
    error_.clear();
    const int depth = parameters.depth;
    if (parameters.pixels_per_line <= 0 || parameters.bytes_per_line <= 0)
        return Fail(QStringLiteral("the scanner announced a page without width"));
    const int type = FrameType(parameters);
    const bool grey = type == SANE_FRAME_GRAY;
    const bool rgb = type == SANE_FRAME_RGB;
    if (!grey && !rgb && !IsChannelFrame(type)) return Fail(QStringLiteral("frame format %1 is not supported").arg(type));
    if (!(depth == 8 || depth == 16 || (depth == 1 && grey)))
        return Fail(QStringLiteral("%1-bit samples are not supported for this frame").arg(depth));
    const int samples = rgb ? 3 : 1;
    const long long needed = depth == 1 ? (parameters.pixels_per_line + 7) / 8
                                        : static_cast<long long>(parameters.pixels_per_line) * samples * (depth / 8);
    if (parameters.bytes_per_line < needed) return Fail(QStringLiteral("the scanner announced lines too short for their pixels"));
    if (IsChannelFrame(type) && !image_.isNull() && image_.width() != parameters.pixels_per_line)
        return Fail(QStringLiteral("the colour frames differ in width"));
    // With the line count known, rows go straight into the page as they come.
    return parameters.lines <= 0 || MakePage(parameters.lines);
}

bool FrameAssembler::MakePage(int lines) {
    const SANE_Parameters& p = parameters_;
    const int width = p.pixels_per_line;
    if (IsChannelFrame(FrameType(p))) {
        if (image_.isNull() || image_.format() != QImage::Format_RGB888) {
            image_ = RecycledPage(width, lines, QImage::Format_RGB888);
            if (!image_.isNull()) image_.fill(Qt::black);
        }
        return image_.height() == lines || Fail(QStringLiteral("the colour frames differ in height"));
    }
    const QImage::Format format = p.depth == 1                         ? QImage::Format_Mono
                                  : FrameType(p) == SANE_FRAME_RGB ? QImage::Format_RGB888
                                                                   : QImage::Format_Grayscale8;
    // Samples as the page keeps them, in one frame of known length: the lines
    // are read straight into the page, with the device's line length.
    direct_ = p.depth != 16 && p.lines > 0;
    image_ = RecycledPage(width, lines, format, direct_ ? p.bytes_per_line : 0);
    if (image_.isNull()) {
        outOfMemory_ = true;
        return Fail(QStringLiteral("no memory for a page of %1 by %2 pixels").arg(width).arg(lines));
    }
    if (p.depth == 1) image_.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});  // in SANE, 1 is black
    return true;
}

void FrameAssembler::PlaceLine(const uchar* in) {
    const SANE_Parameters& p = parameters_;
    if (line_ >= image_.height()) return;  // more than announced is cut
    const int width = p.pixels_per_line;
    const int type = FrameType(p);
    uchar* out = image_.scanLine(line_);
    if (IsChannelFrame(type)) {
        out += ChannelOf(type);
        for (int x = 0; x < width; ++x) out[3 * x] = Sample(in, x, p.depth);
    } else if (p.depth == 1) {
        std::memcpy(out, in, static_cast<std::size_t>((width + 7) / 8));
    } else {
        const int samples = width * (type == SANE_FRAME_RGB ? 3 : 1);
        if (p.depth == 8)
            std::memcpy(out, in, static_cast<std::size_t>(samples));
        else
            for (int i = 0; i < samples; ++i) out[i] = Sample(in, i, 16);
    }
}

uchar* FrameAssembler::DirectTarget(qsizetype* room) {
    if (!direct_ || image_.isNull()) return nullptr;
    const qsizetype total = image_.sizeInBytes();
    if (received_ >= total) return nullptr;  // more than announced goes to the buffer, and is cut
    *room = total - received_;
    return image_.bits() + received_;
}

void FrameAssembler::AddDirect(int length) {
    received_ += std::max(0, length);
    line_ = static_cast<int>(received_ / parameters_.bytes_per_line);
}

void FrameAssembler::Add(const SANE_Byte* data, int length) {
    if (direct_) return;  // past the announced lines
    if (length <= 0) return;
    if (parameters_.lines <= 0) {
        frame_.append(reinterpret_cast<const char*>(data), length);  // placed once the count is known
        return;
    }
    const int bytesPerLine = parameters_.bytes_per_line;
    while (length > 0) {
        const int take = std::min<int>(length, bytesPerLine - static_cast<int>(partial_.size()));
        if (partial_.isEmpty() && take == bytesPerLine) {
            PlaceLine(data);  // a whole line where it came, without a copy
        } else {
            partial_.append(reinterpret_cast<const char*>(data), take);
            if (partial_.size() < bytesPerLine) return;  // the rest comes with the next read
            PlaceLine(reinterpret_cast<const uchar*>(partial_.constData()));
            partial_.clear();
        }
        data += take;
        length -= take;
        ++line_;
    }
}

bool FrameAssembler::EndFrame() {
    const SANE_Parameters& p = parameters_;
    if (p.lines > 0) {
        if (line_ < p.lines) return Fail(QStringLiteral("the frame ended after %1 of %2 lines").arg(line_).arg(p.lines));
        return true;
    }
    // An unknown count takes every whole line.
    const int lines = static_cast<int>(frame_.size() / p.bytes_per_line);
    if (lines <= 0) return Fail(QStringLiteral("the frame held no complete line"));
    if (!MakePage(lines)) return false;
    for (line_ = 0; line_ < lines; ++line_)
        PlaceLine(reinterpret_cast<const uchar*>(frame_.constData()) + static_cast<qsizetype>(line_) * p.bytes_per_line);
    frame_.clear();
    return true;
}

namespace {

// Backends that read on a thread of their own hand the data over through a
// pipe; at its usual 64 KiB, the two threads take turns some hundred times a
// page. A larger pipe lets the backend's thread run ahead.
void WidenDataPipe(SaneDevice& device) {
    const int fd = device.DataDescriptor();
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISFIFO(status.st_mode)) return;
    if (::fcntl(fd, F_GETPIPE_SZ) < kDataPipeBytes) ::fcntl(fd, F_SETPIPE_SZ, kDataPipeBytes);
}

}  // namespace

PageResult ReadStartedPage(SaneDevice& device, PageProgress& progress) {
    WidenDataPipe(device);
    FrameAssembler assembler;
    std::vector<SANE_Byte> buffer;  // only for lines that cannot go straight into the page
    progress.done = 0;
    for (int frame = 0;; ++frame) {
        SANE_Parameters parameters{};
        SANE_Status status = device.GetParameters(parameters);
        if (status != SANE_STATUS_GOOD) return {ScannerErrorOfStatus(status), {}, QStringLiteral("sane_get_parameters failed")};
        if (!assembler.BeginFrame(parameters))
            return {assembler.outOfMemory() ? kScannerErrorNoMemory : kScannerErrorUnsupported, {}, assembler.error()};
        const int frames = IsChannelFrame(FrameType(parameters)) ? 3 : 1;
        progress.expected =
            parameters.lines > 0 ? static_cast<long long>(parameters.bytes_per_line) * parameters.lines * frames : -1;
        for (;;) {
            SANE_Int length = 0;
            qsizetype room = 0;
            uchar* direct = assembler.DirectTarget(&room);
            if (!direct && buffer.empty()) buffer.resize(kReadChunk);
            const int chunk = direct ? static_cast<int>(std::min<qsizetype>(room, kReadChunk)) : kReadChunk;
            status = device.Read(direct ? direct : buffer.data(), chunk, &length);
            if (status == SANE_STATUS_EOF) break;
            if (status != SANE_STATUS_GOOD)
                return {ScannerErrorOfStatus(status), {}, QStringLiteral("sane_read: %1").arg(sane_strstatus(status)), true};
            if (direct)
                assembler.AddDirect(length);
            else
                assembler.Add(buffer.data(), length);
            progress.done += length;
            if (progress.stopRequested) {
                device.Cancel();
                return {kScannerErrorCancelled, {}, QStringLiteral("cancelled by the user")};
            }
        }
        if (!assembler.EndFrame()) return {kScannerErrorShortImage, {}, assembler.error()};
        if (parameters.last_frame) break;
        status = device.Start();  // the next colour frame
        if (status != SANE_STATUS_GOOD) return {ScannerErrorOfStatus(status), {}, QStringLiteral("next frame would not start")};
    }
    return {0, assembler.Image(), {}};
}

}  // namespace quillon
