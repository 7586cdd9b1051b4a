// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ReviewWindow.h"

#include "ui/OnWindowThread.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTransform>

#include <algorithm>
#include <set>

namespace quillon {

namespace {

constexpr QSize kThumbnailBox(150, 200);

QPixmap Turned(const QImage& picture, int quarterTurns) {
    return QPixmap::fromImage(quarterTurns == 0 ? picture : picture.transformed(QTransform().rotate(90 * quarterTurns)));
}

// A page's picture as the list shows it: turned as the user turned it, a
// page the blank test left out faded, a separator sheet crossed out.
QPixmap PictureOf(const PageReview& review, int row) {
    const ReviewedPage& page = review.page(row);
    const QPixmap turned = Turned(review.held(row).thumbnail, page.quarterTurns);
    QPixmap picture(kThumbnailBox);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QPixmap fitted = turned.isNull() ? turned : turned.scaled(kThumbnailBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPoint at((kThumbnailBox.width() - fitted.width()) / 2, (kThumbnailBox.height() - fitted.height()) / 2);
    painter.setOpacity(page.saved() || page.kind == HeldPageKind::Separator ? 1.0 : 0.35);
    painter.drawPixmap(at, fitted);
    painter.setOpacity(1.0);
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawRect(QRect(at, fitted.size()).adjusted(0, 0, -1, -1));
    if (page.kind == HeldPageKind::Separator) {
        painter.setPen(QPen(QColor(200, 40, 40), 3));
        painter.drawLine(QRect(at, fitted.size()).topLeft(), QRect(at, fitted.size()).bottomRight());
        painter.drawLine(QRect(at, fitted.size()).topRight(), QRect(at, fitted.size()).bottomLeft());
    }
    return picture;
}

// Pages dragged within the list are moved by the review, which keeps the order.
class PageList : public QListWidget {
public:
    explicit PageList(ReviewWindow& window) : QListWidget(&window), window_(window) {}

protected:
    void dropEvent(QDropEvent* event) override {
        if (event->source() != this) return event->ignore();
        const QListWidgetItem* target = itemAt(event->position().toPoint());
        const int before = target ? row(target) + (event->position().x() > visualItemRect(target).center().x() ? 1 : 0) : count();
        event->setDropAction(Qt::IgnoreAction);  // the list is rebuilt from the review, not moved by the view
        event->accept();
        window_.MoveSelectedBefore(before);
    }

private:
    ReviewWindow& window_;
};

}  // namespace

ReviewWindow::ReviewWindow(PageReview& review, QWidget* owner) : QDialog(owner), review_(review) {
    setWindowTitle(tr("Review Pages"));
    setObjectName(QStringLiteral("ReviewPages"));
    setModal(true);
    resize(960, 640);

    list_ = new PageList(*this);
    list_->setObjectName(QStringLiteral("ReviewPageList"));
    list_->setAccessibleName(tr("Scanned pages"));
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(kThumbnailBox);
    list_->setGridSize(kThumbnailBox + QSize(24, 48));
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Snap);
    list_->setWordWrap(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setDragDropMode(QAbstractItemView::InternalMove);
    list_->setDefaultDropAction(Qt::MoveAction);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { ShowLarger(); });
    connect(list_, &QListWidget::itemActivated, this, [this] { ShowLarger(); });
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const std::vector<int> rows = SelectedRows();
        keep_->setEnabled(std::any_of(rows.begin(), rows.end(), [&](int row) { return !review_.page(row).saved() && review_.page(row).kind == HeldPageKind::LeftOutBlank; }));
    });

    const auto button = [this](const QString& caption, const QString& name, void (ReviewWindow::*act)()) {
        auto* made = new QPushButton(caption, this);
        made->setObjectName(name);
        made->setAutoDefault(false);
        connect(made, &QPushButton::clicked, this, act);
        return made;
    };
    auto* tools = new QHBoxLayout;
    tools->addWidget(button(tr("Rotate Left"), QStringLiteral("RotateLeft"), &ReviewWindow::TurnLeft));
    tools->addWidget(button(tr("Rotate Right"), QStringLiteral("RotateRight"), &ReviewWindow::TurnRight));
    tools->addWidget(button(tr("Delete"), QStringLiteral("Delete"), &ReviewWindow::DeleteSelected));
    keep_ = button(tr("Keep"), QStringLiteral("Keep"), &ReviewWindow::KeepSelected);
    keep_->setToolTip(tr("Saves a page the blank test left out after all."));
    tools->addWidget(keep_);
    tools->addWidget(button(tr("Move Earlier"), QStringLiteral("MoveEarlier"), &ReviewWindow::MoveEarlier));
    tools->addWidget(button(tr("Move Later"), QStringLiteral("MoveLater"), &ReviewWindow::MoveLater));
    tools->addStretch();

    summary_ = new QLabel(this);
    auto* ending = new QHBoxLayout;
    ending->addWidget(summary_, 1);
    ending->addWidget(button(tr("Scan More"), QStringLiteral("ScanMore"), &ReviewWindow::ScanMore));
    save_ = button(tr("Save"), QStringLiteral("Save"), &ReviewWindow::Save);
    ending->addWidget(save_);
    ending->addWidget(button(tr("Cancel"), QStringLiteral("Cancel"), &ReviewWindow::reject));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(list_, 1);
    layout->addLayout(ending);

    const auto shortcut = [this](const QKeySequence& keys, void (ReviewWindow::*act)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, act);
    };
    shortcut(QKeySequence::Delete, &ReviewWindow::DeleteSelected);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Left), &ReviewWindow::MoveEarlier);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Right), &ReviewWindow::MoveLater);
    shortcut(QKeySequence(Qt::Key_BracketLeft), &ReviewWindow::TurnLeft);
    shortcut(QKeySequence(Qt::Key_BracketRight), &ReviewWindow::TurnRight);
    shortcut(QKeySequence::Save, &ReviewWindow::Save);

    Refresh({0});
    list_->setFocus();
}

