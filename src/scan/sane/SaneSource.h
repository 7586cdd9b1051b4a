// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/PageSource.h"
#include "scan/sane/OptionNegotiation.h"
#include "scan/sane/SilenceNotice.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

namespace quillon {

class DeviceCall;
class DeviceChoice;
class DeviceWatch;
class OpenDevices;
class SaneDevice;
class SaneOptions;
class ScannerLog;

// SANE's devices as a source of pages. A sheet is taken in by starting the
// device's next frame (a feeder's look-ahead keeps one started while the
// page before is written) and read as its frames come. A device that stays
// silent for the silence limit is cancelled; a network device whose call
// does not end after a cancel is left to end behind, no longer the job's.
class SaneSource : public PageSource {
public:
    using DeviceOpener = std::function<std::unique_ptr<SaneDevice>(const QString& name, int* status)>;
    using DeviceLister = std::function<QList<ScannerChoice>()>;

    // The chosen scanner is remembered in the settings folder given.
    SaneSource(ScannerDialogs& dialogs, const QString& settingsFolder, ScannerLog& log);
    ~SaneSource() override;

    QList<ScannerChoice> Sources() override;
    ChosenSource Choose(ScannerDialogs& dialogs) override;
    QString LabelOf(const QString& name) override;
    SourceFault Open(const QString& name) override;
    SourceTook Apply(const SourceSettings& settings) override;
    SourcePage TakeIn(bool first) override;
    SourcePage Next(const std::shared_ptr<SourceProgress>& progress) override;
    void Stop() override;
    void Close() override;
    void Release() override;
    void Cancel() override;
    QString Notice(long long received) const override { return silence_.Text(received); }

    void SetDeviceOpener(DeviceOpener opener) { opener_ = std::move(opener); }
    void SetDeviceLister(DeviceLister lister);
    void SetSilenceLimit(std::chrono::milliseconds limit);
    // Starts the search for scanners, unless one is named or a search is
    // under way: whether it started.
    bool SearchAhead();
    void UseDevice(const QString& name);
    QString RememberedDevice() const;
    void ForgetChoices();
    // Sets any option of the open device by its SANE name, from text.
    bool SetDeviceOption(const QString& name, const QString& value);
    // The resolution the device reported after the last setting (0: not known).
    int resolution() const { return dpi_; }

private:
    SourceFault StartSane();
    void CloseDevice();
    void EndSheet();  // a sheet taken in is let go
    void AbandonDevice();
    bool SetSource(const QString& value);
    void ApplyDuplex(bool on);
    void ApplyFeeder(bool feeder);
    SourceTook Took() const;
    bool network() const;
    // The device call under way, where Cancel finds it; false: cancelled already.
    bool EnterCall(DeviceWatch& watch, DeviceCall& call, const std::atomic<long long>* received);
    // Whether it was cancelled; a cancel that comes later is the next call's.
    bool LeaveCall();

    ScannerDialogs& dialogs_;
    ScannerLog& log_;
    DeviceOpener opener_;
    std::unique_ptr<DeviceChoice> choice_;
    OptionNegotiation negotiation_;
    bool saneUp_ = false;  // sane_init done; kept under a search still under way
    std::chrono::milliseconds silenceLimit_{60000};
    SilenceNotice silence_{silenceLimit_};
    std::shared_ptr<OpenDevices> open_;
    std::shared_ptr<SaneDevice> device_;  // shared with a device call left to end behind
    std::unique_ptr<SaneOptions> options_;
    QString openDevice_;
    QString source_;          // kept here: many backends answer no option while a page is started
    SourceSettings applied_;  // what was set on the device open
    bool duplexOn_ = false;
    bool sheetIn_ = false;    // a frame started and not yet read
    int dpi_ = 0;
    int deliveredDpi_ = 0;    // the device's resolution when its sheet was taken in
    bool dpiKnown_ = true, paperTaken_ = true;

    std::mutex callMutex_;
    DeviceWatch* watch_ = nullptr;
    DeviceCall* call_ = nullptr;
    const std::atomic<long long>* received_ = nullptr;
    bool cancelled_ = false;
};

}  // namespace quillon
