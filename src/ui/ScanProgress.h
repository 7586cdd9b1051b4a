// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QProgressDialog;
class QWidget;

namespace quillon {

class TransferTask;

// The progress of a scan that runs beside the window: one dialog from the
// first step to the end of the job, its caption and bar following the step
// under way, its Cancel reaching that step (or, between steps, the next one).
// Lives on the window's thread; every member is called there.
class ScanProgress : public QObject {
    Q_OBJECT
public:
    explicit ScanProgress(QWidget* owner);
    ~ScanProgress() override;

    // A step starts: shown at once when it is a page's transfer, else only
    // once it has lasted a moment, so quick steps do not flash.
    void Begin(const QString& caption, TransferTask* task, bool page);
    // The step has ended; no cancel reaches it any more.
    void End();
    // Out of the way of a question or message, or at the end of the job; a
    // cancel asked between steps is forgotten.
    void Hide();
    bool visible() const;
    // Cancels the step under way and every one after it, from now on.
    void CancelAll();

private:
    void Refresh();
    void Show();
    void OnCancel();

    QWidget* owner_;
    QPointer<QProgressDialog> dialog_;
    QTimer refresh_;
    QTimer showLater_;
    TransferTask* task_ = nullptr;
    QString caption_;
    bool cancelAsked_ = false;
    bool cancelAll_ = false;
};

}  // namespace quillon
