// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/SaneSource.h"

#include "scan/ScannerErrors.h"
#include "scan/ScannerLog.h"
#include "scan/sane/DeviceCall.h"
#include "scan/sane/DeviceChoice.h"
#include "scan/sane/DeviceWatch.h"
#include "scan/sane/FeederOptions.h"
#include "scan/sane/FrameReader.h"
#include "scan/sane/OpenScanner.h"
#include "scan/sane/SaneDevice.h"
#include "scan/sane/SaneOptions.h"
#include "scan/sane/SaneStatus.h"

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

SourcePage Fault(int error, const QString& text) { return SourcePage::Ended(SourcePage::End::Fault, {error, text}); }

// Ends a started frame. One that has sent nothing is read from first: some
// backends kill their reader thread on cancel, which is only safe once it
// has started sending.
void EndStartedFrame(SaneDevice& device, std::chrono::milliseconds silenceLimit, bool dataFlowed) {
    if (!dataFlowed) {
        // A device that sends nothing is cancelled under the read after the grace.
        DeviceWatch watch(device, silenceLimit, nullptr);
        watch.Arm();
        SANE_Byte chunk[4096];
        SANE_Int length = 0;
        device.Read(chunk, sizeof chunk, &length);
    }
    device.Cancel();
}

}  // namespace

SaneSource::SaneSource(ScannerDialogs& dialogs, const QString& settingsFolder, ScannerLog& log)
    : dialogs_(dialogs),
      log_(log),
      opener_([](const QString& name, int* status) { return SaneHandleDevice::Open(name.toUtf8().constData(), status); }),
      choice_(std::make_unique<DeviceChoice>(dialogs, settingsFolder, log)),
      negotiation_(log),
      open_(std::make_shared<OpenDevices>()) {}

SaneSource::~SaneSource() {
    CloseDevice();
    Release();
}

SourceFault SaneSource::StartSane() {
    if (saneUp_) return {};
    SANE_Int version = 0;
    const SANE_Status status = sane_init(&version, nullptr);
    if (status != SANE_STATUS_GOOD) return {ScannerErrorOfStatus(status), QStringLiteral("sane_init failed")};
    saneUp_ = true;
    return {};
}

// SANE takes no other call while it searches, and cannot end under a
// search: one still under way is left to end on its own, with SANE up under
// it, and the next choice of a scanner waits for it as a step that can be
// cancelled. Nothing else waits for it: a network backend may never answer.
void SaneSource::Release() {
    CloseDevice();
    if (choice_->Searching()) {
        log_.Write(QStringLiteral("a search for scanners is still under way: it is left to end on its own"));
        return;
    }
    if (open_->any()) {
        log_.Write(QStringLiteral("a scanner is still being let go: SANE stays up under it"));
        return;
    }
    choice_->DropSearch();
    if (saneUp_) sane_exit();
    saneUp_ = false;
}

void SaneSource::SetDeviceLister(DeviceLister lister) { choice_->SetLister(std::move(lister)); }

void SaneSource::SetSilenceLimit(std::chrono::milliseconds limit) {
    silenceLimit_ = limit;
    silence_.SetLimit(limit);
}

bool SaneSource::SearchAhead() {
    if (!choice_->named().isEmpty() || choice_->SearchStarted() || StartSane().failed()) return false;
    choice_->SearchAhead();
    return true;
}

void SaneSource::UseDevice(const QString& name) { choice_->UseDevice(name); }

QString SaneSource::RememberedDevice() const { return choice_->Remembered(); }

void SaneSource::ForgetChoices() { choice_->ForgetChoices(); }

QList<ScannerChoice> SaneSource::Sources() {
    if (StartSane().failed()) return {};
    choice_->Refresh();
    return choice_->devices();
}

ChosenSource SaneSource::Choose(ScannerDialogs&) {
    if (const SourceFault fault = StartSane(); fault.failed()) return {{}, fault};
    if (!choice_->named().isEmpty()) {
        choice_->ChooseNamed();
        return {choice_->named(), {}};
    }
    if (!choice_->Refresh()) return {{}, {kScannerErrorCancelled, QStringLiteral("while looking for scanners")}};
    SourceFault fault;
    const bool chosen = choice_->Choose(&fault.error, &fault.text);
    return {chosen ? choice_->chosen() : QString(), fault};
}

