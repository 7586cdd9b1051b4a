// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/SaneLibrary.h"

#include "scan/ScannerErrors.h"
#include "scan/imaging/pages/ConformPage.h"
#include "scan/imaging/writers/DocumentGate.h"
#include "scan/imaging/text/TextLanguages.h"
#include "scan/sane/DeviceChoice.h"
#include "scan/sane/FeederOptions.h"
#include "scan/sane/OpenScanner.h"
#include "scan/sane/OptionNegotiation.h"
#include "scan/sane/PageStart.h"
#include "scan/sane/PageTransfer.h"
#include "scan/sane/SaneDevice.h"
#include "scan/sane/SaneOptions.h"
#include "scan/sane/SaneStatus.h"
#include "scan/ScannerLog.h"
#include "support/XdgFolders.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quillon {

SaneLibrary::SaneLibrary(ScannerDialogs& dialogs, QString settingsFolder, QString logPath)
    : DocumentOperations(dialogs),
      opener_([](const QString& name, int* status) { return SaneHandleDevice::Open(name.toUtf8().constData(), status); }),
      log_(std::make_unique<ScannerLog>(logPath.isEmpty() ? ScannerLog::DefaultPath() : std::move(logPath))),
      choice_(std::make_unique<DeviceChoice>(
          dialogs, settingsFolder.isEmpty() ? QuillonFolder(XdgBase::Config) : std::move(settingsFolder), *log_)),
      negotiation_(std::make_unique<OptionNegotiation>(*log_, session_)),
      open_(std::make_shared<OpenDevices>()) {}

void SaneLibrary::Note(const QString& line) { log_->Write(line); }

SaneLibrary::~SaneLibrary() {
    CloseDevice();
    ExitSane();
}

bool SaneLibrary::EnsureInitialised() {
    if (initialised_) return true;
    if (!saneUp_) {
        SANE_Int version = 0;
        const SANE_Status status = sane_init(&version, nullptr);
        if (status != SANE_STATUS_GOOD) {
            Fail(ScannerErrorOfStatus(status), QStringLiteral("sane_init failed"));
            return false;
        }
        saneUp_ = true;
    }
    initialised_ = true;
    state_ = kStateManagerOpen;
    BeginJob();
    negotiation_->Forget();
    sourceWanted_.clear();
    lastOpened_.clear();
    duplexWanted_ = false;
    return true;
}

bool SaneLibrary::RefreshDevices() {
    if (choice_->Refresh()) return true;
    Fail(kScannerErrorCancelled, QStringLiteral("while looking for scanners"));
    return false;
}

void SaneLibrary::SearchAhead() {
    if (!choice_->named().isEmpty() || choice_->SearchStarted() || !EnsureInitialised()) return;
    choice_->SearchAhead();
}

// SANE takes no other call while it searches, and cannot end under a
// search: one still under way is left to end on its own, with SANE up under
// it, and the next choice of a scanner waits for it as a step that can be
// cancelled. Nothing else waits for it: a network backend may never answer.
void SaneLibrary::ExitSane() {
    if (choice_->Searching()) {
        log_->Write(QStringLiteral("a search for scanners is still under way: it is left to end on its own"));
        return;
    }
    if (open_->any()) {
        log_->Write(QStringLiteral("a scanner is still being let go: SANE stays up under it"));
        return;
    }
    choice_->DropSearch();
    if (saneUp_) sane_exit();
    saneUp_ = false;
}

// A job that ended before it used the library (the save dialog cancelled)
// leaves what the search ahead began: it is ended here.
void SaneLibrary::JobEnded() {
    if (initialised_) TWAIN_UnloadSourceManager();
}

void SaneLibrary::SetDeviceLister(DeviceLister lister) { choice_->SetLister(std::move(lister)); }

void SaneLibrary::UseDevice(const QString& name) { choice_->UseDevice(name); }

QString SaneLibrary::RememberedDevice() const { return choice_->Remembered(); }

void SaneLibrary::ForgetChoices() { choice_->ForgetChoices(); }