ReviewEnd ReviewWindow::Run() {
    end_ = ReviewEnd::Cancel;
    exec();
    return end_;
}

std::vector<int> ReviewWindow::SelectedRows() const {
    std::set<int> rows;
    for (const QListWidgetItem* item : list_->selectedItems()) rows.insert(list_->row(item));
    return {rows.begin(), rows.end()};
}

// The list is made again from the review after every change: the review
// holds the order, the list only shows it.
void ReviewWindow::Refresh(const std::vector<int>& selected) {
    list_->clear();
    for (int row = 0; row < review_.rows(); ++row) {
        auto* item = new QListWidgetItem(QIcon(PictureOf(review_, row)), review_.Label(row), list_);
        item->setData(Qt::AccessibleTextRole, review_.Label(row));
        item->setFlags(item->flags() | Qt::ItemIsDragEnabled);
    }
    const int rows = review_.rows();
    for (const int row : selected)
        if (row >= 0 && row < rows) list_->item(row)->setSelected(true);
    if (rows > 0) {
        const int current = selected.empty() ? 0 : std::clamp(selected.front(), 0, rows - 1);
        list_->setCurrentRow(current, QItemSelectionModel::Current);
        if (list_->selectedItems().isEmpty()) list_->item(current)->setSelected(true);
        list_->scrollToItem(list_->item(current));
    }
    const int toSave = review_.pagesToSave();
    summary_->setText(toSave == 1 ? tr("1 page will be saved.") : tr("%n pages will be saved.", nullptr, toSave));
    save_->setEnabled(toSave > 0);
}

void ReviewWindow::TurnLeft() {
    const std::vector<int> rows = SelectedRows();
    review_.Turn(rows, -1);
    Refresh(rows);
}

void ReviewWindow::TurnRight() {
    const std::vector<int> rows = SelectedRows();
    review_.Turn(rows, 1);
    Refresh(rows);
}

void ReviewWindow::DeleteSelected() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    review_.Delete(rows);
    Refresh({rows.front()});  // the page after them, where they were
}

void ReviewWindow::KeepSelected() {
    const std::vector<int> rows = SelectedRows();
    review_.Keep(rows);
    Refresh(rows);
}

void ReviewWindow::MoveEarlier() { Refresh(review_.MoveEarlier(SelectedRows())); }

void ReviewWindow::MoveLater() { Refresh(review_.MoveLater(SelectedRows())); }

void ReviewWindow::MoveSelectedBefore(int row) { Refresh(review_.MoveTo(SelectedRows(), row)); }

void ReviewWindow::ShowLarger() {
    const int row = list_->currentRow();
    if (row < 0) return;
    QDialog view(this);
    view.setWindowTitle(review_.Label(row));
    auto* picture = new QLabel(&view);
    picture->setAccessibleName(review_.Label(row));
    picture->setPixmap(Turned(QImage::fromData(review_.held(row).view, "JPEG"), review_.page(row).quarterTurns));
    auto* scroll = new QScrollArea(&view);
    scroll->setWidget(picture);
    scroll->setAlignment(Qt::AlignCenter);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, &view);
    connect(close, &QDialogButtonBox::rejected, &view, &QDialog::reject);
    auto* layout = new QVBoxLayout(&view);
    layout->addWidget(scroll, 1);
    layout->addWidget(close);
    view.resize(900, 1000);
    view.exec();
}

void ReviewWindow::Save() {
    if (review_.pagesToSave() > 0) Finish(ReviewEnd::Save);
}

void ReviewWindow::ScanMore() { Finish(ReviewEnd::ScanMore); }

void ReviewWindow::Finish(ReviewEnd end) {
    end_ = end;
    QDialog::accept();
}

void ReviewWindow::reject() {
    // The program is ending (its window has closed): no one is asked.
    if (WindowClosed(parentWidget())) {
        end_ = ReviewEnd::Cancel;
        return QDialog::reject();
    }
    const int pages = review_.rows();
    const QString question = pages == 1 ? tr("Discard the 1 scanned page?") : tr("Discard the %n scanned pages?", nullptr, pages);
    if (QMessageBox::question(this, tr("Review Pages"), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    end_ = ReviewEnd::Cancel;
    QDialog::reject();
}

}  // namespace quillon
