// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillon {

class UserInterface;

// The platform's path separator.
#ifdef _WIN32
constexpr QChar kPathSeparator = u'\\';
#else
constexpr QChar kPathSeparator = u'/';
#endif

// True for an absent (null) or empty text.
bool IsBlank(const QString& value);

// File mode: a file of that name exists (never a folder; hidden and read-only
// files count); trailing separators are ignored. Folder mode: a folder or a file
// exists, with or without a trailing separator. The path is taken literally; a
// path the file system rejects gives false.
bool PathExists(const QString& path, bool folderMode);

// The path up to and including its last separator, or the empty text.
QString GetFolderPart(const QString& path);

// The lower-cased extension with its dot, found from the second-to-last
// character backwards (a dot in a folder name counts), or the empty text.
QString GetFileExtension(const QString& path);

// The user's desktop folder without a trailing separator, or the empty text.
// A failure of the lookup is reported and gives the empty text.
QString GetDesktopPath(UserInterface& ui);

}  // namespace quillon