int SaneLibrary::TWAIN_SelectImageSource(WindowHandle) {
    if (!EnsureInitialised()) return Log("TWAIN_SelectImageSource", 0);
    if (!choice_->named().isEmpty()) {
        choice_->ChooseNamed();
        return Log("TWAIN_SelectImageSource(" + choice_->named() + ")", 1);
    }
    if (!RefreshDevices()) return Log("TWAIN_SelectImageSource (cancelled)", 0);
    int error = kScannerErrorNone;
    QString detail;
    const bool chosen = choice_->Choose(&error, &detail);
    if (error != kScannerErrorNone) Fail(error, detail);
    return Log("TWAIN_SelectImageSource", chosen ? 1 : 0);
}

int SaneLibrary::OpenDevice(const QString& deviceName) {
    CloseDevice();
    if (deviceName.isEmpty()) {
        Fail(kScannerErrorNoSource, QStringLiteral("no scanner chosen"));
        return 0;
    }
    OpenedScanner opened = OpenScanner(deviceName, open_, dialogs_, opener_);
    if (!opened.device) {
        Fail(opened.error, opened.detail);
        return 0;
    }
    device_ = std::move(opened.device);
    options_ = std::make_unique<SaneOptions>(*device_);
    lastOpened_ = deviceName;
    source_ = options_->GetString("source").value_or(QString());
    openDevice_ = deviceName;
    pagesThisBatch_ = 0;
    state_ = kStateSourceOpen;
    return 1;
}

void SaneLibrary::CloseDevice() {
    DropPendingPage();
    source_.clear();
    options_.reset();
    if (device_ && !CloseScanner(std::move(device_), IsNetworkScanner(openDevice_)))
        log_->Write(QStringLiteral("the scanner did not close in time: it is closed behind"));
    device_.reset();  // cancels and closes
    openDevice_.clear();
    if (initialised_) state_ = kStateManagerOpen;
}

void SaneLibrary::DropPendingPage() {
    if (pendingPage_ && device_) EndStartedPage(*device_, silenceLimit_, false);
    pendingPage_ = false;
    pagesThisBatch_ = 0;
    if (device_) state_ = kStateSourceOpen;
}

int SaneLibrary::TWAIN_OpenDefaultSource() {
    if (!EnsureInitialised()) return Log("TWAIN_OpenDefaultSource", 0);
    const QString name = choice_->chosen();
    return Log("TWAIN_OpenDefaultSource(" + name + ")", OpenDevice(name));
}

QString SaneLibrary::TWAIN_GetSourceName() { return choice_->LabelOf(openDevice_); }

int SaneLibrary::TWAIN_OpenSource(const QString& name) {
    if (!EnsureInitialised()) return Log("TWAIN_OpenSource", 0);
    if (choice_->devices().isEmpty() && name != choice_->named()) RefreshDevices();
    const QString deviceName = choice_->DeviceNamed(name);
    if (deviceName.isEmpty()) {
        CloseDevice();
        Fail(kScannerErrorDeviceGone, QStringLiteral("no device named %1").arg(name));
        return Log("TWAIN_OpenSource(" + name + ")", 0);
    }
    const bool reopening = deviceName == lastOpened_;
    const int opened = OpenDevice(deviceName);
    // Reopened within one job (HP devices, between flatbed pages): every
    // setting the job made is made again, the source first.
    if (opened && reopening) {
        if (!sourceWanted_.isEmpty()) SetSource(sourceWanted_);
        ApplyRequest();
    }
    return Log("TWAIN_OpenSource(" + name + ")", opened);
}

int SaneLibrary::TWAIN_CloseSource() {
    CloseDevice();
    return Log("TWAIN_CloseSource", 1);
}

int SaneLibrary::TWAIN_DisableSource() {
    DropPendingPage();
    return Log("TWAIN_DisableSource", 1);
}

void SaneLibrary::TWAIN_UnloadSourceManager() {
    CloseDevice();
    EndJob();
    ExitSane();
    initialised_ = false;
    state_ = kStateNothing;
    log_->Write(QStringLiteral("TWAIN_UnloadSourceManager"));
}

int SaneLibrary::TWAIN_LogFile(int on) {
    log_->SetEnabled(on != 0);
    return Log("TWAIN_LogFile(" + log_->path() + ")", 1);
}

