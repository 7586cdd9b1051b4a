// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/SourceLibrary.h"

#include "scan/LibraryStep.h"
#include "scan/PaperDimensions.h"
#include "scan/ScannerErrors.h"
#include "scan/ScannerLog.h"

#include <QCoreApplication>

#include <atomic>
#include <cmath>

namespace quillon {
namespace {

// One page from the source, run through the dialogs with its progress and
// Cancel. It waits first until the pages under way leave room for one more.
// A feeder's next page is taken with it, as a scanner starts it: the job
// goes on while one is waiting. It waits first until the pages under way
// leave room for one more.
class SourceTransfer : public ScanStep {
public:
    SourceTransfer(PageSource& source, ScanDocument& session, std::optional<SourcePage>& pending, bool lookAhead,
                   int document)
        : source_(source), session_(session), pending_(pending), lookAhead_(lookAhead), document_(document) {}
    void Run() override {
        roomKept_ = session_.WaitForRoom([this] { return stopped_.load(); });
        if (!roomKept_) {
            page_ = SourcePage::Ended(SourcePage::End::Cancelled);
        } else if (pending_) {
            page_ = std::move(*pending_);
        } else {
            page_ = source_.Next(progress_);
        }
        pending_.reset();
        // A page that came in after the Cancel is not kept.
        if (stopped_ && !page_.ended()) page_ = SourcePage::Ended(SourcePage::End::Cancelled);
        if (lookAhead_ && !page_.ended()) {
            SourceProgress next;
            pending_ = source_.Next(next);
        }
    }
    double Progress() const override {
        const long long expected = progress_.expected;
        return expected > 0 ? std::min(1.0, double(progress_.done) / double(expected)) : -1.0;
    }
    void Cancel() override {
        stopped_ = true;
        session_.WakeRoomWaiters();
        source_.Cancel();
    }
    int DocumentNumber() const override { return document_; }
    DocumentSoFar SoFar() const override { return session_.SoFar(); }

