// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <mutex>

class QWidget;

namespace quillon {

class ProgressWindow;
class ScanStep;

// The progress of a scan that runs beside the window: one dialog from the
// first step to the end of the job, its caption and bar following the step
// under way, its Cancel reaching that step (or, between steps, the next one).
// The dialog lives on the window's thread. A step begins and ends from the
// scan's thread without waiting for the window: the step under way is kept
// under a lock that Cancel takes too, so no cancel reaches a step once it
// has ended.
class ScanProgress : public QObject {
    Q_OBJECT
public:
    explicit ScanProgress(QWidget* owner);
    ~ScanProgress() override;

    // From any thread. A step starts: shown at once when it is a page's
    // transfer, else only once it has lasted a moment, so quick steps do not flash.
    void Begin(const QString& caption, ScanStep* task, bool page);
    // From any thread. The step has ended; no cancel reaches it any more.
    void End();

    // On the window's thread. Out of the way of a question or message, or at
    // the end of the job; a cancel asked between steps is forgotten.
    void Hide();
    bool visible() const;
    // Cancels the step under way and every one after it, from now on.
    void CancelAll();

private:
    void StepBegun(bool page);
    void StepEnded();
    void SetBusyCursor(bool busy);
    void Refresh();
    void Show();
    void OnCancel();

    QWidget* owner_;
    QPointer<ProgressWindow> dialog_;
    QTimer refresh_;
    QTimer showLater_;
    bool busyCursor_ = false;  // on the window's thread: shown while a step runs

    std::mutex mutex_;  // guards the step and the cancels asked
    ScanStep* task_ = nullptr;
    QString caption_;
    bool cancelAsked_ = false;
    bool cancelAll_ = false;
};

}  // namespace quillon
