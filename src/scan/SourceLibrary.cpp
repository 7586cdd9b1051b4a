// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/SourceLibrary.h"

#include "scan/LibraryStep.h"
#include "scan/PaperDimensions.h"
#include "scan/ScannerErrors.h"
#include "scan/ScannerLog.h"

#include <QCoreApplication>

#include <atomic>
#include <cmath>
#include <utility>

namespace quillon {
namespace {

// The sheet taken in, read as a step with its progress and Cancel. It waits
// first until the pages under way leave room for one more.
class SourceTransfer : public ScanStep {
public:
    SourceTransfer(PageSource& source, ScanDocument& session, int document)
        : source_(source), session_(session), document_(document) {}
    void Run() override {
        roomKept_ = session_.WaitForRoom([this] { return stopped_.load(); });
        if (roomKept_) {
            reading_ = true;
            page_ = source_.Next(progress_);
            reading_ = false;
        } else {
            page_ = SourcePage::Ended(SourcePage::End::Cancelled);
        }
        // A page that came in after the Cancel is not kept.
        if (stopped_ && !page_.ended()) page_ = SourcePage::Ended(SourcePage::End::Cancelled);
    }
    double Progress() const override {
        const long long expected = progress_->expected;
        return expected > 0 ? std::min(1.0, double(progress_->done) / double(expected)) : -1.0;
    }
    void Cancel() override {
        stopped_ = true;
        progress_->stopRequested = true;
        session_.WakeRoomWaiters();
        source_.Cancel();
    }
    // Waiting for room for the page is no silence of the source's.
    QString Caption() const override { return reading_ ? source_.Notice(progress_->done) : QString(); }
    int DocumentNumber() const override { return document_; }
    DocumentSoFar SoFar() const override { return session_.SoFar(); }

