// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

namespace quillon {

// Predefined root keys, as the registry numbers them.
constexpr std::uint32_t kHkeyClassesRoot = 0x80000000u;
constexpr std::uint32_t kHkeyCurrentUser = 0x80000001u;
constexpr std::uint32_t kHkeyLocalMachine = 0x80000002u;
constexpr std::uint32_t kHkeyUsers = 0x80000003u;

// Registry value type codes.
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

bool IsPredefinedHive(std::uint32_t hive);

struct RegistryValue {
    std::uint32_t type = 0;
    QByteArray data;  // the value's bytes as the registry keeps them (text with its NUL)
};

// What a lookup found: a missing key or value is not the same as a store that
// could not be read at that moment (busy, no file descriptor left, ...).
enum class LookupResult { Found, Missing, Failed };

// Why the store could not be read or written just now, as far as looking at
// it tells: a lock another program holds, or a file or folder that belongs to
// another user (made by a run under sudo, say). Unknown for anything else.
struct StoreTrouble {
    enum class Kind { Unknown, Busy, AnotherUsersFile };
    Kind kind = Kind::Unknown;
    QString path;  // the file or folder concerned; empty when not known
};

// Where a value sits, as one text that compares without regard to case, as
// the registry compares key paths and value names.
QString ValueSlot(std::uint32_t hive, const QString& path, const QString& name);

// One open key. Closing is the destructor; a key lives only within one store call.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    virtual LookupResult QueryValue(const QString& name, RegistryValue& value) = 0;
    virtual bool SetValue(const QString& name, const RegistryValue& value) = 0;
    // Makes every change made through this key permanent before returning.
    virtual bool Flush() = 0;
};

// The persistent hive/key/value store underneath the settings operations.
class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;
    // Opens an existing key; never creates it. Null, with why in result, when
    // the key is missing or cannot be read.
    virtual std::unique_ptr<RegistryKey> OpenKey(std::uint32_t hive, const QString& path, LookupResult& result) = 0;
    // Opens the key, creating it and every missing key on its path. Null on failure.
    virtual std::unique_ptr<RegistryKey> CreateKey(std::uint32_t hive, const QString& path) = 0;
    // Once: a plain sentence on what the store did that the user should know
    // (a file that was not a store kept aside); empty when there is nothing.
    virtual QString TakeNotice() { return {}; }
    // After a call that failed: why, as far as the store can tell.
    virtual StoreTrouble Trouble() { return {}; }
    // Whether calls may wait for a lock another program holds (within the
    // store's own limit) or must give up at once: a retry made in passing
    // must not hold the thread that owns the store.
    virtual void SetWaitForLocks(bool) {}
};

}  // namespace quillon
