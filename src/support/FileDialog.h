// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace quillon {

class UserInterface;

constexpr std::uint32_t kOfnHideReadOnly = 0x4;
constexpr std::uint32_t kOfnExplorer = 0x80000;

// Size of the dialog's file buffer in bytes, its NUL included: a longer path
// is not returned. As long as the system's longest path (PATH_MAX), so that
// every path the system takes can be chosen.
constexpr int kDialogFileBufferChars = 4096;

// Arguments of ShowFileDialog; an absent one takes its default.
struct FileDialogArguments {
    std::uint32_t* flags = nullptr;        // receives the flags the dialog returned, on success
    std::optional<QString> initialFolder;  // default: the process's current folder
    QString filter;
    int filterIndex = 1;
    QString defaultExtension;
    QString initialFileName;
    QString title;
    bool open = true;                      // false: the save dialog
};

// Shows the open or save dialog; the chosen path, or the empty text on cancel.
// Has no failure handler of its own: failures pass to the caller.
QString ShowFileDialog(UserInterface& ui, const FileDialogArguments& arguments);

// filter + description + NUL + pattern + NUL; the filter is updated and returned.
QString AddFilterItem(QString& filter, const QString& description, const QString& pattern = QStringLiteral("*.*"));

// The text before the first pair of NULs in a dialog's file buffer.
QString TrimDialogResult(const QString& buffer);

}  // namespace quillon
