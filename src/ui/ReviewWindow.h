// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/PageReview.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace quillon {

// The pages of a batch before they are saved, as pictures in the order they
// will be: the user turns, deletes, keeps and moves them, looks closer at
// one, scans more, and saves them or gives them up. The review is edited in
// place; the window's answer says how the user ended it.
class ReviewWindow : public QDialog {
    Q_OBJECT

public:
    ReviewWindow(PageReview& review, QWidget* owner);

    // Shows the window until the user ends the review. A window closed by
    // the program (it is ending) is a cancel, asked of no one.
    ReviewEnd Run();

    // The rows selected, in order.
    std::vector<int> SelectedRows() const;

    void TurnLeft();
    void TurnRight();
    void DeleteSelected();
    void KeepSelected();
    void MoveEarlier();
    void MoveLater();
    // Pages dropped before a row (the end: rows()).
    void MoveSelectedBefore(int row);
    void ShowLarger();
    void Save();
    void ScanMore();
    // Asks before the scanned pages are given up.
    void reject() override;

private:
    void Refresh(const std::vector<int>& selected);
    void Finish(ReviewEnd end);

    PageReview& review_;
    QListWidget* list_;
    QLabel* summary_;
    QPushButton* keep_;
    QPushButton* save_;
    ReviewEnd end_ = ReviewEnd::Cancel;
};

}  // namespace quillon