// No name: the device open, opened as the one chosen last.
QString SaneSource::LabelOf(const QString& name) { return choice_->LabelOf(name.isEmpty() ? openDevice_ : name); }

SourceFault SaneSource::Open(const QString& name) {
    CloseDevice();
    if (const SourceFault fault = StartSane(); fault.failed()) return fault;
    // No name: the scanner chosen, or else the one chosen last; any other
    // name is looked up among the devices (a label will do).
    const QString chosen = choice_->chosen();
    QString deviceName = name.isEmpty() || name == chosen ? chosen : QString();
    if (deviceName.isEmpty() && !name.isEmpty()) {
        if (choice_->devices().isEmpty() && name != choice_->named() && !choice_->Refresh())
            return {kScannerErrorCancelled, QStringLiteral("while looking for scanners")};
        deviceName = choice_->DeviceNamed(name);
        if (deviceName.isEmpty()) return {kScannerErrorDeviceGone, QStringLiteral("no device named %1").arg(name)};
    }
    if (deviceName.isEmpty()) return {kScannerErrorNoSource, QStringLiteral("no scanner chosen")};
    OpenedScanner opened = OpenScanner(deviceName, open_, dialogs_, opener_);
    if (!opened.device) return {opened.error, opened.detail};
    device_ = std::move(opened.device);
    options_ = std::make_unique<SaneOptions>(*device_);
    source_ = options_->GetString("source").value_or(QString());
    openDevice_ = deviceName;
    negotiation_.Forget();
    applied_ = {};
    duplexOn_ = false;
    dpiKnown_ = paperTaken_ = true;
    const std::lock_guard lock(callMutex_);
    cancelled_ = false;
    return {};
}

void SaneSource::Close() { CloseDevice(); }

void SaneSource::CloseDevice() {
    EndSheet();
    options_.reset();
    if (device_ && !CloseScanner(std::move(device_), network()))
        log_.Write(QStringLiteral("the scanner did not close in time: it is closed behind"));
    device_.reset();  // cancels and closes
    source_.clear();
    openDevice_.clear();
}

// A device whose call was left running after a cancel: the job lets it go,
// and it is closed on that call's thread once the call ends.
void SaneSource::AbandonDevice() {
    log_.Write(QStringLiteral("the scanner did not let go after the cancel: it is closed behind"));
    options_.reset();
    device_.reset();
    sheetIn_ = false;
    source_.clear();
    openDevice_.clear();
}

bool SaneSource::network() const { return IsNetworkScanner(openDevice_); }

bool SaneSource::SetSource(const QString& value) {
    if (value.isEmpty() || !options_) return false;
    EndSheet();
    const bool done = options_->SetString("source", value);
    source_ = options_->GetString("source").value_or(QString());
    // Many backends reset the rest with the source (airscan the scan area,
    // pixma and HPLIP mode and resolution): what was asked is set again.
    negotiation_.ApplyAll(*options_);
    return done;
}

void SaneSource::ApplyDuplex(bool on) {
    const QStringList sources = options_->Choices("source");
    const QStringList adfModes = options_->Choices("adf-mode");
    if (on) {
        const QString duplexSource = MatchFeederSource(sources, true);
        duplexOn_ = duplexSource.isEmpty() ? SetFeederDuplex(*options_, adfModes, true) : SetSource(duplexSource);
        return;
    }
    duplexOn_ = false;
    if (IsDuplexSource(source_)) SetSource(MatchFeederSource(sources, false));
    SetFeederDuplex(*options_, adfModes, false);
}

void SaneSource::ApplyFeeder(bool feeder) {
    // Both sides are kept when they were chosen before the feeder.
    const QString value = SourceFor(options_->Choices("source"), feeder, duplexOn_);
    if (value == source_) return EndSheet();
    SetSource(value);
    log_.Write(QStringLiteral("source %1").arg(value));
}

