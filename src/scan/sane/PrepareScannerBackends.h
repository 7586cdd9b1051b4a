// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillon {

// The process-wide settings SANE's backends need, made once before the first
// backend is loaded (see PrepareProcess).
void PrepareScannerBackends();

}  // namespace quillon
