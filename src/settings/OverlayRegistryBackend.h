// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/RegistryBackend.h"

#include <QMap>

namespace quillon {

// A store seen through a layer kept in memory: reads find what was written
// in this run first, then the real store; writes never reach the real store.
// Lets a run use the user's settings without changing them.
class OverlayRegistryBackend : public RegistryBackend {
public:
    explicit OverlayRegistryBackend(RegistryBackend& below) : below_(below) {}

    std::unique_ptr<RegistryKey> OpenKey(std::uint32_t hive, const QString& path, LookupResult& result) override;
    std::unique_ptr<RegistryKey> CreateKey(std::uint32_t hive, const QString& path) override;

private:
    friend class OverlayKey;
    // Values by hive, key path and value name, the names compared without
    // regard to case as the registry does.
    QMap<QString, RegistryValue> written_;
    RegistryBackend& below_;
};

}  // namespace quillon