int SaneLibrary::TWAIN_SetHideUI(int hide) {
    // SANE devices have no dialog of their own to show or hide.
    return Log(QStringLiteral("TWAIN_SetHideUI(%1)").arg(hide), 1);
}

void SaneLibrary::ApplyRequest() {
    if (options_) negotiation_->ApplyAll(*options_);
}

int SaneLibrary::TWAIN_SetPixelType(int pixelType) {
    if (!options_) return Log("TWAIN_SetPixelType", 0);
    negotiation_->SetPixelType(*options_, pixelType);
    return Log(QStringLiteral("TWAIN_SetPixelType(%1)").arg(pixelType), 1);
}

int SaneLibrary::TWAIN_SetResolution(double dpi) {
    if (!options_) return Log("TWAIN_SetResolution", 0);
    const std::optional<double> actual = negotiation_->SetResolution(*options_, dpi);
    dpi_ = actual ? static_cast<int>(std::lround(*actual)) : 0;
    return Log(QStringLiteral("TWAIN_SetResolution(%1) = %2").arg(dpi).arg(dpi_), actual ? 1 : 0);
}

int SaneLibrary::TWAIN_SetAutoDeskew(int on) {
    negotiation_->SetDeskew(options_.get(), on != 0);
    return Log(QStringLiteral("TWAIN_SetAutoDeskew(%1)%2").arg(on).arg(negotiation_->deviceDeskew() ? " by the device" : ""), 1);
}

int SaneLibrary::TWAIN_SetAutoCrop(int on) {
    negotiation_->SetCrop(options_.get(), on != 0);
    return Log(QStringLiteral("TWAIN_SetAutoCrop(%1)%2").arg(on).arg(negotiation_->deviceCrop() ? " by the device" : ""), 1);
}

int SaneLibrary::TWAIN_SetAutoContrast(int on) {
    negotiation_->SetContrast(options_.get(), on != 0);
    return Log(QStringLiteral("TWAIN_SetAutoContrast(%1)%2").arg(on).arg(negotiation_->deviceContrast() ? " by the device" : ""), 1);
}

int SaneLibrary::TWAIN_SetPaperSize(int paperCode) {
    if (!options_) return Log("TWAIN_SetPaperSize", 0);
    const std::optional<PaperDimensions> paper = PaperDimensionsOf(paperCode);
    if (!paper) return Log(QStringLiteral("TWAIN_SetPaperSize(%1)").arg(paperCode), 0);
    return Log(QStringLiteral("TWAIN_SetPaperSize(%1)").arg(paperCode), negotiation_->SetPaper(*options_, *paper) ? 1 : 0);
}

// Kept here: many backends answer no option while a page is started.
QString SaneLibrary::CurrentSource() const { return source_; }

bool SaneLibrary::SetSource(const QString& value) {
    if (value.isEmpty() || !options_) return false;
    DropPendingPage();
    const bool done = options_->SetString("source", value);
    source_ = options_->GetString("source").value_or(QString());
    if (done) sourceWanted_ = value;
    ApplyRequest();
    return done;
}

int SaneLibrary::TWAIN_GetDuplexSupport() {
    if (!options_) return Log("TWAIN_GetDuplexSupport", 0);
    return Log("TWAIN_GetDuplexSupport", DuplexSupport(*options_));
}

int SaneLibrary::TWAIN_EnableDuplex(int on) {
    if (!options_) return Log("TWAIN_EnableDuplex", 0);
    const QStringList sources = options_->Choices("source");
    const QStringList adfModes = options_->Choices("adf-mode");
    bool done = true;
    if (on) {
        const QString duplexSource = MatchFeederSource(sources, true);
        done = duplexSource.isEmpty() ? SetFeederDuplex(*options_, adfModes, true) : SetSource(duplexSource);
        duplexWanted_ = done;
    } else {
        duplexWanted_ = false;
        if (IsDuplexSource(CurrentSource())) done = SetSource(MatchFeederSource(sources, false));
        SetFeederDuplex(*options_, adfModes, false);
    }
    return Log(QStringLiteral("TWAIN_EnableDuplex(%1)").arg(on), done ? 1 : 0);
}

