// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

namespace quillon {

class ImagingSession;

// Completes the document as a step the user sees and can cancel: pages may
// still be on their way into the file (their text being read). A cancel
// then keeps them without their text, or, where the document would replace
// a file, gives it up; *cancelled says so. The session's result: 0 when the
// file is complete.
int EndDocument(ImagingSession& session, ScannerDialogs& dialogs, bool* cancelled);

}  // namespace quillon
