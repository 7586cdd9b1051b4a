// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScannerLog.h"

#include "support/XdgFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace quillon {

ScannerLog::ScannerLog(QString path, qint64 maxBytes) : path_(std::move(path)), maxBytes_(maxBytes) {}

QString ScannerLog::DefaultPath() {
    return QuillonFolder(XdgBase::State) + QStringLiteral("/scanner.log");
}

void ScannerLog::Write(const QString& line) {
    if (!enabled_) return;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (QFileInfo(path_).size() >= maxBytes_) {
        QFile::remove(path_ + QStringLiteral(".1"));
        QFile::rename(path_, path_ + QStringLiteral(".1"));
    }
    QFile file(path_);
    // Private: the log names the files scanned to. A log from before is made private too.
    if (!file.open(QIODevice::Append | QIODevice::Text, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return;  // a log must never stop a scan
    ::fchmod(file.handle(), 0600);
    file.write((QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + line + QLatin1Char('\n')).toUtf8());
}

}  // namespace quillon
