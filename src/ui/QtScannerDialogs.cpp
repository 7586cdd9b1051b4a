// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtScannerDialogs.h"

#include "ui/OnWindowThread.h"
#include "ui/ScanProgress.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SelectScanner)
};

}  // namespace

int QtScannerDialogs::ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) {
    return OnWindowThread(owner_, [&] { return ChooseOnWindowThread(scanners, preselected); });
}

int QtScannerDialogs::ChooseOnWindowThread(const QList<ScannerChoice>& scanners, int preselected) {
    if (WindowClosed(owner_)) return -1;  // the program is ending: no dialog opens after the close
    if (progress_) progress_->Hide();
    if (scanners.isEmpty()) {
        QMessageBox::information(owner_, Text::tr("Select Scanner"),
                                 Text::tr("No scanner was found. Check that it is connected and switched on, "
                                          "then press SCAN again."));
        return -1;
    }
    QDialog dialog(owner_);
    dialog.setWindowTitle(Text::tr("Select Scanner"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(Text::tr("Scan with:"), &dialog);
    layout->addWidget(label);
    auto* list = new QListWidget(&dialog);
    label->setBuddy(list);
    list->setAccessibleName(Text::tr("Scanners"));
    int widest = 0;
    for (const ScannerChoice& scanner : scanners) {
        list->addItem(scanner.label + QStringLiteral("   (") + scanner.deviceName + QStringLiteral(")"));
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(list->count() - 1)->text()));
    }
    list->setCurrentRow(preselected >= 0 ? preselected : 0);
    // Every name shows whole: a network scanner's is long.
    const int chrome = 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24;
    list->setMinimumWidth(std::max(360, widest + chrome));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(Text::tr("Select"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    return dialog.exec() == QDialog::Accepted ? list->currentRow() : -1;
}

void QtScannerDialogs::RunTransfer(int pageNumber, ScanStep& task) {
    Run(Text::tr("Scanning page %1...").arg(pageNumber), task, true);
}

void QtScannerDialogs::RunStep(const QString& caption, ScanStep& task) { Run(caption, task, false); }

// The step runs on the calling thread, the scan's; the window follows it on
// its own, and the scan does not wait for it.
void QtScannerDialogs::Run(const QString& caption, ScanStep& task, bool page) {
    if (progress_) progress_->Begin(caption, &task, page);
    task.Run();
    if (progress_) progress_->End();
}

}  // namespace quillon