// What differs from what was set last is set, the source first; a job's
// settings come one at a time, so the device is asked in the job's order.
SourceTook SaneSource::Apply(const SourceSettings& wanted) {
    if (!options_) return {};
    const SourceSettings before = std::exchange(applied_, wanted);
    if (wanted.duplex != before.duplex && wanted.duplex) ApplyDuplex(*wanted.duplex);
    if (wanted.feeder != before.feeder && wanted.feeder) ApplyFeeder(*wanted.feeder);
    if (wanted.pixelType != before.pixelType && wanted.pixelType >= 0) negotiation_.SetPixelType(*options_, wanted.pixelType);
    if (wanted.dpi != before.dpi && wanted.dpi > 0) {
        const std::optional<double> actual = negotiation_.SetResolution(*options_, wanted.dpi);
        dpiKnown_ = actual.has_value();
        dpi_ = actual ? int(std::lround(*actual)) : 0;
    }
    if ((wanted.widthMm != before.widthMm || wanted.heightMm != before.heightMm) && wanted.widthMm > 0)
        paperTaken_ = negotiation_.SetPaper(*options_, {-1, wanted.widthMm, wanted.heightMm});
    if (wanted.contrast != before.contrast || wanted.crop != before.crop || wanted.deskew != before.deskew)
        negotiation_.SetEnhancements(*options_, wanted.contrast, wanted.crop, wanted.deskew);
    return Took();
}

SourceTook SaneSource::Took() const {
    SourceTook took;
    took.dpi = dpi_;
    took.dpiKnown = dpiKnown_;
    took.paper = paperTaken_;
    took.feeder = IsFeederSource(source_);
    took.duplex = duplexOn_;
    const QStringList sources = options_->Choices("source");
    took.hasFeeder = std::any_of(sources.begin(), sources.end(), IsFeederSource);
    took.duplexKind = DuplexSupport(*options_);
    took.contrast = negotiation_.deviceContrast();
    took.crop = negotiation_.deviceCrop();
    took.deskew = negotiation_.deviceDeskew();
    return took;
}

bool SaneSource::EnterCall(DeviceWatch& watch, DeviceCall& call, const std::atomic<long long>* received) {
    silence_.Restart();
    const std::lock_guard lock(callMutex_);
    watch_ = &watch;
    call_ = &call;
    received_ = received;
    return !cancelled_;
}

bool SaneSource::LeaveCall() {
    const std::lock_guard lock(callMutex_);
    watch_ = nullptr;
    call_ = nullptr;
    received_ = nullptr;
    return std::exchange(cancelled_, false);
}

// Once data flows the device is cancelled at once, which also ends a read
// that blocks. Before that the reader stops at its first data, and a device
// that sends none is cancelled after the grace. Either way the watch cancels
// it: no device call is made on the caller's thread (the window's).
void SaneSource::Cancel() {
    const std::lock_guard lock(callMutex_);
    cancelled_ = true;
    if (watch_) watch_->Arm(received_ && *received_ > 0 ? std::chrono::milliseconds(0) : kCancelGrace);
    if (call_) call_->LeaveAfter(kLeaveAfterCancel);
}

