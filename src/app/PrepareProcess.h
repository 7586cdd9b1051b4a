// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillon {

// The settings that belong to the whole process (the allocator, signals, the
// libraries' message handlers and thread limits), made in one place, first
// thing, by both programs and by the test runner. Each is said with its
// reason where it is made.
void PrepareProcess();

// False, with the reason said on the standard error, when the system leaves
// the program too few files to open to run at all (ulimit -n).
bool RoomToRun(const char* program);

}  // namespace quillon
