// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/RegistryBackend.h"

class QObject;

namespace quillon {

// The store as another thread sees it: every call, and every call of the keys
// it opens, is made on the window's thread, which owns the store; the caller
// waits for it. The scan job reads and writes its few values through it.
class WindowThreadRegistryBackend : public RegistryBackend {
public:
    WindowThreadRegistryBackend(RegistryBackend& owned, QObject* window) : owned_(owned), window_(window) {}

    std::unique_ptr<RegistryKey> OpenKey(std::uint32_t hive, const QString& path, LookupResult& result) override;
    std::unique_ptr<RegistryKey> CreateKey(std::uint32_t hive, const QString& path) override;
    QString TakeNotice() override;

private:
    RegistryBackend& owned_;
    QObject* window_;
};

}  // namespace quillon
