// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PendingRegistryBackend.h"
#include "settings/RegistryStore.h"
#include "settings/SqliteRegistryBackend.h"

#include "../common/HeldStoreLock.h"
#include "../common/TempDir.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace quillon {
namespace {

class PendingRegistryBackendTest : public ::testing::Test {
protected:
    QString StoredInTheFile(const QString& name) const {
        SqliteRegistryBackend file(path);
        return RegistryStore(file).Get(name);
    }

    testing::TempDir temp;
    QString path = temp.File("registry.sqlite3");
    static constexpr long long kBusyLimitMs = 1000;
    SqliteRegistryBackend sqlite{path, kBusyLimitMs};
    PendingRegistryBackend pending{sqlite};
    RegistryStore store{pending};
};

TEST_F(PendingRegistryBackendTest, AChangeMadeWhileAnotherProgramHoldsTheFileIsStoredOnceItLetsGo) {
    store.Set("AutoDeskew", " 0");
    testing::HeldStoreLock lock(path);
    store.Set("AutoDeskew", " 1");
    store.Set("DPI", " 4");
    EXPECT_TRUE(pending.HasPending());
    EXPECT_EQ(pending.Trouble().kind, StoreTrouble::Kind::Busy);
    // The program reads what it was told, not what the file still holds.
    EXPECT_EQ(store.Get("AutoDeskew"), " 1");
    EXPECT_FALSE(pending.WritePending(false));

    lock.Release();
    EXPECT_EQ(StoredInTheFile("AutoDeskew"), " 0");
    EXPECT_TRUE(pending.WritePending(false));
    EXPECT_FALSE(pending.HasPending());
    EXPECT_EQ(StoredInTheFile("AutoDeskew"), " 1");
    EXPECT_EQ(StoredInTheFile("DPI"), " 4");
}

// A retry made in passing never holds the thread for the lock; one made as
// the program ends waits, but no longer than the store's own limit.
TEST_F(PendingRegistryBackendTest, ARetryWaitsForTheLockOnlyWhenToldAndThenNoLongerThanTheStoresLimit) {
    testing::HeldStoreLock lock(path);
    sqlite.SetWaitForLocks(false);  // the change is kept at once
    store.Set("AutoDeskew", " 1");
    ASSERT_TRUE(pending.HasPending());
    sqlite.SetWaitForLocks(true);

    for (const bool wait : {false, true}) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(pending.WritePending(wait));
        const qint64 waited = timer.elapsed();
        if (wait)
            EXPECT_LT(waited, kBusyLimitMs + 1000);
        else
            EXPECT_LT(waited, kBusyLimitMs / 2);
    }
    EXPECT_EQ(store.Get("AutoDeskew"), " 1");
}

}  // namespace
}  // namespace quillon
