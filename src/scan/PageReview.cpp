// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/PageReview.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>

namespace quillon {

namespace {

std::vector<int> Sorted(const std::vector<int>& rows, int count) {
    std::set<int> unique;
    for (const int row : rows)
        if (row >= 0 && row < count) unique.insert(row);
    return {unique.begin(), unique.end()};
}

}  // namespace

PageReview::PageReview(std::vector<HeldPage> held) { Add(std::move(held)); }

void PageReview::Add(std::vector<HeldPage> held) {
    const int known = static_cast<int>(held_.size());
    held_ = std::move(held);
    for (int place = known; place < static_cast<int>(held_.size()); ++place)
        pages_.push_back({place, held_[static_cast<std::size_t>(place)].kind});
}

int PageReview::pagesToSave() const {
    return static_cast<int>(std::count_if(pages_.begin(), pages_.end(), [](const ReviewedPage& page) { return page.saved(); }));
}

QString PageReview::Label(int row) const {
    const QString number = QCoreApplication::translate("PageReview", "Page %1").arg(row + 1);
    const ReviewedPage& shown = page(row);
    if (shown.kind == HeldPageKind::Separator)
        return QCoreApplication::translate("PageReview", "%1, separator sheet").arg(number);
    if (shown.kind == HeldPageKind::LeftOutBlank && !shown.keptAfterAll)
        return QCoreApplication::translate("PageReview", "%1, left out: blank").arg(number);
    return number;
}

void PageReview::Turn(const std::vector<int>& rows, int quarterTurns) {
    for (const int row : Sorted(rows, this->rows())) {
        int& turns = pages_[static_cast<std::size_t>(row)].quarterTurns;
        turns = ((turns + quarterTurns) % 4 + 4) % 4;
    }
}

void PageReview::Delete(const std::vector<int>& rows) {
    const std::vector<int> sorted = Sorted(rows, this->rows());
    for (auto row = sorted.rbegin(); row != sorted.rend(); ++row) pages_.erase(pages_.begin() + *row);
}

void PageReview::Keep(const std::vector<int>& rows) {
    for (const int row : Sorted(rows, this->rows()))
        if (pages_[static_cast<std::size_t>(row)].kind == HeldPageKind::LeftOutBlank)
            pages_[static_cast<std::size_t>(row)].keptAfterAll = true;
}

std::vector<int> PageReview::MoveTo(const std::vector<int>& rows, int before) {
    const std::vector<int> sorted = Sorted(rows, this->rows());
    if (sorted.empty()) return {};
    before = std::clamp(before, 0, this->rows());
    std::vector<ReviewedPage> moving;
    for (const int row : sorted) moving.push_back(pages_[static_cast<std::size_t>(row)]);
    const int movedAbove = static_cast<int>(std::count_if(sorted.begin(), sorted.end(), [&](int row) { return row < before; }));
    for (auto row = sorted.rbegin(); row != sorted.rend(); ++row) pages_.erase(pages_.begin() + *row);
    const int at = before - movedAbove;
    pages_.insert(pages_.begin() + at, moving.begin(), moving.end());
    std::vector<int> now;
    for (int i = 0; i < static_cast<int>(moving.size()); ++i) now.push_back(at + i);
    return now;
}

// A block at the start (or the end) stays where it is.
std::vector<int> PageReview::MoveEarlier(const std::vector<int>& rows) {
    const std::vector<int> sorted = Sorted(rows, this->rows());
    if (sorted.empty()) return {};
    return MoveTo(sorted, std::max(0, sorted.front() - 1));
}

std::vector<int> PageReview::MoveLater(const std::vector<int>& rows) {
    const std::vector<int> sorted = Sorted(rows, this->rows());
    if (sorted.empty()) return {};
    return MoveTo(sorted, std::min(this->rows(), sorted.back() + 2));
}

}  // namespace quillon