int SaneLibrary::TWAIN_HasFeeder() {
    if (!options_) return Log("TWAIN_HasFeeder", 0);
    const QStringList sources = options_->Choices("source");
    return Log("TWAIN_HasFeeder", std::any_of(sources.begin(), sources.end(), IsFeederSource) ? 1 : 0);
}

int SaneLibrary::TWAIN_SelectFeeder(int feeder) {
    if (!options_) return Log("TWAIN_SelectFeeder", 0);
    // Duplex is kept when it was chosen before the feeder.
    const QString value = SourceFor(options_->Choices("source"), feeder != 0, duplexWanted_);
    const bool done = value == CurrentSource() ? (DropPendingPage(), true) : SetSource(value);
    return Log(QStringLiteral("TWAIN_SelectFeeder(%1) %2").arg(feeder).arg(value), done ? 1 : 0);
}

int SaneLibrary::TWAIN_SetAutoScan(int on) { return Log(QStringLiteral("TWAIN_SetAutoScan(%1)").arg(on), 1); }

int SaneLibrary::TWAIN_IsFeederSelected() { return Log("TWAIN_IsFeederSelected", IsFeederSource(CurrentSource()) ? 1 : 0); }

int SaneLibrary::TWAIN_IsFeederLoaded() {
    if (!device_ || !IsFeederSource(CurrentSource())) return Log("TWAIN_IsFeederLoaded", 0);
    // Paper that a sensor finds is not enough: the first page must start.
    if (SensedEmpty(*options_)) return Log("TWAIN_IsFeederLoaded (sensor)", 0);
    if (pendingPage_) return Log("TWAIN_IsFeederLoaded", 1);
    // Start the first page; if it starts, it waits for the transfer.
    deliveredDpi_ = negotiation_->DeviceResolution(options_.get());
    const auto status = static_cast<SANE_Status>(StartPage(1));
    if (status == SANE_STATUS_GOOD) {
        pendingPage_ = true;
        state_ = kStateTransferReady;
        return Log("TWAIN_IsFeederLoaded (page started)", 1);
    }
    CancelDevice();
    if (status == SANE_STATUS_CANCELLED) {
        // A cancel is no empty feeder: the job goes on to its page, which ends as cancelled.
        Fail(kScannerErrorCancelled, QStringLiteral("while the first page was started"));
        return Log("TWAIN_IsFeederLoaded (cancelled)", 1);
    }
    if (status != SANE_STATUS_NO_DOCS) {
        // Only an empty feeder asks for paper: any other failure (a jam, too
        // little memory) is the scan's, said as its first page's.
        Fail(ScannerErrorOfStatus(status), QStringLiteral("first page: %1").arg(sane_strstatus(status)));
        return Log("TWAIN_IsFeederLoaded (failed)", 1);
    }
    log_->Write(QStringLiteral("feeder look-ahead: %1").arg(sane_strstatus(status)));
    return Log("TWAIN_IsFeederLoaded", 0);
}

int SaneLibrary::TWAIN_SetXferCount(int count) {
    transferCount_ = count;
    return Log(QStringLiteral("TWAIN_SetXferCount(%1)").arg(count), 1);
}

int SaneLibrary::TWAIN_SetMultiTransfer(int on) { return Log(QStringLiteral("TWAIN_SetMultiTransfer(%1)").arg(on), 1); }

