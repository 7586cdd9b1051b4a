// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace quillon::testing {

// A fresh folder for one test, removed afterwards.
class TempDir {
public:
    TempDir() { EXPECT_TRUE(dir_.isValid()); }
    QString path() const { return dir_.path(); }
    QString File(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// Lets another user reach what lies in a folder, for a test that runs a
// program as that user: the folder and every folder above it that others may
// not pass get others' search permission. No permission is taken away (/tmp
// keeps its sticky bit), and no folder becomes writable.
inline void LetOthersReach(const QString& folder) {
    for (QString path = QFileInfo(folder).absoluteFilePath(); path != QLatin1String("/");
         path = QFileInfo(path).absolutePath()) {
        struct stat status {};
        const QByteArray name = QFile::encodeName(path);
        if (::stat(name.constData(), &status) == 0 && (status.st_mode & S_IXOTH) == 0) {
            EXPECT_EQ(::chmod(name.constData(), (status.st_mode & 07777) | S_IXGRP | S_IXOTH), 0) << name.constData();
        }
    }
}

}  // namespace quillon::testing