// SANE allows the cancel from another thread while sane_start waits. A
// frame that started all the same after a cancel is ended as a started one is.
SourcePage SaneSource::TakeIn(bool first) {
    if (!device_) return Fault(kScannerErrorNoSource, QStringLiteral("no scanner open"));
    if (sheetIn_) return {};
    // Paper that a sensor finds is not enough, but a sensor that finds none is believed.
    if (first && SensedEmpty(*options_)) {
        log_.Write(QStringLiteral("the feeder's sensor finds no paper"));
        return SourcePage::Ended(SourcePage::End::NoMorePaper);
    }
    deliveredDpi_ = negotiation_.DeviceResolution(options_.get());
    std::shared_ptr<SaneDevice> device = device_;
    DeviceWatch watch(*device, silenceLimit_, nullptr);
    DeviceCall call(network());
    auto status = std::make_shared<std::atomic<int>>(SANE_STATUS_CANCELLED);
    bool ended = true;
    if (EnterCall(watch, call, nullptr)) {
        watch.Begin();
        call.Run([device, status] { *status = device->Start(); });
        ended = call.Wait();
    }
    const bool cancelled = LeaveCall();
    watch.Ended();
    if (!ended) {
        AbandonDevice();
        return SourcePage::Ended(SourcePage::End::Cancelled);
    }
    if (watch.silent()) {
        device->Cancel();
        return Fault(kScannerErrorNoAnswer, QStringLiteral("sane_start sent nothing"));
    }
    const auto started = static_cast<SANE_Status>(status->load());
    if (cancelled) {
        if (started == SANE_STATUS_GOOD) EndStartedFrame(*device, silenceLimit_, false);
        return SourcePage::Ended(SourcePage::End::Cancelled);
    }
    if (started == SANE_STATUS_GOOD) {
        sheetIn_ = true;
        return {};
    }
    device->Cancel();
    const QString said = QStringLiteral("sane_start: %1").arg(sane_strstatus(started));
    if (started != SANE_STATUS_NO_DOCS && started != SANE_STATUS_CANCELLED)
        return Fault(ScannerErrorOfStatus(started), said);  // a jam, too little memory: the scan's failure
    log_.Write(said);
    return SourcePage::Ended(started == SANE_STATUS_NO_DOCS ? SourcePage::End::NoMorePaper : SourcePage::End::Cancelled);
}

// The read is a device call of its own: a device that does not let go after
// a cancel is left to do so behind, with the read's own state.
SourcePage SaneSource::Next(const std::shared_ptr<SourceProgress>& progress) {
    if (!device_ || !sheetIn_) return Fault(kScannerErrorNoSource, QStringLiteral("no page started"));
    sheetIn_ = false;
    struct Read {
        std::shared_ptr<SourceProgress> progress;
        PageResult result;
    };
    auto read = std::make_shared<Read>(Read{progress, {}});
    std::shared_ptr<SaneDevice> device = device_;
    DeviceWatch watch(*device, silenceLimit_, &progress->done);
    DeviceCall call(network());
    bool abandoned = false;
    if (EnterCall(watch, call, &progress->done)) {
        watch.Begin();
        call.Run([device, read] { read->result = ReadStartedPage(*device, *read->progress); });
        abandoned = !call.Wait();
    }
    const bool cancelled = LeaveCall();
    watch.Ended();
    PageResult result = watch.silent() ? PageResult{kScannerErrorNoAnswer, {}, QStringLiteral("no data while the page was read")}
                        : (cancelled || abandoned) ? PageResult{kScannerErrorCancelled, {}, QStringLiteral("cancelled by the user")}
                                                   : std::move(read->result);
    if (result.error == kScannerErrorNone) return SourcePage::Page(std::move(result.image), deliveredDpi_);
    // A network scanner's backend decodes the page it fetched as its lines
    // are read: a failure then is a damaged image, or one cut off (the
    // backend cannot tell the two apart), never the cable or the power.
    if (result.error == kScannerErrorIo && result.whileReading && network()) result.error = kScannerErrorUnreadablePage;
    if (abandoned)
        AbandonDevice();
    else
        EndStartedFrame(*device, silenceLimit_, progress->done > 0);
    // A feeder that runs out while a page is announced ends the batch too.
    if (result.error == kScannerErrorFeederEmpty) return SourcePage::Ended(SourcePage::End::NoMorePaper);
    if (result.error == kScannerErrorCancelled) return SourcePage::Ended(SourcePage::End::Cancelled, {result.error, result.detail});
    return Fault(result.error, result.detail);
}

void SaneSource::EndSheet() {
    if (device_ && std::exchange(sheetIn_, false)) EndStartedFrame(*device_, silenceLimit_, false);
}

// A sheet taken in and not read is let go; else the page is complete and
// the scanner may park.
void SaneSource::Stop() {
    if (sheetIn_)
        EndSheet();
    else if (device_)
        device_->Cancel();
}

bool SaneSource::SetDeviceOption(const QString& name, const QString& value) {
    return options_ && options_->SetFromText(name.toUtf8().constData(), value);
}

}  // namespace quillon
