// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScanProgress.h"

#include "scan/ScannerDialogs.h"

#include <QProgressDialog>

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
        if (task_) Show();
    });
}

ScanProgress::~ScanProgress() { delete dialog_; }

void ScanProgress::Begin(const QString& caption, TransferTask* task, bool page) {
    task_ = task;
    caption_ = caption;
    if (cancelAsked_ || cancelAll_) {
        // Cancel was pressed between two steps: it is meant for this one.
        task_->Cancel();
        return;
    }
    if (visible() || page) Show();
    else showLater_.start();
    Refresh();
}

void ScanProgress::End() { task_ = nullptr; }

void ScanProgress::Hide() {
    showLater_.stop();
    refresh_.stop();
    cancelAsked_ = false;
    // The next step, or the next scan, gets a fresh dialog: a cancelled one remembers it.
    if (dialog_) {
        dialog_->hide();
        dialog_->deleteLater();
        dialog_ = nullptr;  // a step that begins before it is gone gets its own
    }
}

void ScanProgress::CancelAll() {
    cancelAll_ = true;
    if (task_) task_->Cancel();
}

bool ScanProgress::visible() const { return dialog_ && dialog_->isVisible(); }

void ScanProgress::Show() {
    if (!dialog_) {
        dialog_ = new QProgressDialog(owner_);
        dialog_->setWindowTitle(QStringLiteral("Quillon"));
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setMinimumDuration(0);
        dialog_->setCancelButtonText(QStringLiteral("Cancel"));
        // Closing the dialog is a cancel too.
        connect(dialog_, &QProgressDialog::canceled, this, &ScanProgress::OnCancel);
    }
    dialog_->setRange(0, 100);
    dialog_->setValue(0);
    dialog_->show();
    Refresh();
    refresh_.start();
}

void ScanProgress::OnCancel() {
    cancelAsked_ = true;
    if (dialog_) {
        dialog_->setLabelText(QStringLiteral("Cancelling..."));
        dialog_->show();  // a cancel hides the dialog; it stays until the scan has ended
    }
    if (task_) task_->Cancel();
}

void ScanProgress::Refresh() {
    if (!dialog_ || cancelAsked_) return;
    const QString detail = task_ ? task_->Caption() : QString();
    dialog_->setLabelText(detail.isEmpty() ? caption_ : detail);
    const double fraction = task_ ? task_->Progress() : -1;
    if (fraction < 0) {
        dialog_->setRange(0, 0);  // a busy bar while the size is unknown
    } else {
        dialog_->setRange(0, 100);
        dialog_->setValue(static_cast<int>(fraction * 100));
    }
}

}  // namespace quillon
