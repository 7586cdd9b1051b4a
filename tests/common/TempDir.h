// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

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

}  // namespace quillon::testing