    // The page, or why there is none; its room is the caller's to fill or give back.
    SourcePage TakePage() { return std::move(page_); }
    bool roomKept() const { return roomKept_; }

private:
    PageSource& source_;
    ScanDocument& session_;
    int document_;
    std::shared_ptr<SourceProgress> progress_ = std::make_shared<SourceProgress>();
    SourcePage page_;
    bool roomKept_ = false;
    std::atomic<bool> stopped_{false}, reading_{false};
};

}  // namespace

SourceLibrary::SourceLibrary(ScannerDialogs& dialogs, PageSource& source, QString logPath)
    : DocumentOperations(dialogs),
      source_(source),
      ownLog_(std::make_unique<ScannerLog>(logPath.isEmpty() ? ScannerLog::DefaultPath() : std::move(logPath))),
      log_(*ownLog_) {}

SourceLibrary::SourceLibrary(ScannerDialogs& dialogs, PageSource& source, ScannerLog& log)
    : DocumentOperations(dialogs), source_(source), log_(log) {}

SourceLibrary::~SourceLibrary() { session_.Discard(); }

void SourceLibrary::Note(const QString& line) { log_.Write(line); }

void SourceLibrary::EnsureInitialised() {
    if (initialised_) return;
    initialised_ = true;
    state_ = kStateManagerOpen;
    BeginJob();
    settings_ = {};
}

int SourceLibrary::TWAIN_SelectImageSource(WindowHandle) {
    EnsureInitialised();
    const ChosenSource choice = source_.Choose(dialogs_);
    if (choice.fault.failed()) Fail(choice.fault.error, choice.fault.text);
    if (choice.name.isEmpty()) return Log("TWAIN_SelectImageSource", 0);
    chosen_ = choice.name;
    return Log("TWAIN_SelectImageSource(" + chosen_ + ")", 1);
}

int SourceLibrary::TWAIN_OpenDefaultSource() { return TWAIN_OpenSource(chosen_); }

QString SourceLibrary::TWAIN_GetSourceName() { return open_ ? source_.LabelOf(openName_) : QString(); }

int SourceLibrary::TWAIN_OpenSource(const QString& name) {
    EnsureInitialised();
    TWAIN_CloseSource();
    const SourceFault fault = source_.Open(name);
    if (fault.failed()) {
        Fail(fault.error, fault.text);
        return Log("TWAIN_OpenSource(" + name + ")", 0);
    }
    open_ = true;
    openName_ = name;
    state_ = kStateSourceOpen;
    // Reopened within a job (some scanners between flatbed pages), the
    // source is handed everything the job asked again.
    Apply();
    return Log("TWAIN_OpenSource(" + name + ")", 1);
}

int SourceLibrary::TWAIN_CloseSource() {
    DropPendingPage();
    if (std::exchange(open_, false)) source_.Close();
    openName_.clear();
    took_ = {};
    if (initialised_) state_ = kStateManagerOpen;
    return Log("TWAIN_CloseSource", 1);
}

int SourceLibrary::TWAIN_DisableSource() {
    DropPendingPage();
    return Log("TWAIN_DisableSource", 1);
}

void SourceLibrary::TWAIN_UnloadSourceManager() {
    TWAIN_CloseSource();
    EndJob();
    source_.Release();
    initialised_ = false;
    state_ = kStateNothing;
    Note(QStringLiteral("TWAIN_UnloadSourceManager"));
}

void SourceLibrary::JobEnded() {
    if (initialised_) TWAIN_UnloadSourceManager();
}

int SourceLibrary::TWAIN_SetXferCount(int count) {
    transferCount_ = count;
    return Log(QStringLiteral("TWAIN_SetXferCount(%1)").arg(count), 1);
}

int SourceLibrary::TWAIN_LogFile(int on) {
    log_.SetEnabled(on != 0);
    return Log("TWAIN_LogFile(" + log_.path() + ")", 1);
}

void SourceLibrary::Apply() {
    if (open_) took_ = source_.Apply(settings_);
    // What the source does not do itself is done to each page.
    session_.SetEnhancements(settings_.contrast && !took_.contrast, settings_.crop && !took_.crop,
                             settings_.deskew && !took_.deskew);
}

int SourceLibrary::TWAIN_SetPixelType(int pixelType) {
    settings_.pixelType = pixelType;
    Apply();
    return Log(QStringLiteral("TWAIN_SetPixelType(%1)").arg(pixelType), 1);
}

int SourceLibrary::TWAIN_SetResolution(double dpi) {
    settings_.dpi = dpi;
    Apply();
    return Log(QStringLiteral("TWAIN_SetResolution(%1) = %2").arg(dpi).arg(took_.dpi), took_.dpiKnown ? 1 : 0);
}

int SourceLibrary::TWAIN_SetAutoDeskew(int on) {
    settings_.deskew = on != 0;
    Apply();
    return Log(QStringLiteral("TWAIN_SetAutoDeskew(%1)").arg(on), 1);
}

int SourceLibrary::TWAIN_SetAutoCrop(int on) {
    settings_.crop = on != 0;
    Apply();
    return Log(QStringLiteral("TWAIN_SetAutoCrop(%1)").arg(on), 1);
}

int SourceLibrary::TWAIN_SetAutoContrast(int on) {
    settings_.contrast = on != 0;
    Apply();
    return Log(QStringLiteral("TWAIN_SetAutoContrast(%1)").arg(on), 1);
}

int SourceLibrary::TWAIN_SetPaperSize(int paperCode) {
    const std::optional<PaperDimensions> paper = PaperDimensionsOf(paperCode);
    if (!paper) return Log(QStringLiteral("TWAIN_SetPaperSize(%1)").arg(paperCode), 0);
    settings_.widthMm = paper->widthMm;
    settings_.heightMm = paper->heightMm;
    Apply();
    return Log(QStringLiteral("TWAIN_SetPaperSize(%1)").arg(paperCode), took_.paper ? 1 : 0);
}

int SourceLibrary::TWAIN_GetDuplexSupport() {
    return Log("TWAIN_GetDuplexSupport", took_.duplexKind);
}

int SourceLibrary::TWAIN_EnableDuplex(int on) {
    settings_.duplex = on != 0;
    Apply();
    return Log(QStringLiteral("TWAIN_EnableDuplex(%1)").arg(on), open_ && took_.duplex == (on != 0) ? 1 : 0);
}

int SourceLibrary::TWAIN_HasFeeder() { return Log("TWAIN_HasFeeder", took_.hasFeeder ? 1 : 0); }

int SourceLibrary::TWAIN_SelectFeeder(int feeder) {
    DropPendingPage();
    settings_.feeder = feeder != 0;
    Apply();
    return Log(QStringLiteral("TWAIN_SelectFeeder(%1)").arg(feeder),
               open_ && took_.feeder == (feeder != 0) ? 1 : 0);
}

int SourceLibrary::TWAIN_IsFeederSelected() { return Log("TWAIN_IsFeederSelected", took_.feeder ? 1 : 0); }

SourcePage SourceLibrary::TakeIn(int pageNumber, bool first) {
    SourcePage taken;
    LibraryStep starting([&] { taken = source_.TakeIn(first); }, [this] { source_.Cancel(); },
                         [this] { return source_.Notice(0); }, [this] { return session_.SoFar(); });
    dialogs_.RunStep(QCoreApplication::translate("SaneLibrary", "Waiting for page %1...").arg(pageNumber), starting);
    if (starting.cancelled() && !taken.ended()) {
        source_.Stop();
        taken = SourcePage::Ended(SourcePage::End::Cancelled);
    }
    sheetIn_ = !taken.ended();
    return taken;
}

// The first sheet is taken in: a feeder is loaded when one comes. A cancel
// or a failure is no empty feeder: the job goes on to its page, which ends
// so.
int SourceLibrary::TWAIN_IsFeederLoaded() {
    if (!took_.feeder) return Log("TWAIN_IsFeederLoaded", 0);
    if (sheetIn_) return Log("TWAIN_IsFeederLoaded", 1);
    const SourcePage first = TakeIn(1, true);
    if (first.end == SourcePage::End::NoMorePaper) return Log("TWAIN_IsFeederLoaded", 0);
    if (first.ended()) {
        Ended(first);
        return Log("TWAIN_IsFeederLoaded (ended)", 1);
    }
    state_ = kStateTransferReady;
    return Log("TWAIN_IsFeederLoaded (page started)", 1);
}

void SourceLibrary::DropPendingPage() {
    if (std::exchange(sheetIn_, false)) source_.Stop();
    pagesThisBatch_ = 0;
    if (open_) state_ = kStateSourceOpen;
}

void SourceLibrary::Ended(const SourcePage& page) {
    switch (page.end) {
        case SourcePage::End::None:
            break;
        case SourcePage::End::NoMorePaper:
            // An empty feeder after some pages is the normal end of a batch.
            if (pagesThisBatch_ == 0) Fail(kScannerErrorFeederEmpty, QStringLiteral("no page"));
            break;
        case SourcePage::End::Cancelled:
            Fail(kScannerErrorCancelled, QStringLiteral("cancelled by the user"));
            break;
        case SourcePage::End::Fault:
            Fail(page.fault.error, page.fault.text);
            break;
    }
    pagesThisBatch_ = 0;
}

ImageHandle SourceLibrary::TWAIN_Acquire(WindowHandle) {
    if (!open_) {
        Fail(kScannerErrorNoSource);
        Log("TWAIN_Acquire", 0);
        return {};
    }
    // Once the scan has failed (a cancel, a page that could not be read), no
    // further page is taken.
    if (session_.lastErrorCode() != kScannerErrorNone) {
        Log("TWAIN_Acquire (ended before)", 0);
        return {};
    }
    if (!sheetIn_) {
        state_ = kStateEnabled;
        const SourcePage taken = TakeIn(pagesThisJob_ + 1, false);
        if (taken.ended()) {
            state_ = kStateSourceOpen;
            Ended(taken);
            Log("TWAIN_Acquire", 0);
            return {};
        }
    }
    sheetIn_ = false;
    state_ = kStateTransferring;
    SourceTransfer transfer(source_, session_, documentOfJob_ + (separatorPassed_ ? 1 : 0));
    dialogs_.RunTransfer(pagesThisJob_ + 1, transfer);
    SourcePage page = transfer.TakePage();
    if (page.ended()) {
        if (transfer.roomKept())
            session_.GiveBackRoom();
        else
            source_.Stop();  // the sheet was never read: it is let go
        state_ = kStateSourceOpen;
        Ended(page);
        Log("TWAIN_Acquire", 0);
        return {};
    }
    ++pagesThisBatch_;
    ++pagesThisJob_;
    // The page made what the job asked: its mode, resolution and paper.
    const PageRequest asked{settings_.pixelType, int(std::lround(settings_.dpi)), settings_.widthMm, settings_.heightMm};
    QImage conformed = ConformPage(std::move(page.image), page.dpi, asked);
    const int dpi = int(std::lround(conformed.dotsPerMeterX() * 0.0254));
    const ImageHandle image = session_.Adopt(std::move(conformed), dpi);
    if (took_.feeder && transferCount_ != 1) {
        // Look ahead: a sheet taken in is one more waiting in the feeder.
        const SourcePage next = TakeIn(pagesThisJob_ + 1, false);
        state_ = next.ended() ? kStateSourceOpen : kStateTransferReady;
        if (next.ended()) Ended(next);
    } else {
        source_.Stop();  // the page is complete; the scanner may park
        state_ = kStateEnabled;
    }
    Log(QStringLiteral("TWAIN_Acquire page %1").arg(pagesThisJob_), image ? 1 : 0);
    return image;
}

}  // namespace quillon
