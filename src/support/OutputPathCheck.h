// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillon {

// Why a scan must not be written to the path, as a sentence for the user
// ending "Please choose another file.", or the empty text when it may. Asked
// before any scanner is opened, so no scan is made for nothing. Refused: a
// file this user may not replace (made read-only by its owner, not writable
// for this user, or another user's in a shared folder such as /tmp), a
// device, pipe or socket, a link to nothing, and a name too long for its
// folder's file system. A link to a file is fine: the file is replaced.
QString OutputPathRefusal(const QString& path);

}  // namespace quillon
