#include "scan/sane/ScannerLog.h"

#include "support/XdgFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    if (!file.open(QIODevice::Append | QIODevice::Text)) return;  // a log must never stop a scan
    file.write((QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + line + QLatin1Char('\n')).toUtf8());
}

}  // namespace quillon
