// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

namespace quillon {

// A step of a scan begins: it becomes the one under way (underWay), which
// cancels from other threads reach, under the holder's own lock. A cancel
// asked before the step began, between two steps, is meant for it: the step
// is cancelled as it begins (true).
inline bool BeginStep(ScanStep*& underWay, ScanStep& task, bool cancelAsked) {
    underWay = &task;
    if (cancelAsked) task.Cancel();
    return cancelAsked;
}

}  // namespace quillon
