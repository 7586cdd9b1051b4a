// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BackgroundScan.h"

#include "scan/PageReview.h"
#include "scan/RunScan.h"
#include "scan/ScannerLibrary.h"
#include "support/UserInterface.h"
#include "ui/Main.h"
#include "ui/OnWindowThread.h"
#include "ui/ReviewWindow.h"

#include "settings/SettingsCatalogue.h"

#include <QEventLoop>
#include <QTimer>

#include <array>
#include <memory>

namespace quillon {

namespace {

// The option controls as they were when SCAN was pressed, read once on the
// window's thread: the job never reaches into the widgets. Only the status
// line is written, on the window's thread.
class OptionsAtStart : public OptionControls {
public:
    explicit OptionsAtStart(Main& window) : window_(window) {
        for (const OptionSpec& option : AllOptions()) {
            Value& value = values_[static_cast<std::size_t>(option.id)];
            if (option.kind == OptionKind::Check) {
                value.state = window.CheckState(option.id);
            } else {
                value.index = window.SelectedIndex(option.id);
                value.text = window.EditText(option.id);
            }
        }
    }
    int CheckState(OptionId id) const override { return values_[static_cast<std::size_t>(id)].state; }
    int SelectedIndex(OptionId id) const override { return values_[static_cast<std::size_t>(id)].index; }
    QString EditText(OptionId id) const override { return values_[static_cast<std::size_t>(id)].text; }
    void SetStatusText(const QString& text) override {
        OnWindowThread(&window_, [&] { window_.SetStatusText(text); });
    }

private:
    struct Value {
        int state = 0;
        int index = -1;
        QString text;
    };
    Main& window_;
    std::array<Value, kOptionCount> values_{};
};

// The user interface on the window's thread, with the scan's progress out of
// the way of every box and dialog. Once the window has closed, nothing more
// is shown: boxes are answered as by a user who has gone.
class WindowUserInterface : public UserInterface, public PageReviewer {
public:
    WindowUserInterface(Main& window, UserInterface& ui, ScanProgress& progress, const std::atomic<bool>& closing)
        : window_(window), ui_(ui), progress_(progress), closing_(closing) {}

    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override {
        if (closing_) return buttons == MessageButtons::Ok      ? MessageAnswer::Ok
                             : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                                : MessageAnswer::Cancel;
        return OnWindowThread(&window_, [&] {
            progress_.Hide();
            return ui_.ShowMessage(text, title, icon, buttons);
        });
    }
    FileDialogResult RunFileDialog(const FileDialogRequest& request) override {
        if (closing_) return {};
        return OnWindowThread(&window_, [&] {
            progress_.Hide();
            return ui_.RunFileDialog(request);
        });
    }
    // The review is the window's while it is shown: the job waits for it.
    ReviewEnd Review(PageReview& review) override {
        if (closing_) return ReviewEnd::Cancel;
        return OnWindowThread(&window_, [&] {
            progress_.Hide();
            return ReviewWindow(review, &window_).Run();
        });
    }
    void OpenWebAddress(const QString& address) override {
        OnWindowThread(&window_, [&] { ui_.OpenWebAddress(address); });
    }
    QString DesktopFolder() override {
        return OnWindowThread(&window_, [&] { return ui_.DesktopFolder(); });
    }

private:
    Main& window_;
    UserInterface& ui_;
    ScanProgress& progress_;
    const std::atomic<bool>& closing_;
};

}  // namespace

BackgroundScan::BackgroundScan(Main& window, ScannerLibrary& library, const RegistryStore& store, UserInterface& ui)
    : window_(window),
      library_(library),
      jobBackend_(store.backend(), &window),
      jobStore_(jobBackend_),
      ui_(ui),
      progress_(&window) {}

BackgroundScan::~BackgroundScan() {
    // A job that would not end was left to the process's end: it is not joined.
    if (!Close(std::chrono::seconds(2)) && thread_.joinable()) thread_.detach();
}

bool BackgroundScan::Start() {
    if (running_) return false;
    if (thread_.joinable()) thread_.join();  // the last job has ended already
    running_ = true;
    auto controls = std::make_shared<OptionsAtStart>(window_);
    thread_ = std::thread([this, controls] {
        WindowUserInterface ui(window_, ui_, progress_, closing_);
        // The scanners are looked for while the user chooses where to save.
        library_.SearchAhead();
        const ScanOutcome outcome = RunScan(*controls, library_, jobStore_, ui, &ui);
        library_.JobEnded();
        PostToWindowThread(this, [this, outcome] { Finished(outcome); });
    });
    return true;
}

void BackgroundScan::Finished(const ScanOutcome& outcome) {
    progress_.Hide();
    running_ = false;
    if (thread_.joinable()) thread_.join();
    if (onOutcome_ && !closing_) onOutcome_(outcome);
}

bool BackgroundScan::Close(std::chrono::milliseconds wait) {
    closing_ = true;
    if (running_) {
        progress_.CancelAll();
        // The job may be waiting for this thread: it is served until it ends,
        // or the time is up (a timer wakes the wait then).
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        if (wait != std::chrono::milliseconds::max()) deadline.start(wait);
        while (running_ && (wait == std::chrono::milliseconds::max() || deadline.isActive()))
            loop.processEvents(QEventLoop::WaitForMoreEvents);
        if (running_) return false;
    }
    if (thread_.joinable()) thread_.join();
    return true;
}

}  // namespace quillon
