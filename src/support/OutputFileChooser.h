// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillon {

class RegistryStore;
class UserInterface;

// Asks where to save a document of the given format (".pdf", ".tiff", ".jpg",
// ".png") and remembers the folder. The full path as the dialog returned it, or
// the empty text when the user cancelled (or a failure was reported); also
// when a path was refused and no other can be asked for, and then *refused
// is set (no cancel of the user's).
QString ChooseOutputFile(const QString& extension, const RegistryStore& store, UserInterface& ui,
                         bool* refused = nullptr);

}  // namespace quillon
