// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"
#include "scan/ScannerLibrary.h"
#include "scan/imaging/ConformPage.h"
#include "scan/imaging/ImagingSession.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace quillon {

// The process-wide settings SANE's backends need, made once before the first
// backend is loaded (see PrepareProcess).
void PrepareScannerBackends();

// Kept inside the library: SANE's own types stay behind these.
class DeviceSearch;
class OpenDevices;
class SaneDevice;
class SaneOptions;
class ScannerLog;

// The scanner library on SANE. State numbers follow TWAIN: 1 nothing loaded,
// 3 SANE initialised, 4 a device open, 5 scanning, 6 a page started and
// waiting (the feeder's look-ahead), 7 a page being transferred.
class SaneLibrary : public ScannerLibrary {
public:
    // The chosen scanner is remembered in the folder given, and the log kept
    // at the path given; empty texts mean the program's own folders.
    explicit SaneLibrary(ScannerDialogs& dialogs, QString settingsFolder = {}, QString logPath = {});
    ~SaneLibrary() override;

    int TWAIN_SelectImageSource(WindowHandle owner) override;
    int TWAIN_OpenDefaultSource() override;
    QString TWAIN_GetSourceName() override;
    int TWAIN_OpenSource(const QString& name) override;
    int TWAIN_CloseSource() override;
    int TWAIN_DisableSource() override;
    void TWAIN_UnloadSourceManager() override;
    int TWAIN_State() override { return state_; }
    int TWAIN_LogFile(int on) override;
    int TWAIN_SetHideUI(int hide) override;
    int TWAIN_SetJpegQuality(int quality) override;
    int TWAIN_SetCompactPages(int on) override;
    int TWAIN_SetPixelType(int pixelType) override;
    int TWAIN_SetResolution(double dpi) override;
    int TWAIN_SetAutoDeskew(int on) override;
    int TWAIN_SetAutoCrop(int on) override;
    int TWAIN_SetAutoContrast(int on) override;
    int TWAIN_SetPaperSize(int paperCode) override;
    QString TWAIN_SetTextRecognition(int on, const QString& languages) override;
    int TWAIN_GetDuplexSupport() override;
    int TWAIN_EnableDuplex(int on) override;
    int TWAIN_HasFeeder() override;
    int TWAIN_SelectFeeder(int feeder) override;
    int TWAIN_SetAutoScan(int on) override;
    int TWAIN_IsFeederLoaded() override;
    int TWAIN_IsFeederSelected() override;
    int TWAIN_SetXferCount(int count) override;
    int TWAIN_SetMultiTransfer(int on) override;
    int TWAIN_AcquireToFilename(WindowHandle owner, const QString& path) override;
    int TWAIN_BeginMultipageFile(const QString& path) override;
    int TWAIN_BeginNumberedFile(const QString& firstPath, int number) override;
    ImageHandle TWAIN_Acquire(WindowHandle owner) override;
    int DIB_IsBlank(ImageHandle image, double threshold) override;
    int TWAIN_DibWritePage(ImageHandle image) override;
    void DIB_Free(ImageHandle image) override;
    int TWAIN_EndMultipageFile() override;
    int TWAIN_BeginBackSides() override;
    int TWAIN_SetBackSides(int placement) override;
    int TWAIN_SetSeparatorDetection(int on) override;
    int DIB_IsSeparator(ImageHandle image) override;
    int TWAIN_LastErrorCode() override;
    QString TWAIN_LastErrorTextVB() override;
    QString TWAIN_LastCompletedFile() override;
    QString TWAIN_LastCompletedFileNote() override;

    // How a device is opened by name: null on failure, with SANE's status in
    // *status. A test may wrap the real one.
    using DeviceOpener = std::function<std::unique_ptr<SaneDevice>(const QString& name, int* status)>;
    void SetDeviceOpener(DeviceOpener opener) { opener_ = std::move(opener); }
    // Which devices there are, in place of SANE's list; a test may name its own.
    using DeviceLister = std::function<QList<ScannerChoice>()>;
    void SetDeviceLister(DeviceLister lister) { lister_ = std::move(lister); }

