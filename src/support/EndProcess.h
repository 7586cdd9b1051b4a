// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillon {

// Ends the process with the status, once everything of the program's own is
// closed, without running the finalizers of the system libraries it loaded.
//
// A scanner backend that stops its reader thread by cancelling it at any
// instruction can leave a C library lock taken for good; some system
// libraries take such a lock in their finalizers (p11-kit, loaded with the
// text-recognition engine's network library, frees a locale), and the process
// would then never end. Standard output and error are flushed first.
[[noreturn]] void EndProcess(int status);

}  // namespace quillon