ImageHandle SaneLibrary::TWAIN_Acquire(WindowHandle) {
    if (!device_) {
        Fail(kScannerErrorNoSource);
        Log("TWAIN_Acquire", 0);
        return {};
    }
    // Once the scan has failed (a cancel, a scanner fallen silent, a first
    // page that would not start), no further page is started.
    if (session_.lastErrorCode() != kScannerErrorNone) {
        Log("TWAIN_Acquire (ended before)", 0);
        return {};
    }
    if (!pendingPage_) {
        state_ = kStateEnabled;
        deliveredDpi_ = negotiation_->DeviceResolution(options_.get());
        const auto status = static_cast<SANE_Status>(StartPage(pagesThisJob_ + 1));
        if (status != SANE_STATUS_GOOD) {
            CancelDevice();
            state_ = device_ ? kStateSourceOpen : kStateManagerOpen;
            // An empty feeder after some pages is the normal end of a batch.
            if (!(status == SANE_STATUS_NO_DOCS && pagesThisBatch_ > 0))
                Fail(ScannerErrorOfStatus(status), QStringLiteral("sane_start: %1").arg(sane_strstatus(status)));
            pagesThisBatch_ = 0;
            Log("TWAIN_Acquire", 0);
            return {};
        }
    }
    pendingPage_ = false;
    state_ = kStateTransferring;
    TransferredPage transferred = TransferPage(device_, session_, dialogs_, silenceLimit_,
                                               documentOfJob_ + (separatorPassed_ ? 1 : 0), IsNetworkScanner(openDevice_),
                                               pagesThisJob_ + 1);
    PageResult& result = transferred.result;
    if (result.error != 0) {
        if (transferred.abandoned) AbandonDevice();
        state_ = kStateSourceOpen;
        // A feeder that runs out while a page is announced ends the batch too.
        if (!(result.error == kScannerErrorFeederEmpty && pagesThisBatch_ > 0)) Fail(result.error, result.detail);
        pagesThisBatch_ = 0;
        Log("TWAIN_Acquire", 0);
        return {};
    }
    ++pagesThisBatch_;
    ++pagesThisJob_;
    // What the device could not do as asked (a mode, a resolution, the paper's
    // length on this source) is done here, so the page is what the window says.
    QImage page = ConformPage(std::move(result.image), deliveredDpi_, negotiation_->page());
    const QSize size = page.size();
    const int dpi = static_cast<int>(std::lround(page.dotsPerMeterX() * 0.0254));
    const ImageHandle image = session_.Adopt(std::move(page), dpi);

    if (IsFeederSource(CurrentSource()) && transferCount_ != 1) {
        // Look ahead: a started page is one waiting in the feeder.
        const auto status = static_cast<SANE_Status>(StartPage(pagesThisJob_ + 1));
        if (status == SANE_STATUS_GOOD) {
            pendingPage_ = true;
            state_ = kStateTransferReady;
        } else {
            CancelDevice();
            state_ = device_ ? kStateSourceOpen : kStateManagerOpen;
            if (status != SANE_STATUS_NO_DOCS)
                Fail(ScannerErrorOfStatus(status), QStringLiteral("next page: %1").arg(sane_strstatus(status)));
            pagesThisBatch_ = 0;
        }
    } else {
        CancelDevice();  // the page is complete; the scanner may park
        state_ = kStateEnabled;
    }
    Log(QStringLiteral("TWAIN_Acquire page %1x%2").arg(size.width()).arg(size.height()), static_cast<int>(image.value));
    return image;
}

int SaneLibrary::StartPage(int pageNumber) {
    const PageStart start =
        quillon::StartPage(device_, dialogs_, session_, silenceLimit_, IsNetworkScanner(openDevice_), pageNumber);
    // The device did not let go: it does so behind, and is no longer the job's.
    if (start.abandoned) AbandonDevice();
    if (start.silent) Fail(kScannerErrorNoAnswer, QStringLiteral("sane_start sent nothing"));
    return start.status;
}

// A device whose call was left running after a cancel: the job lets it go,
// and it is closed on that call's thread once the call ends.
void SaneLibrary::AbandonDevice() {
    log_->Write(QStringLiteral("the scanner did not let go after the cancel: it is closed behind"));
    options_.reset();
    device_.reset();
    pendingPage_ = false;
    source_.clear();
    openDevice_.clear();
    state_ = initialised_ ? kStateManagerOpen : kStateNothing;
}

void SaneLibrary::CancelDevice() {
    if (device_) device_->Cancel();
}

QList<ScannerChoice> SaneLibrary::Devices() {
    if (!EnsureInitialised()) return {};
    RefreshDevices();
    return choice_->devices();
}

bool SaneLibrary::SetDeviceOption(const QString& name, const QString& value) {
    const bool done = options_ && options_->SetFromText(name.toUtf8().constData(), value);
    Log(QStringLiteral("option %1=%2").arg(name, value), done ? 1 : 0);
    return done;
}

}  // namespace quillon
