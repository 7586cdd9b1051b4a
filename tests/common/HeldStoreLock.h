// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace quillon::testing {

// The settings file locked as another program locks it (sqlite3's shell
// after BEGIN EXCLUSIVE): nothing reads or writes it until Release().
class HeldStoreLock {
public:
    explicit HeldStoreLock(const QString& path) {
        EXPECT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db_), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    ~HeldStoreLock() { Release(); }
    HeldStoreLock(const HeldStoreLock&) = delete;
    HeldStoreLock& operator=(const HeldStoreLock&) = delete;

    void Release() {
        if (!db_) return;
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
};

}  // namespace quillon::testing
