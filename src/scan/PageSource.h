// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

#include <QImage>
#include <QString>

#include <atomic>

namespace quillon {

// What a scan asks of a source, as one value: applied whole, so a source
// that resets one setting when another changes is handed all of them again.
struct SourceSettings {
    int pixelType = -1;   // 0 black and white, 1 grey, 2 colour; -1: as the source gives
    int dpi = 0;          // 0: the source's own
    double widthMm = 0;   // the paper, when a size was chosen (0: the source's whole area)
    double heightMm = 0;
    bool feeder = true;
    bool duplex = false;
};

// What the source took of those settings: a page may still come otherwise
// (a scanner without black and white sends grey), and the document makes
// it what was asked.
struct SourceTook {
    int pixelType = -1;  // -1: as each page comes
    int dpi = 0;         // 0: as each page comes
    bool feeder = false;
    bool duplex = false;
};

// How a page is coming on, read from another thread while it comes.
struct SourceProgress {
    std::atomic<long long> done{0};
    std::atomic<long long> expected{-1};  // -1: not known
};

// Why a source could not do what was asked: a scanner-library error code and
// a text for the log and the user (empty error: nothing failed).
struct SourceFault {
    int error = 0;
    QString text;
    bool failed() const { return error != 0; }
};

// The next page, or why there is none: no more paper, the user's cancel, or
// a fault.
struct SourcePage {
    enum class End { None, NoMorePaper, Cancelled, Fault };
    End end = End::None;
    SourceFault fault;
    QImage image;  // set when end is None
    int dpi = 0;   // the page's own resolution

    static SourcePage Page(QImage image, int dpi) { return {End::None, {}, std::move(image), dpi}; }
    static SourcePage Ended(End end, SourceFault fault = {}) { return {end, std::move(fault), {}, 0}; }
    bool ended() const { return end != End::None; }
};

// Where pages come from: a scanner, or files standing in for a feeder. Every
// call but Cancel is made on the job's thread, one at a time.
class PageSource {
public:
    virtual ~PageSource() = default;
    // The sources there are, to choose from.
    virtual QList<ScannerChoice> Sources() = 0;
    // Opens one by name, or says why it cannot.
    virtual SourceFault Open(const QString& name) = 0;
    virtual SourceTook Apply(const SourceSettings& settings) = 0;
    virtual SourcePage Next(SourceProgress& progress) = 0;
    // From any thread: the page under way, or the next, ends as cancelled.
    virtual void Cancel() = 0;
};

}  // namespace quillon
