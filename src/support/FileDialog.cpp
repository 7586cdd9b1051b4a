// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FileDialog.h"

#include "support/UserInterface.h"

#include <QDir>

namespace quillon {

QString AddFilterItem(QString& filter, const QString& description, const QString& pattern) {
    filter += description + QChar(u'\0') + pattern + QChar(u'\0');
    return filter;
}

QString TrimDialogResult(const QString& buffer) {
    const QString padded = buffer + QChar(u'\0') + QChar(u'\0');
    const QString nulPair(2, QChar(u'\0'));
    return padded.left(padded.indexOf(nulPair));
}

QString ShowFileDialog(UserInterface& ui, const FileDialogArguments& arguments) {
    FileDialogRequest request;
    request.open = arguments.open;
    request.title = arguments.title;
    request.initialFolder = arguments.initialFolder.value_or(QDir::currentPath());
    request.filter = arguments.filter;
    request.filterIndex = arguments.filterIndex;
    request.defaultExtension = arguments.defaultExtension;
    request.initialFileName = arguments.initialFileName.left(kDialogFileBufferChars);
    request.flags = arguments.flags ? *arguments.flags : 0;

    const FileDialogResult result = ui.RunFileDialog(request);
    // A path that does not fit the file buffer (with its NUL) is a failed dialog.
    if (!result.accepted || result.path.toUtf8().size() >= kDialogFileBufferChars) return QString();
    if (arguments.flags) *arguments.flags = result.flags;
    QString buffer = result.path;
    buffer.append(QString(kDialogFileBufferChars - buffer.size(), QChar(u'\0')));
    return TrimDialogResult(buffer);
}

}  // namespace quillon
