// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quillon {

struct DocumentSoFar;

// The scan's progress dialog: what is under way, a bar (busy while the size
// of the work is not known), Cancel, and beside them the document so far: a
// small picture of the last page that came in and how many pages were kept
// and left out as blank. Closing it, or Escape, is a cancel; it stays until
// the scan hides it.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* owner);

    void SetCaption(const QString& caption);
    QString caption() const;
    // 0..1, or below 0 while the size of the work is not known.
    void SetProgress(double fraction);
    void SetSoFar(const DocumentSoFar& soFar);
    QString tally() const;
    bool showsPicture() const;

signals:
    void canceled();

protected:
    void reject() override { emit canceled(); }

private:
    QLabel* caption_;
    QLabel* tally_;
    QLabel* picture_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    qint64 pictureKey_ = 0;  // the picture shown, so an unchanged one is not drawn again
};

// "7 pages, 2 blank pages left out"; empty before the first page.
QString TallyText(int pagesKept, int blankPagesLeftOut);

}  // namespace quillon
