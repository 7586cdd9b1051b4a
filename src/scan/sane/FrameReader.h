// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/PageSource.h"
#include "scan/sane/SaneDevice.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <atomic>

namespace quillon {

// Builds one page from the frames a device sends: grey or colour in one
// frame, or colour in three (red, green, blue); 1, 8 or 16 bits a sample;
// with a known or an unknown number of lines.
class FrameAssembler {
public:
    // False when the frame's format cannot be read (error() says why).
    bool BeginFrame(const SANE_Parameters& parameters);
    void Add(const SANE_Byte* data, int length);
    // Where the frame's next bytes may be read to in place, and how many fit;
    // null when they must go through Add. AddDirect counts what was read there.
    uchar* DirectTarget(qsizetype* room);
    void AddDirect(int length);
    // False when the frame ended before the lines it announced.
    bool EndFrame();
    // The page, once its last frame has ended.
    QImage Image() const { return image_; }
    const QString& error() const { return error_; }
    // The page's memory could not be had: the failure is the memory's, not the frame's.
    bool outOfMemory() const { return outOfMemory_; }

private:
    bool Fail(const QString& error) {
        error_ = error;
        return false;
    }

    bool MakePage(int lines);
    void PlaceLine(const uchar* line);

    SANE_Parameters parameters_{};
    QByteArray frame_;    // a frame of unknown length, until it ends
    QByteArray partial_;  // a line begun in one read and ended in another
    int line_ = 0;
    bool direct_ = false;    // lines are read straight into the page
    qsizetype received_ = 0;  // bytes read straight into the page
    QImage image_;
    QString error_;
    bool outOfMemory_ = false;
};

// How far the current page has come in bytes, shared with the thread that
// shows it; a stop request is checked after every read.
using PageProgress = SourceProgress;

struct PageResult {
    int error = 0;  // a scanner-library error code; 0: the page is complete
    QImage image;
    QString detail;  // for the log
    bool whileReading = false;  // the device failed while the page's data was being read
};

// Reads one page from a device whose first frame has been started already.
// Runs on a worker thread; a stop request or a Cancel() from elsewhere ends
// it with the cancelled error.
PageResult ReadStartedPage(SaneDevice& device, PageProgress& progress);

}  // namespace quillon
