// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

#include <QImage>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

namespace quillon {

// What a scan asks of a source, as one value. A source is handed it whole
// after every change and sets on its device what differs from what it set
// last, so a source that resets one setting when another changes can set
// them all again.
struct SourceSettings {
    int pixelType = -1;   // 0 black and white, 1 grey, 2 colour; -1: as the source gives
    double dpi = 0;       // 0: the source's own
    double widthMm = 0;   // the paper, when a size was chosen (0: the source's whole area)
    double heightMm = 0;
    std::optional<bool> feeder;  // not asked: the source as it is
    std::optional<bool> duplex;
    bool contrast = false, crop = false, deskew = false;  // the automatic functions asked
};

// What the source took of those settings, and what it can do: a page may
// still come otherwise (a scanner without black and white sends grey), and
// the document makes it what was asked.
struct SourceTook {
    int dpi = 0;            // 0: as each page comes
    bool dpiKnown = true;   // false: the source tells no resolution at all
    bool paper = true;      // the paper's area was taken, wholly or in part
    bool feeder = false;    // pages come from a feeder
    bool duplex = false;    // both sides of each sheet come
    bool hasFeeder = false;
    int duplexKind = 0;     // 2: a source that scans both sides; 1: a mode of the feeder that does; 0: none
    // The automatic functions the source does itself; the rest are done to each page.
    bool contrast = false, crop = false, deskew = false;
};

// How a page is coming on, read from another thread while it comes. Shared:
// a device call left to end behind may still count into it.
struct SourceProgress {
    std::atomic<long long> done{0};
    std::atomic<long long> expected{-1};  // -1: not known
    std::atomic<bool> stopRequested{false};
};

// Why a source could not do what was asked: a scanner-library error code and
// a text for the log and the user (empty error: nothing failed).
struct SourceFault {
    int error = 0;
    QString text;
    bool failed() const { return error != 0; }
};

// The next page (or a sheet taken in), or why there is none: no more paper,
// the user's cancel, or a fault.
struct SourcePage {
    enum class End { None, NoMorePaper, Cancelled, Fault };
    End end = End::None;
    SourceFault fault;
    QImage image;  // set when Next gives a page
    int dpi = 0;   // the page's own resolution

    static SourcePage Page(QImage image, int dpi) { return {End::None, {}, std::move(image), dpi}; }
    static SourcePage Ended(End end, SourceFault fault = {}) { return {end, std::move(fault), {}, 0}; }
    bool ended() const { return end != End::None; }
};

// The source the user chose: its name to open, or the fault that left none
// (an empty name without one: the choice was cancelled).
struct ChosenSource {
    QString name;
    SourceFault fault;
};

// Where pages come from: a scanner, or files standing in for a feeder. Every
// call but Cancel and Notice is made on the job's thread, one at a time;
// TakeIn and Next run as steps the user sees and can cancel.
class PageSource {
public:
    virtual ~PageSource() = default;
    // The sources there are, to choose from.
    virtual QList<ScannerChoice> Sources() = 0;
    // Lets the user choose one: by default through the dialogs, among the
    // sources there are, without a dialog when there is one.
    virtual ChosenSource Choose(ScannerDialogs& dialogs);
    // What the user calls a source, by its name.
    virtual QString LabelOf(const QString& name);
    // Opens one by name or label, or says why it cannot.
    virtual SourceFault Open(const QString& name) = 0;
    virtual SourceTook Apply(const SourceSettings& settings) = 0;
    // Takes the next sheet in without reading it (a feeder's look-ahead): a
    // sheet taken in (no end), or why none came. first: the first of a batch.
    virtual SourcePage TakeIn(bool first) = 0;
    // Reads the sheet taken in.
    virtual SourcePage Next(const std::shared_ptr<SourceProgress>& progress) = 0;
    // No more sheets for now: one taken in is let go, and the device may rest.
    virtual void Stop() {}
    // Lets go of the source opened; and, at the job's end, of everything.
    virtual void Close() {}
    virtual void Release() {}
    // From any thread: the call under way, or the next, ends as cancelled.
    virtual void Cancel() = 0;
    // Any thread: what the progress shows of the source while a step runs,
    // given what the step has had so far (a scanner fallen silent).
    virtual QString Notice(long long /*received*/) const { return {}; }
};

}  // namespace quillon
