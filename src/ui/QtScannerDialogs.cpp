// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtScannerDialogs.h"

#include "ui/OnWindowThread.h"
#include "ui/ScanProgress.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <thread>

namespace quillon {

int QtScannerDialogs::ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) {
    return OnWindowThread(owner_, [&] { return ChooseOnWindowThread(scanners, preselected); });
}

int QtScannerDialogs::ChooseOnWindowThread(const QList<ScannerChoice>& scanners, int preselected) {
    if (progress_) progress_->Hide();
    if (scanners.isEmpty()) {
        QMessageBox::information(owner_, QStringLiteral("Select Scanner"),
                                 QStringLiteral("No scanner was found. Check that it is connected and switched on, "
                                                "then press SCAN again."));
        return -1;
    }
    QDialog dialog(owner_);
    dialog.setWindowTitle(QStringLiteral("Select Scanner"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Scan with:"), &dialog));
    auto* list = new QListWidget(&dialog);
    for (const ScannerChoice& scanner : scanners)
        list->addItem(scanner.label + QStringLiteral("   (") + scanner.deviceName + QStringLiteral(")"));
    list->setCurrentRow(preselected >= 0 ? preselected : 0);
    list->setMinimumWidth(360);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Select"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    return dialog.exec() == QDialog::Accepted ? list->currentRow() : -1;
}

void QtScannerDialogs::RunTransfer(int pageNumber, TransferTask& task) {
    Run(QStringLiteral("Scanning page %1...").arg(pageNumber), task, true);
}

void QtScannerDialogs::RunStep(const QString& caption, TransferTask& task) { Run(caption, task, false); }

void QtScannerDialogs::Run(const QString& caption, TransferTask& task, bool page) {
    if (!progress_ || !owner_ || QThread::currentThread() == owner_->thread()) {
        // Only a page is worth a dialog of its own; other steps run as they are.
        if (page) RunUnderOwnDialog(caption, task);
        else task.Run();
        return;
    }
    // The window follows the step on its own; the scan does not wait for it.
    progress_->Begin(caption, &task, page);
    task.Run();
    progress_->End();
}

void QtScannerDialogs::RunUnderOwnDialog(const QString& caption, TransferTask& task) {
    QProgressDialog progress(caption, QStringLiteral("Cancel"), 0, 100, owner_);
    progress.setWindowTitle(QStringLiteral("Quillon"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);

    QEventLoop loop;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        task.Run();
        done = true;
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    // The page keeps coming until the worker returns, even after Cancel.
    QObject::connect(&progress, &QProgressDialog::canceled, [&] {
        progress.setLabelText(QStringLiteral("Cancelling..."));
        task.Cancel();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const double fraction = task.Progress();
        if (fraction < 0) {
            progress.setMaximum(0);  // a busy bar while the size is unknown
        } else {
            progress.setMaximum(100);
            progress.setValue(static_cast<int>(fraction * 100));
        }
    });
    poll.start(100);
    if (!done) loop.exec();
    worker.join();
}

}  // namespace quillon
