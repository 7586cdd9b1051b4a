// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillon {

// Every window connection, backend socket, thread wake-up and output file is
// an open file, and the system's limit on them (ulimit -n) can be lower than
// a scan needs. Where it is, the programs say so rather than fail somewhere
// later under another name ("not found").

// Raises this process's own limit on open files towards the system's ceiling
// for it, where the limit is below `wanted`.
void MakeRoomForOpenFiles(int wanted);

// The system's reason ("Too many open files") when fewer than `needed` more
// files can be opened now; else the empty text.
QString OpenFileShortage(int needed);

}  // namespace quillon
