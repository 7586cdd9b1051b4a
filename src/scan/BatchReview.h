// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/PageReview.h"
#include "scan/ScannerLibrary.h"

#include <functional>
#include <optional>

namespace quillon {

// A batch's pages held for the user's review before they are saved: each is
// held as what the scan made of it, then the user arranges them, scans more,
// and saves them or gives them up.
class BatchReview {
public:
    // splitting: separator sheets are looked for; bothSides: a separator's
    // back comes after it and is the separator's too.
    BatchReview(ScannerLibrary& library, PageReviewer& reviewer, bool splitting, bool bothSides, double blankThreshold)
        : library_(library), reviewer_(reviewer), splitting_(splitting), bothSides_(bothSides), blankThreshold_(blankThreshold) {}

    // A separator sheet, a page the blank test leaves out (never the first
    // page), or a page kept. False when it could not be held.
    bool Hold(ImageHandle image, bool firstPage);

    // The pages as the user left them to be saved; none when the user gave
    // them up, or when the scan was cancelled (then the user is not asked).
    // scanMore holds more pages (through Hold) when the user asks for them.
    std::optional<PageReview> Run(const std::function<void()>& scanMore);

private:
    ScannerLibrary& library_;
    PageReviewer& reviewer_;
    bool splitting_, bothSides_;
    double blankThreshold_;
    bool separatorBackDue_ = false;
    int sides_ = 0;  // held so far, separators counted
};

}  // namespace quillon