    // The page, or why there is none; its room is the caller's to fill or give back.
    SourcePage TakePage() { return std::move(page_); }
    bool roomKept() const { return roomKept_; }

private:
    PageSource& source_;
    ScanDocument& session_;
    std::optional<SourcePage>& pending_;
    bool lookAhead_;
    int document_;
    SourceProgress progress_;
    SourcePage page_;
    bool roomKept_ = false;
    std::atomic<bool> stopped_{false};
};

}  // namespace

SourceLibrary::SourceLibrary(ScannerDialogs& dialogs, PageSource& source, QString logPath)
    : DocumentOperations(dialogs),
      source_(source),
      log_(std::make_unique<ScannerLog>(logPath.isEmpty() ? ScannerLog::DefaultPath() : std::move(logPath))) {}

SourceLibrary::~SourceLibrary() { session_.Discard(); }

void SourceLibrary::Note(const QString& line) { log_->Write(line); }

void SourceLibrary::EnsureInitialised() {
    if (initialised_) return;
    initialised_ = true;
    state_ = kStateManagerOpen;
    BeginJob();
    settings_ = {};
}

int SourceLibrary::TWAIN_SelectImageSource(WindowHandle) {
    EnsureInitialised();
    sources_ = source_.Sources();
    if (sources_.size() == 1) {  // nothing to choose between
        chosen_ = sources_.front().deviceName;
        return Log("TWAIN_SelectImageSource(" + chosen_ + ")", 1);
    }
    const int choice = dialogs_.ChooseScanner(sources_, sources_.isEmpty() ? -1 : 0);
    if (choice < 0 || choice >= sources_.size()) {
        if (sources_.isEmpty()) Fail(kScannerErrorNoSource, QStringLiteral("no source"));
        return Log("TWAIN_SelectImageSource", 0);
    }
    chosen_ = sources_[choice].deviceName;
    return Log("TWAIN_SelectImageSource(" + chosen_ + ")", 1);
}

int SourceLibrary::TWAIN_OpenDefaultSource() { return TWAIN_OpenSource(chosen_); }

QString SourceLibrary::TWAIN_GetSourceName() {
    for (const ScannerChoice& choice : sources_)
        if (choice.deviceName == open_) return choice.label;
    return open_;
}

int SourceLibrary::TWAIN_OpenSource(const QString& name) {
    EnsureInitialised();
    TWAIN_CloseSource();
    QString found = name;
    for (const ScannerChoice& choice : sources_)
        if (choice.label == name) found = choice.deviceName;
    const SourceFault fault = source_.Open(found);
    if (fault.failed()) {
        Fail(fault.error, fault.text);
        return Log("TWAIN_OpenSource(" + name + ")", 0);
    }
    open_ = found;
    state_ = kStateSourceOpen;
    Apply();
    return Log("TWAIN_OpenSource(" + name + ")", 1);
}

int SourceLibrary::TWAIN_CloseSource() {
    DropPendingPage();
    open_.clear();
    if (initialised_) state_ = kStateManagerOpen;
    return 1;
}

int SourceLibrary::TWAIN_DisableSource() {
    DropPendingPage();
    return Log("TWAIN_DisableSource", 1);
}

void SourceLibrary::TWAIN_UnloadSourceManager() {
    TWAIN_CloseSource();
    EndJob();
    initialised_ = false;
    state_ = kStateNothing;
    Note(QStringLiteral("TWAIN_UnloadSourceManager"));
}

int SourceLibrary::TWAIN_SetXferCount(int count) {
    transferCount_ = count;
    return Log(QStringLiteral("TWAIN_SetXferCount(%1)").arg(count), 1);
}

int SourceLibrary::TWAIN_LogFile(int on) {
    log_->SetEnabled(on != 0);
    return Log("TWAIN_LogFile(" + log_->path() + ")", 1);
}

void SourceLibrary::Apply() {
    if (!open_.isEmpty()) took_ = source_.Apply(settings_);
}

void SourceLibrary::ApplyEnhancements() { session_.SetEnhancements(contrast_, crop_, deskew_); }

int SourceLibrary::TWAIN_SetPixelType(int pixelType) {
    settings_.pixelType = pixelType;
    Apply();
    return Log(QStringLiteral("TWAIN_SetPixelType(%1)").arg(pixelType), 1);
}

int SourceLibrary::TWAIN_SetResolution(double dpi) {
    settings_.dpi = int(std::lround(dpi));
    Apply();
    return Log(QStringLiteral("TWAIN_SetResolution(%1)").arg(dpi), 1);
}

int SourceLibrary::TWAIN_SetAutoDeskew(int on) {
    deskew_ = on != 0;
    ApplyEnhancements();
    return Log(QStringLiteral("TWAIN_SetAutoDeskew(%1)").arg(on), 1);
}

int SourceLibrary::TWAIN_SetAutoCrop(int on) {
    crop_ = on != 0;
    ApplyEnhancements();
    return Log(QStringLiteral("TWAIN_SetAutoCrop(%1)").arg(on), 1);
}

int SourceLibrary::TWAIN_SetAutoContrast(int on) {
    contrast_ = on != 0;
    ApplyEnhancements();
    return Log(QStringLiteral("TWAIN_SetAutoContrast(%1)").arg(on), 1);
}

int SourceLibrary::TWAIN_SetPaperSize(int paperCode) {
    const std::optional<PaperDimensions> paper = PaperDimensionsOf(paperCode);
    if (!paper) return Log(QStringLiteral("TWAIN_SetPaperSize(%1)").arg(paperCode), 0);
    settings_.widthMm = paper->widthMm;
    settings_.heightMm = paper->heightMm;
    Apply();
    return Log(QStringLiteral("TWAIN_SetPaperSize(%1)").arg(paperCode), 1);
}

int SourceLibrary::TWAIN_GetDuplexSupport() {
    if (open_.isEmpty()) return Log("TWAIN_GetDuplexSupport", 0);
    SourceSettings asked = settings_;
    asked.duplex = true;
    const bool duplex = source_.Apply(asked).duplex;
    Apply();
    return Log("TWAIN_GetDuplexSupport", duplex ? 2 : 0);
}

int SourceLibrary::TWAIN_EnableDuplex(int on) {
    settings_.duplex = on != 0;
    Apply();
    return Log(QStringLiteral("TWAIN_EnableDuplex(%1)").arg(on), took_.duplex == settings_.duplex ? 1 : 0);
}

int SourceLibrary::TWAIN_HasFeeder() {
    if (open_.isEmpty()) return Log("TWAIN_HasFeeder", 0);
    SourceSettings asked = settings_;
    asked.feeder = true;
    const bool feeder = source_.Apply(asked).feeder;
    Apply();
    return Log("TWAIN_HasFeeder", feeder ? 1 : 0);
}

int SourceLibrary::TWAIN_SelectFeeder(int feeder) {
    DropPendingPage();
    settings_.feeder = feeder != 0;
    Apply();
    return Log(QStringLiteral("TWAIN_SelectFeeder(%1)").arg(feeder), took_.feeder == settings_.feeder ? 1 : 0);
}

int SourceLibrary::TWAIN_IsFeederSelected() { return Log("TWAIN_IsFeederSelected", took_.feeder ? 1 : 0); }

// The first page is taken: a feeder is loaded when one comes. A cancel or a
// failure is no empty feeder: the job goes on to its page, which ends so.
int SourceLibrary::TWAIN_IsFeederLoaded() {
    if (open_.isEmpty() || !took_.feeder) return Log("TWAIN_IsFeederLoaded", 0);
    if (pending_) return Log("TWAIN_IsFeederLoaded", 1);
    SourceProgress progress;
    SourcePage first;
    LibraryStep starting([&] { first = source_.Next(progress); }, [this] { source_.Cancel(); });
    dialogs_.RunStep(QCoreApplication::translate("SaneLibrary", "Waiting for page %1...").arg(1), starting);
    if (starting.cancelled() && !first.ended()) first = SourcePage::Ended(SourcePage::End::Cancelled);
    if (first.end == SourcePage::End::NoMorePaper) return Log("TWAIN_IsFeederLoaded", 0);
    pending_ = std::move(first);
    state_ = kStateTransferReady;
    return Log("TWAIN_IsFeederLoaded", 1);
}

void SourceLibrary::DropPendingPage() {
    pending_.reset();
    pagesThisBatch_ = 0;
    if (!open_.isEmpty()) state_ = kStateSourceOpen;
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
    if (open_.isEmpty()) {
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
    state_ = kStateTransferring;
    SourceTransfer transfer(source_, session_, pending_, took_.feeder && transferCount_ != 1,
                            documentOfJob_ + (separatorPassed_ ? 1 : 0));
    dialogs_.RunTransfer(pagesThisJob_ + 1, transfer);
    SourcePage page = transfer.TakePage();
    // A page waiting is one more in the feeder; an end waiting is said at the
    // next page, unless it is the feeder's plain end.
    if (pending_ && pending_->end == SourcePage::End::NoMorePaper) pending_.reset();
    state_ = pending_ ? kStateTransferReady : kStateEnabled;
    if (page.ended()) {
        if (transfer.roomKept()) session_.GiveBackRoom();
        state_ = kStateSourceOpen;
        Ended(page);
        Log("TWAIN_Acquire", 0);
        return {};
    }
    ++pagesThisBatch_;
    ++pagesThisJob_;
    // The page made what the job asked: its mode, resolution and paper.
    const PageRequest asked{settings_.pixelType, settings_.dpi, settings_.widthMm, settings_.heightMm};
    QImage conformed = ConformPage(std::move(page.image), page.dpi, asked);
    const int dpi = int(std::lround(conformed.dotsPerMeterX() * 0.0254));
    const ImageHandle image = session_.Adopt(std::move(conformed), dpi);
    Log(QStringLiteral("TWAIN_Acquire page %1").arg(pagesThisJob_), image ? 1 : 0);
    return image;
}

}  // namespace quillon
