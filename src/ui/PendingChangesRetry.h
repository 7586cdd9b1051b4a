// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

namespace quillon {

class Main;
class PendingRegistryBackend;

// The changes the store could not take (another program held it) are tried
// again every second on the window's thread, which owns the store, without
// waiting for the lock: the window never stops answering. The status line
// says that they are kept, and when they are stored.
class PendingChangesRetry : public QObject {
    Q_DECLARE_TR_FUNCTIONS(PendingChangesRetry)

public:
    static constexpr std::chrono::milliseconds kInterval{1000};

    PendingChangesRetry(PendingRegistryBackend& pending, Main& window);
    ~PendingChangesRetry() override;

    // One try now, as the timer makes it.
    void Retry();
    // As the window closes: the kept changes are written, waiting for a lock
    // at most the store's own limit.
    void StoreNow();
    // Last, once nothing else may write: one more try, and the sentence that
    // says what could not be stored, or the empty text when all was.
    QString Unstored();

private:
    void PendingChanged();
    QString Cause() const;

    PendingRegistryBackend& pending_;
    Main& window_;
    QTimer timer_;
    QString shown_;  // what this put in the status line
};

}  // namespace quillon
