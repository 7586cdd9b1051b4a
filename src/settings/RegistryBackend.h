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
};

}  // namespace quillon