    // The scanners there are, by SANE name with vendor and model.
    QList<ScannerChoice> Devices();
    // Starts the search for scanners now, unless a scanner is named; the
    // next choice of a scanner takes its result, and waits for it if need be
    // as a step that can be cancelled.
    void SearchAhead() override;
    void JobEnded() override;
    // The scanner to use from now on, by any name SANE opens (a backend's name
    // alone opens its first device): no search for scanners, no dialog, and
    // the scanner chosen last stays as it was.
    void UseDevice(const QString& name) { namedDevice_ = name; }
    // The scanner chosen last in the window (empty: none yet).
    QString RememberedDevice() const;
    // A scanner chosen from the list is used for this run only: the one
    // remembered stays as it was.
    void ForgetChoices() { remembersChoice_ = false; }
    // The document under way is given up, not saved with the pages so far:
    // what a program that is told to end wants. Safe from any thread; holds
    // until the source manager is loaded again.
    void GiveUpDocument() { givingUp_ = true; }
    // The longest a scanner may send nothing, while a page starts or is read,
    // before the scan ends with "The scanner stopped answering." (60 s).
    void SetSilenceLimit(std::chrono::milliseconds limit) { silenceLimit_ = limit; }

    // Sets any option of the open device by its SANE name, from text.
    bool SetDeviceOption(const QString& name, const QString& value);
    // The resolution the device reported after the last setting (0: not known).
    int resolution() const { return dpi_; }

private:
    bool EnsureInitialised();
    bool RefreshDevices();  // false: the wait for the search was cancelled
    QList<ScannerChoice> SearchDevices() const;
    static QList<ScannerChoice> FindDevices(const DeviceLister& lister);
    void ExitSane();
    int OpenDevice(const QString& deviceName);
    void CloseDevice();
    void DropPendingPage();
    // Writes to the log how the pages just written were stored.
    void LogPageNotes();
    int StartPage(int pageNumber);  // SANE's status
    void EndStartedPage(bool dataFlowed);
    void AbandonDevice();
    void CancelDevice();
    void ApplyRequest();
    bool ApplyMode();
    std::optional<double> ApplyResolution();
    bool ApplyPaper();
    void ApplyEnhancements();
    int DeviceResolution() const;
    void Fail(int code, const QString& detail = QString());
    QString CurrentSource() const;
    bool SetSource(const QString& value);
    void RememberDevice(const QString& deviceName) const;
    int Log(const QString& operation, int result);

    ScannerDialogs& dialogs_;
    DeviceOpener opener_;
    DeviceLister lister_;
    QString settingsFolder_;
    std::unique_ptr<ScannerLog> log_;
    ImagingSession session_;
    int state_ = kStateNothing;
    bool initialised_ = false;  // the source manager is loaded (for a job)
    bool saneUp_ = false;       // sane_init done; kept under a search still under way
    QList<ScannerChoice> devices_;
    QString chosenDevice_;
    QString namedDevice_;
    std::atomic<bool> givingUp_{false};
    std::chrono::milliseconds silenceLimit_{60000};
    QString openDevice_;
    QString source_;
    std::shared_ptr<SaneDevice> device_;  // shared with a device call left to end behind
    std::shared_ptr<OpenDevices> open_;
    std::unique_ptr<SaneOptions> options_;
    bool pendingPage_ = false;
    int pagesThisBatch_ = 0;
    int pagesThisJob_ = 0;     // counted on through a batch split into documents
    int documentOfJob_ = 1;    // the document of such a batch under way, from 1
    bool separatorPassed_ = false;  // a separator came since: the next page is the next document's
    bool remembersChoice_ = true;
    std::unique_ptr<DeviceSearch> search_;  // under way, started ahead  // numbers the pages as the user counts them, across flatbed pages too
    PageRequest request_;      // what the job asked, applied again after every source change
    int paperCode_ = -1;
    QString sourceWanted_;     // the source the job chose last
    QString lastOpened_;       // to tell a reopen within one job
    int dpi_ = 0;
    int deliveredDpi_ = 0;     // the device's resolution when its page started
    bool duplexWanted_ = false;
    int transferCount_ = -1;
    bool wantContrast_ = false, wantCrop_ = false, wantDeskew_ = false;
    bool deviceContrast_ = false, deviceCrop_ = false, deviceDeskew_ = false;
};

}  // namespace quillon
