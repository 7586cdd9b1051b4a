// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/SaneLibrary.h"

#include "scan/sane/DeviceCall.h"
#include "scan/sane/DeviceSearch.h"

#include "scan/ScannerErrors.h"
#include "scan/imaging/ConformPage.h"
#include "scan/imaging/DocumentGate.h"
#include "scan/imaging/SafeOutputFile.h"
#include "support/OpenFileRoom.h"
#include "scan/imaging/TextLanguages.h"
#include "scan/sane/FrameReader.h"
#include "scan/sane/SaneDevice.h"
#include "scan/sane/SaneOptions.h"
#include "scan/sane/SaneStatus.h"
#include "scan/sane/ScannerLog.h"
#include "support/XdgFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <malloc.h>
#include <pthread.h>
#include <unistd.h>

namespace quillon {

namespace {

constexpr int kMallocMappingThreshold = 128 * 1024;  // glibc's own starting value
// Open files a network backend takes for a scan: sockets, its event loop's
// wake-ups, its threads' pipes.
constexpr int kRoomForABackend = 16;

// The paper sizes the library knows, by their codes.
struct PaperDimensions {
    int code;
    double widthMm, heightMm;
};
constexpr std::array<PaperDimensions, 4> kPaperDimensions{{
    {kPaperA4, 210.0, 297.0},
    {kPaperUsLetter, 215.9, 279.4},
    {kPaperUsLegal, 215.9, 355.6},
    {kPaperA5, 148.0, 210.0},
}};

// Options through which backends report paper in the feeder, and apply their
// own cropping, deskewing and contrast.
constexpr std::array<const char*, 6> kPaperSensors{"page-loaded", "adf-loaded", "doc-in-adf", "paper-in-adf",
                                                   "adf-paper", "paper-loaded"};
constexpr std::array<const char*, 3> kDeviceCrop{"swcrop", "auto-crop", "autocrop"};
constexpr std::array<const char*, 3> kDeviceDeskew{"swdeskew", "auto-deskew", "deskew"};
constexpr std::array<const char*, 3> kDeviceContrast{"auto-contrast", "autocontrast", "auto-levels"};

// How long a step that was asked to stop may go on before its device is
// cancelled under it.
constexpr std::chrono::milliseconds kCancelGrace{500};

// Watches one step of the device (starting a page, reading it) from a thread
// of its own, and cancels the device under it when the step has had nothing
// from the device for the longest a scanner may stay silent (it stopped
// answering), or when it was asked to stop and has not within the grace.
// Some backends cancel by killing their reader thread at any instruction,
// which is only safe once that thread is under way (its first calls made,
// its first data sent): a step that ends by itself within the grace is never
// cut short. Each wait ends on the step's end or at its deadline.
class DeviceWatch {
public:
    // progress: what the step has had from the device so far; null: nothing counts.
    DeviceWatch(SaneDevice& device, std::chrono::milliseconds silenceLimit, const std::atomic<long long>* progress)
        : device_(device), silenceLimit_(silenceLimit), progress_(progress) {
        try {
            thread_ = std::thread([this] { Watch(); });
            watching_ = true;
        } catch (const std::system_error&) {
            // No thread to spare (memory is short): no silence is timed, and a
            // stop cancels the device at once.
        }
    }
    ~DeviceWatch() { Ended(); }
    // The device's part of the step starts: from now on its silence counts.
    void Begin() {
        {
            const std::lock_guard lock(mutex_);
            begunAt_ = std::chrono::steady_clock::now();
        }
        changed_.notify_all();
    }
    // Asked to stop, from any thread: the device is cancelled, on the watch's
    // own thread, unless the step ends within the grace.
    void Arm(std::chrono::milliseconds grace = kCancelGrace) {
        if (!watching_) return device_.Cancel();
        {
            const std::lock_guard lock(mutex_);
            const auto deadline = std::chrono::steady_clock::now() + grace;
            if (armedAt_ && *armedAt_ <= deadline) return;
            armedAt_ = deadline;
        }
        changed_.notify_all();
    }
    // The step has ended, on the step's own thread: no cancel comes after
    // this, and one under way has returned.
    void Ended() {
        {
            const std::lock_guard lock(mutex_);
            ended_ = true;
        }
        changed_.notify_all();
        if (thread_.joinable()) thread_.join();
    }
    // The device was cancelled because it stayed silent.
    bool silent() const { return silent_; }

private:
    void Watch() {
        using Clock = std::chrono::steady_clock;
        std::unique_lock lock(mutex_);
        long long seen = 0;
        std::optional<Clock::time_point> silentFrom;
        for (;;) {
            if (!silentFrom && begunAt_) {
                silentFrom = begunAt_;
                seen = progress_ ? progress_->load() : 0;
            }
            const Clock::time_point never = Clock::time_point::max();
            const Clock::time_point graceEnds = armedAt_ ? *armedAt_ : never;
            const Clock::time_point silenceEnds = silentFrom ? *silentFrom + silenceLimit_ : never;
            const auto armed = armedAt_, begun = begunAt_;
            const auto changed = [&] { return ended_ || armedAt_ != armed || begunAt_ != begun; };
            if (graceEnds == never && silenceEnds == never) changed_.wait(lock, changed);
            else changed_.wait_until(lock, std::min(graceEnds, silenceEnds), changed);
            if (ended_) return;
            const Clock::time_point now = Clock::now();
            if (now >= graceEnds) break;
            if (now < silenceEnds) continue;  // armed or begun meanwhile: deadlines anew
            const long long progress = progress_ ? progress_->load() : 0;
            if (progress != seen) {
                seen = progress;  // data came: the silence starts again
                silentFrom = now;
                continue;
            }
            silent_ = true;
            break;
        }
        lock.unlock();
        device_.Cancel();
        // The thread ends with the step, never before: the terminal program
        // may end its process in the middle of a step (after an interrupt),
        // and a thread that had ended and was not yet joined then is a leak
        // to ThreadSanitizer.
        lock.lock();
        changed_.wait(lock, [this] { return ended_; });
    }

