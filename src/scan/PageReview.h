// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/HeldPage.h"

#include <QString>

#include <vector>

namespace quillon {

// A page of the batch as the user has arranged it.
struct ReviewedPage {
    int held = 0;  // its place in the library's list of held pages
    HeldPageKind kind = HeldPageKind::Kept;
    bool keptAfterAll = false;  // a page the blank test left out, kept by the user
    int quarterTurns = 0;       // clockwise, 0 to 3

    bool saved() const { return kind == HeldPageKind::Kept || keptAfterAll; }
};

// The pages of a batch before they are saved, in the order they will be:
// turned, deleted, kept after all and moved by the user. Rows are places in
// that order; operations take the rows selected, in any order.
class PageReview {
public:
    explicit PageReview(std::vector<HeldPage> held = {});

    // Pages scanned since (Scan More): the held list as it is now, of which
    // the pages not yet in the review come at the end.
    void Add(std::vector<HeldPage> held);

    int rows() const { return static_cast<int>(pages_.size()); }
    const ReviewedPage& page(int row) const { return pages_[static_cast<std::size_t>(row)]; }
    const HeldPage& held(int row) const { return held_[static_cast<std::size_t>(page(row).held)]; }
    // The pages that will be saved (separator sheets are not pages of a document).
    int pagesToSave() const;
    // "Page 3", "Page 4, left out: blank", for the picture's caption and a screen reader.
    QString Label(int row) const;

    void Turn(const std::vector<int>& rows, int quarterTurns);
    void Delete(const std::vector<int>& rows);
    void Keep(const std::vector<int>& rows);
    // Each moves the rows together and answers where they are now.
    std::vector<int> MoveEarlier(const std::vector<int>& rows);
    std::vector<int> MoveLater(const std::vector<int>& rows);
    // Before the page at row `before` as it is now (rows() for the end).
    std::vector<int> MoveTo(const std::vector<int>& rows, int before);

private:
    std::vector<HeldPage> held_;
    std::vector<ReviewedPage> pages_;
};

// How the user ended the review.
enum class ReviewEnd { Save, Cancel, ScanMore };

// Shows the pages to the user, who arranges them and decides; the review is
// the user's until the call returns.
class PageReviewer {
public:
    virtual ~PageReviewer() = default;
    virtual ReviewEnd Review(PageReview& review) = 0;
};

}  // namespace quillon
