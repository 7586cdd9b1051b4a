// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace quillon::testing {

// SANE reads SANE_CONFIG_DIR once per process and keeps the folder list, so
// every test of a process shares one folder; each test writes its files afresh.
inline QString SaneConfigFolder() {
    static QTemporaryDir folder;
    static const QString path = [] {
        qputenv("SANE_CONFIG_DIR", folder.path().toLocal8Bit());
        return folder.path();
    }();
    return path;
}

// Writes one file of the shared folder, replacing what an earlier test left.
inline bool WriteSaneConfig(const QString& name, const QByteArray& text) {
    QFile file(SaneConfigFolder() + "/" + name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

}  // namespace quillon::testing
