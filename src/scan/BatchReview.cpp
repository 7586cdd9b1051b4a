// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/BatchReview.h"

#include "scan/ScannerErrors.h"

#include <utility>

namespace quillon {

bool BatchReview::Hold(ImageHandle image, bool firstPage) {
    const bool separator = std::exchange(separatorBackDue_, false) || (splitting_ && library_.DIB_IsSeparator(image) == 1);
    if (separator && bothSides_) separatorBackDue_ = sides_ % 2 == 0;
    ++sides_;
    const bool blank = !separator && !firstPage && library_.DIB_IsBlank(image, blankThreshold_) == 1;
    const HeldPageKind kind = separator ? HeldPageKind::Separator : blank ? HeldPageKind::LeftOutBlank : HeldPageKind::Kept;
    const bool held = library_.TWAIN_HoldPage(image, kind) == 0;
    library_.DIB_Free(image);
    return held;
}

std::optional<PageReview> BatchReview::Run(const std::function<void()>& scanMore) {
    PageReview review(library_.TWAIN_HeldPages());
    // A batch that brought no page has nothing to review: its document ends as any other would.
    while (review.rows() > 0) {
        if (library_.TWAIN_LastErrorCode() == kScannerErrorCancelled) return std::nullopt;
        const ReviewEnd end = reviewer_.Review(review);
        if (end == ReviewEnd::Save) break;
        if (end == ReviewEnd::Cancel) return std::nullopt;
        scanMore();
        review.Add(library_.TWAIN_HeldPages());
    }
    if (library_.TWAIN_LastErrorCode() == kScannerErrorCancelled) return std::nullopt;
    return review;
}

}  // namespace quillon
