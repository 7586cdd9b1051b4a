// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/RegistryBackend.h"

#include <chrono>
#include <thread>
#include <utility>

namespace quillon {

// How long the store may wait in all for a lock another program holds: every
// wait draws on it, and it grows back slowly (a tenth of the time passed) and
// in full after a write of ours succeeds. So a program holding the lock for
// minutes costs the window half a second, not a wait on every call.
class BusyBudget {
public:
    static constexpr long long kDefaultMaxMs = 500;
    static constexpr long long kRegrowthDivisor = 10;
    static constexpr int kStepMs = 5;

    explicit BusyBudget(long long maxMs = kDefaultMaxMs) : maxMs_(maxMs), leftMs_(maxMs) {}
    // False when the budget is spent, or waiting is off: the caller gives up at once.
    bool Wait();
    void Refill();
    void SetWaiting(bool waiting) { waiting_ = waiting; }

private:
    bool waiting_ = true;
    long long maxMs_;
    long long leftMs_;
    std::chrono::steady_clock::time_point lastSeen_ = std::chrono::steady_clock::now();
};

// The registry on Linux: one SQLite file holding keys and named values.
// A created key holds one write transaction that Flush() commits with
// synchronous=FULL, so a flushed write is on disk before the call returns.
// Only a regular file is taken for the store, or a link to one that is a
// store of the user's own; another program's file is never written into.
class SqliteRegistryBackend : public RegistryBackend {
public:
    // busyWaitMs: how long in all it may wait for another program's lock; a
    // program without a window to keep answering may wait longer.
    explicit SqliteRegistryBackend(QString databasePath, long long busyWaitMs = BusyBudget::kDefaultMaxMs);

    // $XDG_CONFIG_HOME/Quillon/registry.sqlite3, with ~/.config as the usual fallback.
    static QString DefaultDatabasePath();

    const QString& databasePath() const { return databasePath_; }

    std::unique_ptr<RegistryKey> OpenKey(std::uint32_t hive, const QString& path, LookupResult& result) override;
    std::unique_ptr<RegistryKey> CreateKey(std::uint32_t hive, const QString& path) override;
    QString TakeNotice() override { return std::exchange(notice_, QString()); }
    StoreTrouble Trouble() override;
    void SetWaitForLocks(bool wait) override { busyBudget_.SetWaiting(wait); }

private:
    bool KeepAside(const QString& store);
    void CheckOwnerThread() const;
    void SayLinkNotUsed();  // once

    QString databasePath_;
    QString notice_;
    bool linkNoticed_ = false;
    int lastError_ = 0;  // SQLite's code for the last call that failed
    BusyBudget busyBudget_;
    std::thread::id owner_ = std::this_thread::get_id();
};

}  // namespace quillon
