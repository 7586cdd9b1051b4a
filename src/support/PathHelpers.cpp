// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PathHelpers.h"

#include "support/ErrorReport.h"
#include "support/UserInterface.h"

#include <QFile>

#include <sys/stat.h>

namespace quillon {

bool IsBlank(const QString& value) { return value.isNull() || value.isEmpty(); }

bool PathExists(const QString& path, bool folderMode) {
    if (IsBlank(path)) return false;
    QString candidate = path;
    if (!folderMode) {
        while (candidate.endsWith(kPathSeparator)) candidate.chop(1);
        if (candidate.isEmpty()) return false;
    }
    // stat() takes the name literally: no wildcard is expanded.
    struct stat status {};
    if (::stat(QFile::encodeName(candidate).constData(), &status) != 0) return false;
    return folderMode || !S_ISDIR(status.st_mode);
}

QString GetFolderPart(const QString& path) {
    const qsizetype last = path.lastIndexOf(kPathSeparator);
    return last < 0 ? QString() : path.left(last + 1);
}

QString GetFileExtension(const QString& path) {
    if (path.isEmpty()) return QString();
    // The last character itself is never examined, and a dot in first place does not count.
    for (qsizetype i = path.size() - 2; i >= 1; --i) {
        if (path.at(i) == QLatin1Char('.')) return path.mid(i).toLower();
    }
    return QString();
}

QString GetDesktopPath(UserInterface& ui) {
    try {
        QString desktop = ui.DesktopFolder();
        while (desktop.size() > 1 && desktop.endsWith(kPathSeparator)) desktop.chop(1);
        return desktop;
    } catch (...) {
        ReportCurrentFailure(ui);
        return QString();
    }
}

}  // namespace quillon
