// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/RegistryBackend.h"

#include <QMap>

#include <functional>

namespace quillon {

// A store that loses no change to a passing trouble: a value the store below
// could not take (another program holds its lock) is kept here, read back
// from here, and written with every later write to its key and with
// WritePending(). Nothing kept survives the program: its owner tries once
// more as the program ends, and says what could not be written.
class PendingRegistryBackend : public RegistryBackend {
public:
    explicit PendingRegistryBackend(RegistryBackend& below) : below_(below) {}

    std::unique_ptr<RegistryKey> OpenKey(std::uint32_t hive, const QString& path, LookupResult& result) override;
    std::unique_ptr<RegistryKey> CreateKey(std::uint32_t hive, const QString& path) override;
    QString TakeNotice() override { return below_.TakeNotice(); }
    StoreTrouble Trouble() override { return below_.Trouble(); }
    void SetWaitForLocks(bool wait) override { below_.SetWaitForLocks(wait); }

    bool HasPending() const { return !pending_.isEmpty(); }
    // Writes every kept value, waiting for another program's lock only when
    // told to (and then at most the store's own limit). True when none is
    // kept any more.
    bool WritePending(bool waitForLocks);
    // Told when values come to be kept, and when the last of them is written.
    void SetPendingHandler(std::function<void()> handler) { onPendingChanged_ = std::move(handler); }

private:
    friend class PendingKey;
    struct Kept {
        std::uint32_t hive;
        QString path;
        QString keySlot;  // the key's ValueSlot, to find its values
        QString name;
        RegistryValue value;
    };
    void Keep(std::uint32_t hive, const QString& path, const QString& name, const RegistryValue& value);
    // Writes the kept values of one key in one flush; false when they stay kept.
    bool WriteKey(std::uint32_t hive, const QString& path);
    bool HasKeptUnder(std::uint32_t hive, const QString& path) const;
    // Tells the owner when values have come to be kept, or are all written.
    void Announce();

    RegistryBackend& below_;
    QMap<QString, Kept> pending_;  // by ValueSlot: the latest value of each
    std::function<void()> onPendingChanged_;
    bool announced_ = false;  // the owner was told that values are kept
};

}  // namespace quillon
