// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillon {

// The signals that ask a program to end: SIGINT, SIGTERM and SIGHUP. Their
// handler gives up every document at once (DocumentGate), notes the signal
// and wakes whoever watches EndSignalPipe(); what the program then does is
// its own. The handler stays installed whatever a loaded library does: a
// scanner backend that sets an action of its own for one of these signals
// (SANE's test backend resets SIGTERM to its default as its reader thread
// starts) is answered as if it had, and the program's handler stays.
void InstallEndSignals();
// The signal that asked the program to end, or 0.
int EndSignalReceived();
// Readable once such a signal has come; -1 where no pipe could be made.
int EndSignalPipe();

}  // namespace quillon
