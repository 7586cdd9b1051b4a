// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScanProgress.h"

#include "scan/BeginStep.h"
#include "ui/OnWindowThread.h"
#include "ui/ProgressWindow.h"

#include <QGuiApplication>

namespace quillon {

namespace {
constexpr int kRefreshMs = 100;
constexpr int kStepShownAfterMs = 400;
}  // namespace

ScanProgress::ScanProgress(QWidget* owner) : owner_(owner) {
    refresh_.setInterval(kRefreshMs);
    connect(&refresh_, &QTimer::timeout, this, &ScanProgress::Refresh);
    showLater_.setSingleShot(true);
    showLater_.setInterval(kStepShownAfterMs);
    connect(&showLater_, &QTimer::timeout, this, [this] {
        bool underWay = false;
        {
            const std::lock_guard lock(mutex_);
            underWay = task_ != nullptr;
        }
        if (underWay) Show();
    });
}

ScanProgress::~ScanProgress() {
    SetBusyCursor(false);
    delete dialog_;
}

void ScanProgress::Begin(const QString& caption, ScanStep* task, bool page) {
    {
        const std::lock_guard lock(mutex_);
        caption_ = caption;
        // Cancel was pressed between two steps: the step is not shown.
        if (BeginStep(task_, *task, cancelAsked_ || cancelAll_)) return;
    }
    PostToWindowThread(this, [this, page] { StepBegun(page); });
}

void ScanProgress::End() {
    {
        const std::lock_guard lock(mutex_);
        task_ = nullptr;
    }
    PostToWindowThread(this, [this] { StepEnded(); });
}

void ScanProgress::StepBegun(bool page) {
    // Busy at once, before the dialog appears: the window is waiting for something.
    SetBusyCursor(true);
    if (visible() || page) Show();
    else if (!showLater_.isActive()) showLater_.start();
}

void ScanProgress::StepEnded() {
    bool underWay = false;
    {
        const std::lock_guard lock(mutex_);
        underWay = task_ != nullptr;
    }
    if (!underWay) SetBusyCursor(false);
}

void ScanProgress::SetBusyCursor(bool busy) {
    if (busy == busyCursor_) return;
    busyCursor_ = busy;
    if (busy) QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else QGuiApplication::restoreOverrideCursor();
}

void ScanProgress::Hide() {
    SetBusyCursor(false);
    showLater_.stop();
    refresh_.stop();
    {
        const std::lock_guard lock(mutex_);
        cancelAsked_ = false;
    }
    // The next step, or the next scan, gets a fresh dialog: a cancelled one remembers it.
    if (dialog_) {
        dialog_->hide();
        dialog_->deleteLater();
        dialog_ = nullptr;  // a step that begins before it is gone gets its own
    }
}

void ScanProgress::CancelAll() {
    const std::lock_guard lock(mutex_);
    cancelAll_ = true;
    if (task_) task_->Cancel();
}

bool ScanProgress::visible() const { return dialog_ && dialog_->isVisible(); }

void ScanProgress::Show() {
    if (!dialog_) {
        dialog_ = new ProgressWindow(owner_);
        // Not modal: a modal dialog keeps the window's close box from
        // working, and closing the window must end the program at once.
        // SCAN does nothing while a scan runs, and the options were read
        // when it began.
        dialog_->setWindowModality(Qt::NonModal);
        connect(dialog_, &ProgressWindow::canceled, this, &ScanProgress::OnCancel);
    }
    dialog_->show();
    refresh_.start();
    Refresh();
}

void ScanProgress::OnCancel() {
    {
        const std::lock_guard lock(mutex_);
        cancelAsked_ = true;
        if (task_) task_->Cancel();
    }
    // The dialog stays until the scan has ended, which it does at once
    // (a backend still letting go of its scanner does so behind).
    if (dialog_) dialog_->SetCaption(tr("Stopping the scanner..."));
}

void ScanProgress::Refresh() {
    QString label;
    double fraction = -1;
    DocumentSoFar soFar;
    {
        const std::lock_guard lock(mutex_);
        if (!dialog_ || cancelAsked_) return;
        const QString detail = task_ ? task_->Caption() : QString();
        label = detail.isEmpty() ? caption_ : detail;
        fraction = task_ ? task_->Progress() : -1;
        if (task_) soFar = task_->SoFar();
    }
    dialog_->SetCaption(label);
    dialog_->SetProgress(fraction);
    if (!soFar.lastPage.isNull() || soFar.pagesKept > 0) dialog_->SetSoFar(soFar);
}

}  // namespace quillon