    SaneDevice& device_;
    const std::chrono::milliseconds silenceLimit_;
    const std::atomic<long long>* progress_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::chrono::steady_clock::time_point> armedAt_, begunAt_;  // armedAt_: when the grace ends
    bool ended_ = false;
    std::atomic<bool> silent_{false};
    bool watching_ = false;  // whether the thread started; set before the watch is shared
    std::thread thread_;     // started once the rest is made
};

// How long a scanner may send nothing before the progress dialog says so:
// the user learns why nothing moves long before the silence limit ends the scan.
constexpr std::chrono::seconds kSilenceShownAfter{10};

// Says, for the progress dialog, when the scanner has sent nothing for a
// while. Asked from the dialog's thread with what the step has had so far.
class SilenceNotice {
public:
    explicit SilenceNotice(std::chrono::milliseconds limit) : limit_(limit) {}
    QString Text(long long received) const {
        using namespace std::chrono;
        const std::lock_guard lock(mutex_);
        const auto now = steady_clock::now();
        if (!since_ || received != received_) {
            since_ = now;
            received_ = received;
        }
        const auto silent = duration_cast<seconds>(now - *since_);
        if (silent < kSilenceShownAfter) return {};
        return QCoreApplication::translate("SaneLibrary", "The scanner has sent nothing for %1 s. The scan ends by itself "
                                                          "after %2 s; Cancel ends it now.")
            .arg(silent.count())
            .arg(duration_cast<seconds>(limit_).count());
    }

private:
    const std::chrono::milliseconds limit_;
    mutable std::mutex mutex_;
    mutable std::optional<std::chrono::steady_clock::time_point> since_;
    mutable long long received_ = 0;
};

// How long after a cancel a step still waits for a device call that does not
// end: the job then goes on without it, and the call ends behind.
constexpr std::chrono::milliseconds kLeaveAfterCancel{700};
// How long closing a network scanner may hold the job before it is left to
// close behind: a backend tidying a dead connection can take many seconds,
// and one whose event loop never wakes never ends.
constexpr std::chrono::milliseconds kLeaveClosingAfter{2000};

// One page read on a worker thread; Cancel comes from the dialog's thread.
// The read waits first until the pages under way leave room for one more.
// The reading itself is a DeviceCall: a device that does not let go after a
// cancel is left to do so behind, with the read's own state.
class PageTransfer : public TransferTask {
public:
    PageTransfer(std::shared_ptr<SaneDevice> device, ImagingSession& session, std::chrono::milliseconds silenceLimit,
                 int document, bool callOnOwnThread)
        : document_(document),
          device_(std::move(device)),
          session_(session),
          read_(std::make_shared<Read>()),
          silence_(silenceLimit),
          call_(callOnOwnThread),
          watch_(*device_, silenceLimit, &read_->progress.bytesRead) {}
    void Run() override {
        roomKept_ = session_.WaitForRoom([this] { return read_->progress.stopRequested.load(); });
        reading_ = roomKept_;
        if (roomKept_) {
            watch_.Begin();  // waiting for room is no silence of the device's
            call_.Run([device = device_, read = read_] { read->result = ReadStartedPage(*device, read->progress); });
            abandoned_ = !call_.Wait();
        }
        watch_.Ended();
    }
    double Progress() const override {
        const long long expected = read_->progress.bytesExpected;
        return expected > 0 ? std::min(1.0, double(read_->progress.bytesRead) / double(expected)) : -1.0;
    }
    void Cancel() override {
        cancelled_ = true;
        read_->progress.stopRequested = true;
        session_.WakeRoomWaiters();
        // Once data flows the device is cancelled at once, which also ends a
        // read that blocks. Before that the reader stops at its first data, and
        // a device that sends none is cancelled after the grace. Either way
        // the watch cancels it: no device call is made on the caller's thread
        // (the window's).
        watch_.Arm(read_->progress.bytesRead > 0 ? std::chrono::milliseconds(0) : kCancelGrace);
        call_.LeaveAfter(kLeaveAfterCancel);
    }
    DocumentSoFar SoFar() const override { return session_.SoFar(); }
    int DocumentNumber() const override { return document_; }
    // Waiting for room for the page is no silence of the scanner's.
    QString Caption() const override { return reading_ ? silence_.Text(read_->progress.bytesRead) : QString(); }
    long long BytesRead() const { return read_->progress.bytesRead; }
    // The read did not end after a cancel: the device is its until it does.
    bool abandoned() const { return abandoned_; }
    // The page, once: its room is now the caller's to fill or give back.
    PageResult TakeResult() {
        if (watch_.silent()) return {kScannerErrorNoAnswer, {}, QStringLiteral("no data while the page was read")};
        if (!roomKept_ || cancelled_ || abandoned_) return {kScannerErrorCancelled, {}, QStringLiteral("cancelled by the user")};
        return std::move(read_->result);
    }

private:
    int document_;
    struct Read {
        PageProgress progress;
        PageResult result;
    };
    std::shared_ptr<SaneDevice> device_;
    ImagingSession& session_;
    std::shared_ptr<Read> read_;
    bool roomKept_ = false;
    bool abandoned_ = false;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> reading_{false};
    SilenceNotice silence_;
    DeviceCall call_;
    DeviceWatch watch_;  // last: it may still cancel the device while it goes
};

// A step of the library's own that may take long (opening the scanner,
// starting a page, ending the document), run through the dialogs so that it
// is shown and can be cancelled. Whether it was cancelled is read once the
// dialogs have returned: no cancel reaches a step after that.
class LibraryStep : public TransferTask {
public:
    explicit LibraryStep(std::function<void()> run, std::function<void()> cancel = {},
                         std::function<QString()> caption = {}, const ImagingSession* document = nullptr)
        : run_(std::move(run)), cancel_(std::move(cancel)), caption_(std::move(caption)), document_(document) {}
    void Run() override { run_(); }
    double Progress() const override { return -1; }
    void Cancel() override {
        cancelled_ = true;
        if (cancel_) cancel_();
    }
    QString Caption() const override { return caption_ ? caption_() : QString(); }
    DocumentSoFar SoFar() const override { return document_ ? document_->SoFar() : DocumentSoFar{}; }
    bool cancelled() const { return cancelled_; }

private:
    std::function<void()> run_, cancel_;
    std::function<QString()> caption_;
    const ImagingSession* document_;  // a step between pages tells the document so far
    std::atomic<bool> cancelled_{false};
};

// Why the system refuses to open files, when it does (too many open, say):
// SANE's answers do not carry it, and "no scanner" would be the wrong reason.
// The backends that fetch each page whole over the network (eSCL) before
// handing its lines out.
bool IsNetworkScanner(const QString& deviceName) {
    return deviceName.startsWith(QLatin1String("airscan:")) || deviceName.startsWith(QLatin1String("escl:"));
}

// A backend that failed for want of open files has closed what it had by
// the time it answers: the room left is what tells.
QString SystemRefusal() { return OpenFileShortage(kRoomForABackend); }

template <std::size_t N>
const char* FirstSettable(const SaneOptions& options, const std::array<const char*, N>& names) {
    for (const char* name : names)
        if (options.IsSettable(name)) return name;
    return nullptr;
}

}  // namespace

SaneLibrary::SaneLibrary(ScannerDialogs& dialogs, QString settingsFolder, QString logPath)
    : dialogs_(dialogs),
      opener_([](const QString& name, int* status) { return SaneHandleDevice::Open(name.toUtf8().constData(), status); }),
      settingsFolder_(settingsFolder.isEmpty() ? QuillonFolder(XdgBase::Config) : std::move(settingsFolder)),
      log_(std::make_unique<ScannerLog>(logPath.isEmpty() ? ScannerLog::DefaultPath() : std::move(logPath))),
      open_(std::make_shared<OpenDevices>()) {}

SaneLibrary::~SaneLibrary() {
    CloseDevice();
    ExitSane();
}

void PrepareScannerBackends() {
    // Some backends end their reader thread with an asynchronous cancel, which
    // can strike while that thread frees its buffer. A buffer taken from a
    // malloc arena leaves the arena's lock held and the thread hangs on its
    // way out; a buffer of its own mapping is freed without a lock. glibc
    // raises its mapping threshold as large pages are freed, which would put
    // those buffers in the arenas: it is fixed instead.
    mallopt(M_MMAP_THRESHOLD, kMallocMappingThreshold);
    // The same cancel, the first in the process, has glibc load its unwinder
    // under the dynamic loader's lock, which a cancelled thread can take with
    // it. A thread that ends by unwinding once loads it beforehand.
    pthread_t thread{};
    if (pthread_create(&thread, nullptr, [](void*) -> void* { pthread_exit(nullptr); }, nullptr) == 0)
        pthread_join(thread, nullptr);
}

int SaneLibrary::Log(const QString& operation, int result) {
    log_->Write(operation + QStringLiteral(" -> ") + QString::number(result));
    return result;
}

void SaneLibrary::Fail(int code, const QString& detail) {
    log_->Write(QStringLiteral("error %1: %2 %3").arg(code).arg(QString::fromUtf8(ScannerErrorSourceText(code)), detail));
    session_.RecordError(code, detail);
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
    session_.Reset();  // a fresh source manager: no error, no completed file yet
    givingUp_ = false;
    request_ = {};
    paperCode_ = -1;
    pagesThisJob_ = 0;
    documentOfJob_ = 1;
    separatorPassed_ = false;
    sourceWanted_.clear();
    lastOpened_.clear();
    duplexWanted_ = false;
    return true;
}

QList<ScannerChoice> SaneLibrary::SearchDevices() const { return FindDevices(lister_); }

// Runs on the search's own thread when started ahead, with its own copy of
// the lister: a search left to end on its own needs nothing of the library.
QList<ScannerChoice> SaneLibrary::FindDevices(const DeviceLister& lister) {
    if (lister) return lister();
    QList<ScannerChoice> devices;
    const SANE_Device** list = nullptr;
    if (sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list) return devices;
    for (; *list; ++list) {
        const SANE_Device& d = **list;
        const QString label = (QString::fromUtf8(d.vendor) + QLatin1Char(' ') + QString::fromUtf8(d.model)).simplified();
        devices.append({QString::fromUtf8(d.name), label.isEmpty() ? QString::fromUtf8(d.name) : label});
    }
    return devices;
}

bool SaneLibrary::RefreshDevices() {
    devices_.clear();
    if (!search_) {
        devices_ = SearchDevices();
        return true;
    }
    if (!search_->Ended()) {
        bool ended = false;
        search_->ResetWait();
        LibraryStep waiting([&] { ended = search_->Wait(); }, [this] { search_->GiveUpWaiting(); });
        dialogs_.RunStep(QCoreApplication::translate("SaneLibrary", "Looking for scanners..."), waiting);
        if (!ended || waiting.cancelled()) {
            Fail(kScannerErrorCancelled, QStringLiteral("while looking for scanners"));
            return false;
        }
    }
    devices_ = search_->Result();
    search_.reset();
    return true;
}

void SaneLibrary::SearchAhead() {
    if (!namedDevice_.isEmpty() || search_ || !EnsureInitialised()) return;
    log_->Write(QStringLiteral("looking for scanners ahead"));
    search_ = std::make_unique<DeviceSearch>([lister = lister_] { return FindDevices(lister); });
}

// SANE takes no other call while it searches, and cannot end under a
// search: one still under way is left to end on its own, with SANE up under
// it, and the next choice of a scanner waits for it as a step that can be
// cancelled. Nothing else waits for it: a network backend may never answer.
void SaneLibrary::ExitSane() {
    if (search_ && !search_->Ended()) {
        log_->Write(QStringLiteral("a search for scanners is still under way: it is left to end on its own"));
        return;
    }
    if (open_->any()) {
        log_->Write(QStringLiteral("a scanner is still being let go: SANE stays up under it"));
        return;
    }
    search_.reset();
    if (saneUp_) sane_exit();
    saneUp_ = false;
}

// A job that ended before it used the library (the save dialog cancelled)
// leaves what the search ahead began: it is ended here.
void SaneLibrary::JobEnded() {
    if (initialised_) TWAIN_UnloadSourceManager();
}

QString SaneLibrary::RememberedDevice() const {
    QFile file(settingsFolder_ + QStringLiteral("/scanner.conf"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("device=")) return QString::fromUtf8(line.mid(7)).trimmed();
    return {};
}

void SaneLibrary::RememberDevice(const QString& deviceName) const {
    QDir().mkpath(settingsFolder_);
    // Replaced whole, never written through: a link in its place is replaced
    // by the file, and the file it pointed to stays as it was.
    SafeOutputFile file;
    const QByteArray text = "# The scanner chosen last in Quillon\ndevice=" + deviceName.toUtf8() + "\n";
    if (!file.Open(settingsFolder_ + QStringLiteral("/scanner.conf")) ||
        ::write(file.fd(), text.constData(), static_cast<size_t>(text.size())) != text.size() || !file.Commit())
        log_->Write(QStringLiteral("the chosen scanner could not be remembered: ") + file.error());
}

int SaneLibrary::TWAIN_SelectImageSource(WindowHandle) {
    if (!EnsureInitialised()) return Log("TWAIN_SelectImageSource", 0);
    if (!namedDevice_.isEmpty()) {
        chosenDevice_ = namedDevice_;
        return Log("TWAIN_SelectImageSource(" + namedDevice_ + ")", 1);
    }
    if (!RefreshDevices()) return Log("TWAIN_SelectImageSource (cancelled)", 0);
    if (devices_.isEmpty()) {
        const QString refusal = SystemRefusal();
        if (!refusal.isEmpty()) {
            Fail(kScannerErrorSystem, refusal);
            return Log("TWAIN_SelectImageSource", 0);
        }
    }
    const QString remembered = chosenDevice_.isEmpty() ? RememberedDevice() : chosenDevice_;
    int preselected = devices_.isEmpty() ? -1 : 0;
    for (int i = 0; i < devices_.size(); ++i)
        if (devices_[i].deviceName == remembered) preselected = i;
    const int choice = dialogs_.ChooseScanner(devices_, preselected);
    if (choice < 0 || choice >= devices_.size()) {
        // No scanner at all is no cancel: the caller can tell the two apart.
        if (devices_.isEmpty()) Fail(kScannerErrorNoSource, QStringLiteral("no scanner found"));
        return Log("TWAIN_SelectImageSource", 0);
    }
    chosenDevice_ = devices_[choice].deviceName;
    if (remembersChoice_) RememberDevice(chosenDevice_);
    log_->Write(QStringLiteral("chose ") + chosenDevice_);
    return Log("TWAIN_SelectImageSource", 1);
}

int SaneLibrary::OpenDevice(const QString& deviceName) {
    CloseDevice();
    if (deviceName.isEmpty()) {
        Fail(kScannerErrorNoSource, QStringLiteral("no scanner chosen"));
        return 0;
    }
    if (open_->any()) {
        // The last scan's scanner is still being let go, behind: SANE opens
        // nothing meanwhile. The wait can be cancelled.
        open_->ResetWait();
        bool none = false;
        LibraryStep waiting([&] { none = open_->WaitUntilNone(); }, [this] { open_->GiveUpWaiting(); });
        dialogs_.RunStep(QCoreApplication::translate("SaneLibrary", "Waiting for the scanner to be let go..."), waiting);
        if (!none || waiting.cancelled()) {
            Fail(kScannerErrorCancelled, QStringLiteral("while the last scanner was let go"));
            return 0;
        }
    }
    int openStatus = SANE_STATUS_GOOD;
    std::unique_ptr<SaneDevice> device;
    // SANE cannot stop an open under way: a cancel takes effect when it returns.
    LibraryStep opening([&] { device = opener_(deviceName, &openStatus); });
    dialogs_.RunStep(QCoreApplication::translate("SaneLibrary", "Opening the scanner..."), opening);
    if (opening.cancelled()) {
        device.reset();
        Fail(kScannerErrorCancelled, QStringLiteral("while the scanner was opened"));
        return 0;
    }
    const auto status = static_cast<SANE_Status>(openStatus);
    if (!device) {
        if (const QString refusal = SystemRefusal(); !refusal.isEmpty()) {
            Fail(kScannerErrorSystem, refusal);
            return 0;
        }
        // A device that vanished since it was listed reads as "invalid"; the
        // airscan backend answers a name it cannot find with "out of memory".
        const bool gone = status == SANE_STATUS_INVAL || status == SANE_STATUS_IO_ERROR || status == SANE_STATUS_NO_MEM;
        Fail(gone ? kScannerErrorDeviceGone : ScannerErrorOfStatus(status),
             QStringLiteral("sane_open(%1): %2").arg(deviceName, sane_strstatus(status)));
        return 0;
    }
    open_->Opened();
    device_ = std::shared_ptr<SaneDevice>(device.release(), [open = open_](SaneDevice* closing) {
        delete closing;  // cancels and closes, on whichever thread lets it go last
        open->Closed();
    });
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
    if (device_ && IsNetworkScanner(openDevice_)) {
        // Closed on a thread of its own, which holds the last reference: the
        // job waits a bounded time for it, then goes on while it ends behind
        // (the next open and SANE's end wait for it, as for a cancelled read).
        DeviceCall closing(true);
        closing.Run([device = std::move(device_)]() mutable { device.reset(); });
        closing.LeaveAfter(kLeaveClosingAfter);
        if (!closing.Wait()) log_->Write(QStringLiteral("the scanner did not close in time: it is closed behind"));
    }
    device_.reset();  // cancels and closes
    openDevice_.clear();
    if (initialised_) state_ = kStateManagerOpen;
}

// Ends a started page. A page that has sent nothing is read from first: some
// backends kill their reader thread on cancel, which is only safe once it has
// started sending (see PageTransfer::Cancel).
void SaneLibrary::EndStartedPage(bool dataFlowed) {
    if (!device_) return;
    if (!dataFlowed) {
        // A device that sends nothing is cancelled under the read after the grace.
        DeviceWatch watch(*device_, silenceLimit_, nullptr);
        watch.Arm();
        SANE_Byte chunk[4096];
        SANE_Int length = 0;
        device_->Read(chunk, sizeof chunk, &length);
    }
    device_->Cancel();
}

void SaneLibrary::DropPendingPage() {
    if (pendingPage_) EndStartedPage(false);
    pendingPage_ = false;
    pagesThisBatch_ = 0;
    if (device_) state_ = kStateSourceOpen;
}

int SaneLibrary::TWAIN_OpenDefaultSource() {
    if (!EnsureInitialised()) return Log("TWAIN_OpenDefaultSource", 0);
    const QString name = chosenDevice_.isEmpty() ? RememberedDevice() : chosenDevice_;
    return Log("TWAIN_OpenDefaultSource(" + name + ")", OpenDevice(name));
}

QString SaneLibrary::TWAIN_GetSourceName() {
    for (const ScannerChoice& device : devices_)
        if (device.deviceName == openDevice_) return device.label;
    return openDevice_;
}

int SaneLibrary::TWAIN_OpenSource(const QString& name) {
    if (!EnsureInitialised()) return Log("TWAIN_OpenSource", 0);
    if (devices_.isEmpty() && name != namedDevice_) RefreshDevices();
    // By SANE's device name first; a label names the chosen device when it is
    // that device's, and otherwise the first device with it: two scanners of
    // the same model have the same label and stay two.
    QString deviceName = name == namedDevice_ ? name : QString();
    for (const ScannerChoice& device : devices_)
        if (device.deviceName == name) deviceName = device.deviceName;
    for (const ScannerChoice& device : devices_)
        if (deviceName.isEmpty() && device.label == name && device.deviceName == chosenDevice_) deviceName = device.deviceName;
    for (const ScannerChoice& device : devices_)
        if (deviceName.isEmpty() && device.label == name) deviceName = device.deviceName;
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
    session_.Discard();  // an unfinished document is removed; an old file stays
    session_.SetTextRecognition({});
    session_.SetCompactPages(false);
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

int SaneLibrary::TWAIN_SetJpegQuality(int quality) {
    session_.SetJpegQuality(quality);
    return Log(QStringLiteral("TWAIN_SetJpegQuality(%1)").arg(session_.jpegQuality()), 1);
}

void SaneLibrary::LogPageNotes() {
    for (const QString& note : session_.TakePageNotes()) log_->Write(note);
}

int SaneLibrary::TWAIN_SetCompactPages(int on) {
    session_.SetCompactPages(on != 0);
    return Log(QStringLiteral("TWAIN_SetCompactPages(%1)").arg(on != 0), 1);
}

// What the job asked is kept and applied again after every change of source,
// since many backends reset it then (airscan the scan area, pixma and HPLIP
// mode and resolution). Descriptors are looked up afresh on every call, so a
// set that answers SANE_INFO_RELOAD_OPTIONS is always followed by new ones.
void SaneLibrary::ApplyRequest() {
    if (!options_) return;
    if (request_.pixelType >= 0) ApplyMode();
    if (request_.dpi > 0) ApplyResolution();
    if (paperCode_ >= 0) ApplyPaper();
    ApplyEnhancements();
}

bool SaneLibrary::ApplyMode() {
    const int pixelType = request_.pixelType;
    const QStringList modes = options_->Choices("mode");
    QString mode = MatchMode(modes, pixelType);
    // Without the mode asked, the nearest richer one; the page is converted here.
    for (int richer = pixelType + 1; mode.isEmpty() && richer <= 2; ++richer) mode = MatchMode(modes, richer);
    const bool done = mode.isEmpty() ? !options_->Exists("mode") : options_->SetString("mode", mode);
    const bool lineart = !mode.isEmpty() && MatchMode({mode}, 0) == mode;
    if (options_->IsSettable("depth")) {
        // Black and white from a device without a lineart mode: its grey at
        // one bit, where it offers that, rather than grey thresholded here.
        const std::optional<double> depth = options_->SetNumber("depth", lineart || pixelType == 0 ? 1 : 8);
        if (!lineart && pixelType == 0 && (!depth || *depth != 1)) options_->SetNumber("depth", 8);
    }
    log_->Write(QStringLiteral("mode %1 for %2%3").arg(mode).arg(pixelType).arg(done ? "" : " refused"));
    return done;
}

std::optional<double> SaneLibrary::ApplyResolution() {
    const double dpi = request_.dpi;
    std::optional<double> actual = options_->SetNumber("resolution", dpi);
    if (!actual) {
        actual = options_->SetNumber("x-resolution", dpi);
        options_->SetNumber("y-resolution", dpi);
    }
    if (!actual) actual = options_->GetNumber("resolution");
    if (actual && std::lround(*actual) != std::lround(dpi))
        log_->Write(QStringLiteral("resolution %1 asked, %2 given: resampled here").arg(dpi).arg(*actual));
    return actual;
}

// The device's resolution now, which is what its next page will have.
int SaneLibrary::DeviceResolution() const {
    std::optional<double> dpi = options_ ? options_->GetNumber("resolution") : std::nullopt;
    if (!dpi && options_) dpi = options_->GetNumber("x-resolution");
    return dpi ? static_cast<int>(std::lround(*dpi)) : request_.dpi;
}

bool SaneLibrary::ApplyPaper() {
    const double heightMm = request_.heightMm, widthMm = request_.widthMm;
    const int dpi = DeviceResolution() > 0 ? DeviceResolution() : 300;
    // Geometry in the option's own unit (millimetres, or pixels at the
    // resolution), within the range the current source reports.
    const auto inUnit = [&](const char* name, double mm) {
        return options_->Unit(name) == SANE_UNIT_PIXEL ? mm / 25.4 * dpi : mm;
    };
    if (options_->IsSettable("page-width")) options_->SetNumber("page-width", inUnit("page-width", widthMm));
    if (options_->IsSettable("page-height")) options_->SetNumber("page-height", inUnit("page-height", heightMm));
    options_->SetNumber("tl-x", 0);
    options_->SetNumber("tl-y", 0);
    const std::optional<double> width = options_->SetNumber("br-x", inUnit("br-x", widthMm));
    const std::optional<double> height = options_->SetNumber("br-y", inUnit("br-y", heightMm));
    const bool exact = width && height && std::fabs(*width - inUnit("br-x", widthMm)) < 1.0 &&
                       std::fabs(*height - inUnit("br-y", heightMm)) < 1.0;
    if (!exact) log_->Write(QStringLiteral("paper size %1 only in part: the page is completed here").arg(paperCode_));
    return width && height;
}

void SaneLibrary::ApplyEnhancements() {
    const auto apply = [&](const auto& deviceOptions, bool wanted, bool& byDevice) {
        const char* option = options_ ? FirstSettable(*options_, deviceOptions) : nullptr;
        byDevice = option && options_->SetBool(option, wanted) && wanted;
    };
    apply(kDeviceContrast, wantContrast_, deviceContrast_);
    apply(kDeviceCrop, wantCrop_, deviceCrop_);
    apply(kDeviceDeskew, wantDeskew_, deviceDeskew_);
    session_.SetEnhancements(wantContrast_ && !deviceContrast_, wantCrop_ && !deviceCrop_, wantDeskew_ && !deviceDeskew_);
}

int SaneLibrary::TWAIN_SetPixelType(int pixelType) {
    if (!options_) return Log("TWAIN_SetPixelType", 0);
    request_.pixelType = pixelType;
    // A mode the device lacks is no failure: the page is converted here.
    ApplyMode();
    return Log(QStringLiteral("TWAIN_SetPixelType(%1)").arg(pixelType), 1);
}

int SaneLibrary::TWAIN_SetResolution(double dpi) {
    if (!options_) return Log("TWAIN_SetResolution", 0);
    request_.dpi = static_cast<int>(std::lround(dpi));
    const std::optional<double> actual = ApplyResolution();
    dpi_ = actual ? static_cast<int>(std::lround(*actual)) : 0;
    return Log(QStringLiteral("TWAIN_SetResolution(%1) = %2").arg(dpi).arg(dpi_), actual ? 1 : 0);
}

int SaneLibrary::TWAIN_SetAutoDeskew(int on) {
    wantDeskew_ = on != 0;
    ApplyEnhancements();
    return Log(QStringLiteral("TWAIN_SetAutoDeskew(%1)%2").arg(on).arg(deviceDeskew_ ? " by the device" : ""), 1);
}

int SaneLibrary::TWAIN_SetAutoCrop(int on) {
    wantCrop_ = on != 0;
    ApplyEnhancements();
    return Log(QStringLiteral("TWAIN_SetAutoCrop(%1)%2").arg(on).arg(deviceCrop_ ? " by the device" : ""), 1);
}

int SaneLibrary::TWAIN_SetAutoContrast(int on) {
    wantContrast_ = on != 0;
    ApplyEnhancements();
    return Log(QStringLiteral("TWAIN_SetAutoContrast(%1)%2").arg(on).arg(deviceContrast_ ? " by the device" : ""), 1);
}

int SaneLibrary::TWAIN_SetPaperSize(int paperCode) {
    if (!options_) return Log("TWAIN_SetPaperSize", 0);
    const auto known = std::find_if(kPaperDimensions.begin(), kPaperDimensions.end(),
                                    [&](const PaperDimensions& paper) { return paper.code == paperCode; });
    if (known == kPaperDimensions.end()) return Log(QStringLiteral("TWAIN_SetPaperSize(%1)").arg(paperCode), 0);
    paperCode_ = paperCode;
    request_.widthMm = known->widthMm;
    request_.heightMm = known->heightMm;
    return Log(QStringLiteral("TWAIN_SetPaperSize(%1)").arg(paperCode), ApplyPaper() ? 1 : 0);
}

QString SaneLibrary::TWAIN_SetTextRecognition(int on, const QString& languages) {
    session_.SetTextRecognition({});
    if (on == 0) return Log("TWAIN_SetTextRecognition(0)", 1), QString();
    const TextLanguages chosen = ChooseTextLanguages(languages, QLocale::system(), TextDataDirectory());
    Log("TWAIN_SetTextRecognition(1, " + languages + ") " + (chosen.problem.isEmpty() ? chosen.codes : chosen.problem),
        chosen.problem.isEmpty() ? 1 : 0);
    if (chosen.problem.isEmpty()) session_.SetTextRecognition(chosen);
    return chosen.problem;
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
    const QStringList sources = options_->Choices("source");
    int support = 0;
    if (!MatchFeederSource(sources, true).isEmpty())
        support = 2;
    else if (options_->Choices("adf-mode").filter("duplex", Qt::CaseInsensitive).size() > 0 || options_->IsSettable("duplex"))
        support = 1;
    return Log("TWAIN_GetDuplexSupport", support);
}

int SaneLibrary::TWAIN_EnableDuplex(int on) {
    if (!options_) return Log("TWAIN_EnableDuplex", 0);
    const QStringList sources = options_->Choices("source");
    const QStringList adfModes = options_->Choices("adf-mode");
    bool done = false;
    if (on) {
        const QString duplexSource = MatchFeederSource(sources, true);
        const QStringList duplexModes = adfModes.filter("duplex", Qt::CaseInsensitive);
        if (!duplexSource.isEmpty())
            done = SetSource(duplexSource);
        else if (!duplexModes.isEmpty())
            done = options_->SetString("adf-mode", duplexModes.first());
        else
            done = options_->SetBool("duplex", true);
        duplexWanted_ = done;
    } else {
        duplexWanted_ = false;
        done = true;
        if (IsDuplexSource(CurrentSource())) done = SetSource(MatchFeederSource(sources, false));
        const QStringList simplex = adfModes.filter("simplex", Qt::CaseInsensitive);
        if (!simplex.isEmpty()) options_->SetString("adf-mode", simplex.first());
        if (options_->IsSettable("duplex")) options_->SetBool("duplex", false);
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
    const QStringList sources = options_->Choices("source");
    QString value;
    if (feeder) {
        // Keep duplex when it was chosen before the feeder.
        if (duplexWanted_) value = MatchFeederSource(sources, true);
        if (value.isEmpty()) value = MatchFeederSource(sources, false);
    } else {
        value = MatchFlatbedSource(sources);
    }
    const bool done = value == CurrentSource() ? (DropPendingPage(), true) : SetSource(value);
    return Log(QStringLiteral("TWAIN_SelectFeeder(%1) %2").arg(feeder).arg(value), done ? 1 : 0);
}

int SaneLibrary::TWAIN_SetAutoScan(int on) { return Log(QStringLiteral("TWAIN_SetAutoScan(%1)").arg(on), 1); }

int SaneLibrary::TWAIN_IsFeederSelected() { return Log("TWAIN_IsFeederSelected", IsFeederSource(CurrentSource()) ? 1 : 0); }

int SaneLibrary::TWAIN_IsFeederLoaded() {
    if (!device_ || !IsFeederSource(CurrentSource())) return Log("TWAIN_IsFeederLoaded", 0);
    // A sensor that finds no paper is believed; one that finds paper is not
    // enough, since some devices report it wrongly: the first page must start.
    for (const char* sensor : kPaperSensors) {
        const std::optional<bool> loaded = options_->GetBool(sensor);
        if (!loaded) continue;
        if (!*loaded) return Log("TWAIN_IsFeederLoaded (sensor)", 0);
        break;
    }
    if (pendingPage_) return Log("TWAIN_IsFeederLoaded", 1);
    // Start the first page; if it starts, it waits for the transfer.
    deliveredDpi_ = DeviceResolution();
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
        deliveredDpi_ = DeviceResolution();
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
    PageTransfer transfer(device_, session_, silenceLimit_, documentOfJob_ + (separatorPassed_ ? 1 : 0),
                          IsNetworkScanner(openDevice_));
    dialogs_.RunTransfer(pagesThisJob_ + 1, transfer);
    PageResult result = transfer.TakeResult();
    // A network scanner's backend decodes the page it fetched as its lines
    // are read: a failure then is a damaged image, or one cut off (the
    // backend cannot tell the two apart), never the cable or the power.
    if (result.error == kScannerErrorIo && result.whileReading && IsNetworkScanner(openDevice_))
        result.error = kScannerErrorUnreadablePage;
    if (result.error != 0) {
        session_.GiveBackRoom();
        if (transfer.abandoned()) AbandonDevice();
        else EndStartedPage(transfer.BytesRead() > 0);
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
    QImage page = ConformPage(std::move(result.image), deliveredDpi_, request_);
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

int SaneLibrary::TWAIN_AcquireToFilename(WindowHandle owner, const QString& path) {
    if (!session_.CanWriteSingleFile(path)) return Log("TWAIN_AcquireToFilename(" + path + ")", 1);
    const ImageHandle image = TWAIN_Acquire(owner);
    if (!image) return Log("TWAIN_AcquireToFilename(" + path + ")", 1);
    if (givingUp_ || DocumentGate::closed()) {
        session_.Free(image);
        Fail(kScannerErrorCancelled, QStringLiteral("the file was given up"));
        return Log("TWAIN_AcquireToFilename(" + path + ") given up", 1);
    }
    const int result = session_.WriteSingleFile(path, image);
    session_.Free(image);
    LogPageNotes();
    return Log("TWAIN_AcquireToFilename(" + path + ")", result);
}

int SaneLibrary::TWAIN_BeginMultipageFile(const QString& path) {
    pagesThisJob_ = 0;
    documentOfJob_ = 1;
    separatorPassed_ = false;
    return Log("TWAIN_BeginMultipageFile(" + path + ")", session_.BeginDocument(path));
}

int SaneLibrary::TWAIN_BeginNumberedFile(const QString& firstPath, int number) {
    ++documentOfJob_;  // its pages are counted on from the document before
    separatorPassed_ = false;
    return Log(QStringLiteral("TWAIN_BeginNumberedFile(%1, %2)").arg(firstPath).arg(number), session_.BeginDocument(firstPath, number));
}

int SaneLibrary::TWAIN_BeginBackSides() {
    // The backs are a new batch from the feeder, counted on from the fronts.
    DropPendingPage();
    session_.BeginBackSides();
    return Log("TWAIN_BeginBackSides", 1);
}

int SaneLibrary::TWAIN_SetBackSides(int placement) {
    const BackSides backs = placement == kBackSidesLeftOut          ? BackSides::LeftOut
                            : placement == kBackSidesFromFirstSheet ? BackSides::FromFirstSheet
                                                                    : BackSides::FromLastSheet;
    session_.SetBackSides(backs);
    return Log(QStringLiteral("TWAIN_SetBackSides(%1)").arg(placement), 1);
}

int SaneLibrary::TWAIN_SetSeparatorDetection(int on) {
    session_.SetSeparatorDetection(on != 0);
    return Log(QStringLiteral("TWAIN_SetSeparatorDetection(%1)").arg(on), 1);
}

int SaneLibrary::DIB_IsSeparator(ImageHandle image) {
    const bool separator = session_.IsSeparator(image);
    if (separator) separatorPassed_ = true;  // the pages from now on are the next document's
    return Log(QStringLiteral("DIB_IsSeparator(%1)").arg(image.value), separator ? 1 : 0);
}

int SaneLibrary::DIB_IsBlank(ImageHandle image, double threshold) {
    return Log(QStringLiteral("DIB_IsBlank(%1, %2)").arg(image.value).arg(threshold), session_.IsBlank(image, threshold));
}

int SaneLibrary::TWAIN_DibWritePage(ImageHandle image) {
    return Log(QStringLiteral("TWAIN_DibWritePage(%1)").arg(image.value), session_.WritePage(image));
}

void SaneLibrary::DIB_Free(ImageHandle image) { session_.Free(image); }

int SaneLibrary::TWAIN_EndMultipageFile() {
    // A document cancelled, or cut short for want of memory, that would
    // replace a file is given up, so neither costs the older file; one with
    // nothing to replace keeps the pages scanned before.
    const int error = session_.lastErrorCode();
    const bool cutShort = error == kScannerErrorCancelled || error == kScannerErrorNoMemory;
    if (givingUp_ || DocumentGate::closed() || (cutShort && session_.replacesAFile())) {
        // Nothing of it is kept: a file already at the path stays as it was.
        session_.Discard();
        Fail(kScannerErrorCancelled, QStringLiteral("the document was given up"));
        return Log("TWAIN_EndMultipageFile given up", 1);
    }
    // Pages may still be on their way into the file (their text being read):
    // a cancel then keeps them without their text, or, where the document
    // would replace a file, gives it up.
    int result = 1;
    LibraryStep ending([&] { result = session_.EndDocument(); },
                       [this] { session_.replacesAFile() ? session_.GiveUp() : session_.SkipText(); },
                       [this] { return session_.EndingCaption(); }, &session_);
    dialogs_.RunStep(QCoreApplication::translate("SaneLibrary", "Saving the document..."), ending);
    if (ending.cancelled()) Fail(kScannerErrorCancelled, QStringLiteral("while the document was saved"));
    LogPageNotes();
    return Log("TWAIN_EndMultipageFile", result);
}

// Starts the device's next page as a step the user sees and can cancel: a
// scanner that stops answering must not hold the scan for good. SANE allows
// the cancel from another thread while sane_start waits.
int SaneLibrary::StartPage(int pageNumber) {
    const std::shared_ptr<SaneDevice> device = device_;
    DeviceWatch watch(*device, silenceLimit_, nullptr);
    const SilenceNotice silence(silenceLimit_);
    DeviceCall call(IsNetworkScanner(openDevice_));
    auto status = std::make_shared<std::atomic<int>>(SANE_STATUS_GOOD);
    bool ended = true;
    LibraryStep starting(
        [&] {
            watch.Begin();
            call.Run([device, status] { *status = device->Start(); });
            ended = call.Wait();
            watch.Ended();
        },
        [&] {
            watch.Arm();
            call.LeaveAfter(kLeaveAfterCancel);
        },
        [&silence] { return silence.Text(0); }, &session_);
    dialogs_.RunStep(QCoreApplication::translate("SaneLibrary", "Waiting for page %1...").arg(pageNumber), starting);
    if (!ended) {
        // The device did not let go: it does so behind, and is no longer the job's.
        AbandonDevice();
        return SANE_STATUS_CANCELLED;
    }
    if (watch.silent()) {
        Fail(kScannerErrorNoAnswer, QStringLiteral("sane_start sent nothing"));
        return SANE_STATUS_CANCELLED;
    }
    if (!starting.cancelled()) return *status;
    if (*status == SANE_STATUS_GOOD) EndStartedPage(false);  // started all the same: ended as a started page is
    return SANE_STATUS_CANCELLED;
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

int SaneLibrary::TWAIN_LastErrorCode() { return session_.lastErrorCode(); }

QString SaneLibrary::TWAIN_LastErrorTextVB() { return session_.lastErrorText(); }

QString SaneLibrary::TWAIN_LastCompletedFile() { return session_.lastCompletedFile(); }

QString SaneLibrary::TWAIN_LastCompletedFileNote() { return session_.lastCompletedNote(); }

QList<ScannerChoice> SaneLibrary::Devices() {
    if (!EnsureInitialised()) return {};
    RefreshDevices();
    return devices_;
}

bool SaneLibrary::SetDeviceOption(const QString& name, const QString& value) {
    const bool done = options_ && options_->SetFromText(name.toUtf8().constData(), value);
    Log(QStringLiteral("option %1=%2").arg(name, value), done ? 1 : 0);
    return done;
}

}  // namespace quillon
