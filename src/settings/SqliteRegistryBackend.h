#pragma once

#include "settings/RegistryBackend.h"

namespace quillon {

// The registry on Linux: one SQLite file holding keys and named values.
// A created key holds one write transaction that Flush() commits with
// synchronous=FULL, so a flushed write is on disk before the call returns.
class SqliteRegistryBackend : public RegistryBackend {
public:
    explicit SqliteRegistryBackend(QString databasePath);

    // $XDG_CONFIG_HOME/Quillon/registry.sqlite3, with ~/.config as the usual fallback.
    static QString DefaultDatabasePath();

    const QString& databasePath() const { return databasePath_; }

    std::unique_ptr<RegistryKey> OpenKey(std::uint32_t hive, const QString& path) override;
    std::unique_ptr<RegistryKey> CreateKey(std::uint32_t hive, const QString& path) override;

private:
    QString databasePath_;
};

}  // namespace quillon
