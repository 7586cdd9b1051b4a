#include "settings/SqliteRegistryBackend.h"

#include "support/XdgFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {

namespace {

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

constexpr int kBusyTimeoutMs = 10000;  // lets two running copies share the file

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS keys (hive INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE,"
    " PRIMARY KEY (hive, path));"
    "CREATE TABLE IF NOT EXISTS named_values (hive INTEGER NOT NULL,"
    " path TEXT NOT NULL COLLATE NOCASE, name TEXT NOT NULL COLLATE NOCASE,"
    " type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY (hive, path, name));";

// Key paths are backslash-separated; empty parts ("a\\b\", "\a") are ignored.
QStringList PathParts(const QString& path) {
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

Statement Prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) return nullptr;
    return Statement(statement);
}

void BindText(sqlite3_stmt* statement, int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(statement, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

class SqliteKey : public RegistryKey {
public:
    SqliteKey(SqliteHandle db, std::uint32_t hive, QString path, bool inTransaction)
        : db_(std::move(db)), hive_(hive), path_(std::move(path)), inTransaction_(inTransaction) {}

    ~SqliteKey() override {
        // Closing a key keeps what was set through it, as the registry does.
        if (inTransaction_) sqlite3_exec(db_.get(), "COMMIT", nullptr, nullptr, nullptr);
    }

    bool QueryValue(const QString& name, RegistryValue& value) override {
        Statement statement = Prepare(
            db_.get(), "SELECT type, data FROM named_values WHERE hive = ? AND path = ? AND name = ?");
        if (!statement) return false;
        sqlite3_bind_int64(statement.get(), 1, hive_);
        BindText(statement.get(), 2, path_);
        BindText(statement.get(), 3, name);
        if (sqlite3_step(statement.get()) != SQLITE_ROW) return false;
        value.type = static_cast<std::uint32_t>(sqlite3_column_int64(statement.get(), 0));
        const void* blob = sqlite3_column_blob(statement.get(), 1);
        const int size = sqlite3_column_bytes(statement.get(), 1);
        value.data = QByteArray(static_cast<const char*>(blob), size);
        return true;
    }

    bool SetValue(const QString& name, const RegistryValue& value) override {
        Statement statement = Prepare(
            db_.get(),
            "INSERT OR REPLACE INTO named_values (hive, path, name, type, data) VALUES (?, ?, ?, ?, ?)");
        if (!statement) return false;
        sqlite3_bind_int64(statement.get(), 1, hive_);
        BindText(statement.get(), 2, path_);
        BindText(statement.get(), 3, name);
        sqlite3_bind_int64(statement.get(), 4, value.type);
        // A zero-length blob would bind as NULL; the column must never be NULL.
        sqlite3_bind_blob(statement.get(), 5, value.data.isEmpty() ? "" : value.data.constData(),
                          static_cast<int>(value.data.size()), SQLITE_TRANSIENT);
        return sqlite3_step(statement.get()) == SQLITE_DONE;
    }

    bool Flush() override {
        if (!inTransaction_) return true;
        inTransaction_ = false;
        return sqlite3_exec(db_.get(), "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    }

private:
    SqliteHandle db_;
    std::uint32_t hive_;
    QString path_;
    bool inTransaction_;
};

// Errors that say the file at the path is not a database we can use.
bool IsDamagedFileError(int code) {
    switch (code & 0xFF) {
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
        case SQLITE_CANTOPEN:
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return true;
        default:
            return false;
    }
}

// Moves a damaged settings file (or whatever stands at its path) aside so a fresh
// one can be started. It is never deleted.
bool MoveAside(const QString& path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    // A hot journal belongs to the damaged file, not to the fresh one.
    const QString journal = path + QStringLiteral("-journal");
    if (QFileInfo::exists(journal))
        ::rename(QFile::encodeName(journal).constData(), QFile::encodeName(target + "-journal").constData());
    return true;
}

struct CreateResult {
    std::unique_ptr<RegistryKey> key;
    int error = SQLITE_OK;
};

CreateResult TryCreateKey(const QString& databasePath, std::uint32_t hive, const QStringList& parts) {
    const QByteArray file = QFile::encodeName(databasePath);
    // The file is private to the user from its first byte.
    if (!QFileInfo::exists(databasePath) && !QFileInfo(databasePath).isSymLink()) {
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) ::close(fd);
    }
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(file.constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    SqliteHandle db(raw);
    if (rc != SQLITE_OK) return {nullptr, rc};
    sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);
    rc = sqlite3_exec(db.get(), "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db.get(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db.get(), kSchema, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return {nullptr, rc};

    Statement insert = Prepare(db.get(), "INSERT OR IGNORE INTO keys (hive, path) VALUES (?, ?)");
    if (!insert) return {nullptr, sqlite3_errcode(db.get())};
    QString prefix;
    for (const QString& part : parts) {
        prefix = prefix.isEmpty() ? part : prefix + QLatin1Char('\\') + part;
        sqlite3_reset(insert.get());
        sqlite3_bind_int64(insert.get(), 1, hive);
        BindText(insert.get(), 2, prefix);
        if (sqlite3_step(insert.get()) != SQLITE_DONE) return {nullptr, sqlite3_errcode(db.get())};
    }
    insert.reset();
    return {std::make_unique<SqliteKey>(std::move(db), hive, parts.join(QLatin1Char('\\')), true), SQLITE_OK};
}

}  // namespace

SqliteRegistryBackend::SqliteRegistryBackend(QString databasePath) : databasePath_(std::move(databasePath)) {}

QString SqliteRegistryBackend::DefaultDatabasePath() {
    return QuillonFolder(XdgBase::Config) + QStringLiteral("/registry.sqlite3");
}

std::unique_ptr<RegistryKey> SqliteRegistryBackend::OpenKey(std::uint32_t hive, const QString& path) {
    // Read-only: a read never creates the file, the folder or the key.
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(databasePath_).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    SqliteHandle db(raw);
    if (rc != SQLITE_OK) return nullptr;
    sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);
    Statement statement = Prepare(db.get(), "SELECT 1 FROM keys WHERE hive = ? AND path = ?");
    if (!statement) return nullptr;
    const QString normalised = PathParts(path).join(QLatin1Char('\\'));
    sqlite3_bind_int64(statement.get(), 1, hive);
    BindText(statement.get(), 2, normalised);
    if (sqlite3_step(statement.get()) != SQLITE_ROW) return nullptr;
    statement.reset();
    return std::make_unique<SqliteKey>(std::move(db), hive, normalised, false);
}

std::unique_ptr<RegistryKey> SqliteRegistryBackend::CreateKey(std::uint32_t hive, const QString& path) {
    const QStringList parts = PathParts(path);
    if (parts.isEmpty()) return nullptr;
    const QFileInfo info(databasePath_);
    const bool existedBefore = info.exists() || info.isSymLink();
    QDir().mkpath(info.absolutePath());

    CreateResult result = TryCreateKey(databasePath_, hive, parts);
    if (result.key) return std::move(result.key);
    // Something unusable stands where the settings file belongs: keep it aside and
    // start a fresh file, once.
    if (IsDamagedFileError(result.error) && existedBefore && MoveAside(databasePath_))
        result = TryCreateKey(databasePath_, hive, parts);
    return std::move(result.key);
}

}  // namespace quillon
