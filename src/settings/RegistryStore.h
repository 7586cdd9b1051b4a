// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/RegistryBackend.h"

#include <QString>

namespace quillon {

inline const QString kNotFound = QStringLiteral("Not Found");
inline const QString kQuillonKeyPath = QStringLiteral("SOFTWARE\\Quillon");

// Size of the read buffer: a value whose data is longer cannot be read.
constexpr int kRegistryReadBufferBytes = 2048;

// The two settings operations. Each call opens its key, handles one value and
// closes the key again; nothing is cached, and no failure ever escapes.
class RegistryStore {
public:
    explicit RegistryStore(RegistryBackend& backend) : backend_(backend) {}

    // What the store stands on: another thread's store may be made over it.
    RegistryBackend& backend() const { return backend_; }

    // The value as text, or "Not Found" when the key or value is missing or unreadable.
    QString GetRegistryString(std::uint32_t hive, const QString& keyPath, const QString& valueName) const {
        return ReadRegistryString(hive, keyPath, valueName).text;
    }

    // The same read, also telling whether "Not Found" means that the store
    // could not be read: a caller must then not take the value for missing.
    // A value too long to be read also reads as "Not Found", and tells its
    // length, so that it is not taken for a missing one either.
    struct Reading {
        QString text;
        bool failed = false;
        qsizetype tooLongBytes = 0;
    };
    Reading ReadRegistryString(std::uint32_t hive, const QString& keyPath, const QString& valueName) const;

    // Creates the key path, stores the value and flushes it. Failures are not reported.
    void SetRegistryString(std::uint32_t hive, const QString& keyPath, const QString& valueName,
                           std::uint32_t valueType, const QString& value) const;

    // The program's own key under the current user's hive.
    QString Get(const QString& valueName) const {
        return GetRegistryString(kHkeyCurrentUser, kQuillonKeyPath, valueName);
    }
    Reading Read(const QString& valueName) const {
        return ReadRegistryString(kHkeyCurrentUser, kQuillonKeyPath, valueName);
    }
    void Set(const QString& valueName, const QString& value) const {
        SetRegistryString(kHkeyCurrentUser, kQuillonKeyPath, valueName, kRegSz, value);
    }

    // What the store did that the user should know, once (see RegistryBackend::TakeNotice).
    QString TakeNotice() const { return backend_.TakeNotice(); }
    // Why the last call that failed did (see RegistryBackend::Trouble).
    StoreTrouble Trouble() const { return backend_.Trouble(); }

private:
    RegistryBackend& backend_;
};

// How a stored value reads back as text, by its type code.
QString RenderRegistryValue(const RegistryValue& value);

}  // namespace quillon
