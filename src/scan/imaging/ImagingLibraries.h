// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillon {

// The process-wide settings the image libraries need, made once before any
// page is worked on (see PrepareProcess).
void PrepareImagingLibraries();

}  // namespace quillon
