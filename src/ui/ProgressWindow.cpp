// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgressWindow.h"

#include "scan/ScannerDialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

namespace {
const QSize kPictureBox(96, 124);
}  // namespace

QString TallyText(int pagesKept, int blankPagesLeftOut) {
    if (pagesKept <= 0 && blankPagesLeftOut <= 0) return {};
    QString text = pagesKept == 1 ? ProgressWindow::tr("1 page") : ProgressWindow::tr("%n pages", nullptr, pagesKept);
    if (blankPagesLeftOut == 1) text += ProgressWindow::tr(", 1 blank page left out");
    if (blankPagesLeftOut > 1) text += ProgressWindow::tr(", %n blank pages left out", nullptr, blankPagesLeftOut);
    return text;
}

ProgressWindow::ProgressWindow(QWidget* owner)
    : QDialog(owner), caption_(new QLabel(this)), tally_(new QLabel(this)), picture_(new QLabel(this)),
      bar_(new QProgressBar(this)), cancel_(new QPushButton(tr("Cancel"), this)) {
    setWindowTitle(QStringLiteral("Quillon"));
    setAccessibleName(tr("Scan progress"));
    picture_->setFixedSize(kPictureBox);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setAccessibleName(tr("The last page scanned"));
    picture_->hide();
    caption_->setMinimumWidth(260);
    tally_->hide();
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setAccessibleName(tr("Progress"));

    auto* side = new QVBoxLayout;
    side->addWidget(caption_);
    side->addWidget(tally_);
    side->addWidget(bar_);
    side->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture_, 0, Qt::AlignTop);
    layout->addLayout(side, 1);
    connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::canceled);
}

void ProgressWindow::SetCaption(const QString& caption) {
    if (caption_->text() != caption) caption_->setText(caption);
}

QString ProgressWindow::caption() const { return caption_->text(); }

// Only what changed is set: every change repaints, which costs the scan's cores.
void ProgressWindow::SetProgress(double fraction) {
    const int maximum = fraction < 0 ? 0 : 100;  // a busy bar while the size is unknown
    if (bar_->maximum() != maximum) bar_->setRange(0, maximum);
    const int value = fraction < 0 ? 0 : static_cast<int>(fraction * 100);
    if (maximum > 0 && bar_->value() != value) bar_->setValue(value);
}

void ProgressWindow::SetSoFar(const DocumentSoFar& soFar) {
    const QString tally = TallyText(soFar.pagesKept, soFar.blankPagesLeftOut);
    if (tally_->text() != tally) tally_->setText(tally);
    tally_->setVisible(!tally.isEmpty());
    if (soFar.lastPage.isNull() || soFar.lastPage.cacheKey() == pictureKey_) return;
    pictureKey_ = soFar.lastPage.cacheKey();
    picture_->setPixmap(QPixmap::fromImage(soFar.lastPage));
    picture_->show();
}

QString ProgressWindow::tally() const { return tally_->text(); }

bool ProgressWindow::showsPicture() const { return picture_->isVisible() && !picture_->pixmap().isNull(); }

}  // namespace quillon
