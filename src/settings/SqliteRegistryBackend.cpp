// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SqliteRegistryBackend.h"

#include "support/XdgFolders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

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

// The settings file is opened by its own name, never through a link that
// SQLite would follow unchecked: a link is followed only once it is known to
// lead to a store of the user's own (LinkedStore), since another program's
// file must not get our tables, nor be read as ours.
constexpr int kOpenFlags = SQLITE_OPEN_NOFOLLOW;

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

// Errors that say the file is not a database, or a broken one: its values are
// gone, so it reads as holding none and may be moved aside. Anything else (no
// file descriptor left, no permission, a read-only file, a lock held by
// another program) is a passing trouble with a healthy store.
bool IsDamagedFileError(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

LookupResult LookupOfError(int code) {
    return IsDamagedFileError(code) ? LookupResult::Missing : LookupResult::Failed;
}

enum class FileKind { Absent, Regular, NotAStore, Link, Unknown };

// What stands at the path, without following a link or opening it: a FIFO
// would block the open, and a folder is not a store.
FileKind KindOfFile(const QByteArray& path) {
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0) return errno == ENOENT ? FileKind::Absent : FileKind::Unknown;
    if (S_ISLNK(status.st_mode)) return FileKind::Link;
    return S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::NotAStore;
}

int WaitWhileBusy(void* budget, int) { return static_cast<BusyBudget*>(budget)->Wait() ? 1 : 0; }

SqliteHandle OpenDatabase(const QByteArray& file, int flags, BusyBudget& budget, int* rc) {
    sqlite3* raw = nullptr;
    *rc = sqlite3_open_v2(file.constData(), &raw, flags | kOpenFlags, nullptr);
    SqliteHandle db(raw);
    if (*rc != SQLITE_OK) return nullptr;
    sqlite3_busy_handler(db.get(), WaitWhileBusy, &budget);
    return db;
}

class SqliteKey : public RegistryKey {
public:
    SqliteKey(SqliteHandle db, std::uint32_t hive, QString path, bool inTransaction, BusyBudget& budget,
              int& lastError)
        : db_(std::move(db)), hive_(hive), path_(std::move(path)), inTransaction_(inTransaction), budget_(budget),
          lastError_(lastError) {}

    ~SqliteKey() override {
        // Closing a key keeps what was set through it, as the registry does.
        if (inTransaction_) Flush();
    }

    LookupResult QueryValue(const QString& name, RegistryValue& value) override {
        Statement statement = Prepare(
            db_.get(), "SELECT type, data FROM named_values WHERE hive = ? AND path = ? AND name = ?");
        if (!statement) return LookupOfError(lastError_ = sqlite3_errcode(db_.get()));
        sqlite3_bind_int64(statement.get(), 1, hive_);
        BindText(statement.get(), 2, path_);
        BindText(statement.get(), 3, name);
        const int rc = sqlite3_step(statement.get());
        if (rc == SQLITE_DONE) return LookupResult::Missing;
        if (rc != SQLITE_ROW) return LookupOfError(lastError_ = rc);
        value.type = static_cast<std::uint32_t>(sqlite3_column_int64(statement.get(), 0));
        const void* blob = sqlite3_column_blob(statement.get(), 1);
        const int size = sqlite3_column_bytes(statement.get(), 1);
        value.data = QByteArray(static_cast<const char*>(blob), size);
        return LookupResult::Found;
    }

    bool SetValue(const QString& name, const RegistryValue& value) override {
        Statement statement = Prepare(
            db_.get(),
            "INSERT OR REPLACE INTO named_values (hive, path, name, type, data) VALUES (?, ?, ?, ?, ?)");
        if (!statement) return (lastError_ = sqlite3_errcode(db_.get())), false;
        sqlite3_bind_int64(statement.get(), 1, hive_);
        BindText(statement.get(), 2, path_);
        BindText(statement.get(), 3, name);
        sqlite3_bind_int64(statement.get(), 4, value.type);
        // A zero-length blob would bind as NULL; the column must never be NULL.
        sqlite3_bind_blob(statement.get(), 5, value.data.isEmpty() ? "" : value.data.constData(),
                          static_cast<int>(value.data.size()), SQLITE_TRANSIENT);
        const int rc = sqlite3_step(statement.get());
        if (rc != SQLITE_DONE) lastError_ = rc;
        return rc == SQLITE_DONE;
    }

    bool Flush() override {
        if (!inTransaction_) return true;
        inTransaction_ = false;
        const int rc = sqlite3_exec(db_.get(), "COMMIT", nullptr, nullptr, nullptr);
        if (rc == SQLITE_OK) {
            budget_.Refill();  // the lock was ours: whoever held it is done
            return true;
        }
        lastError_ = rc;
        sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }

private:
    SqliteHandle db_;
    std::uint32_t hive_;
    QString path_;
    bool inTransaction_;
    BusyBudget& budget_;
    int& lastError_;
};

// The store is the user's alone: one of theirs that others may read (made
// by an older version, or copied in) is made so again when it is opened.
// Only others' permissions go; the owner's stay as the owner set them (a
// store made read-only stays read-only).
void KeepPrivate(const QByteArray& path) {
    struct stat status {};
    if (::lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
        (status.st_mode & 077) != 0)
        ::chmod(path.constData(), status.st_mode & 0700);
}

// Moves a damaged settings file (or whatever stands at its path) aside so a fresh
// one can be started. It is never deleted.
// Gives the name it was kept under, or the empty text when it could not be moved.
QString MoveAside(const QString& path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) != 0)
        return {};
    // A hot journal belongs to the damaged file, not to the fresh one.
    const QString journal = path + QStringLiteral("-journal");
    if (QFileInfo::exists(journal))
        ::rename(QFile::encodeName(journal).constData(), QFile::encodeName(target + "-journal").constData());
    return target;
}

// Another program's database is not ours to write into: a table that is not
// one of ours, or one of ours laid out otherwise, shows it. (An empty file is
// a fresh store.)
bool IsAnotherProgramsDatabase(sqlite3* db) {
    Statement tables = Prepare(db, "SELECT name FROM sqlite_master WHERE type = 'table'");
    if (!tables) return false;  // unreadable: the caller's own checks say why
    while (sqlite3_step(tables.get()) == SQLITE_ROW) {
        const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(tables.get(), 0)));
        const char* columns = name == QLatin1String("keys")           ? "SELECT hive, path FROM keys LIMIT 0"
                              : name == QLatin1String("named_values") ? "SELECT hive, path, name, type, data FROM named_values LIMIT 0"
                                                                      : nullptr;
        if (!columns || !Prepare(db, columns)) return true;
    }
    return false;
}

// Where a link at the settings' path leads, when it leads to a store of the
// user's own (people keep their settings in a dotfiles folder): a regular
// file they own that is empty or holds a Quillon store. Empty otherwise.
QString LinkedStore(const QString& link) {
    const QString target = QFileInfo(link).canonicalFilePath();
    if (target.isEmpty()) return {};
    const QByteArray file = QFile::encodeName(target);
    struct stat status {};
    if (::lstat(file.constData(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) return {};
    if (status.st_size == 0) return target;
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(file.constData(), &raw, SQLITE_OPEN_READONLY | kOpenFlags, nullptr);
    const SqliteHandle db(raw);
    if (rc != SQLITE_OK || IsAnotherProgramsDatabase(db.get())) return {};
    // Ours holds our tables; a file that is no database has none to show.
    Statement ours = Prepare(db.get(), "SELECT 1 FROM named_values LIMIT 0");
    return ours ? target : QString();
}

// The file the store is kept in: the path itself, or where a link there leads
// when it leads to a store of the user's own. A link that leads elsewhere is
// kind Link, and no file.
QString StorePath(const QString& databasePath, FileKind* kind) {
    *kind = KindOfFile(QFile::encodeName(databasePath));
    if (*kind != FileKind::Link) return databasePath;
    const QString target = LinkedStore(databasePath);
    if (!target.isEmpty()) *kind = KindOfFile(QFile::encodeName(target));
    return target;
}

struct CreateResult {
    std::unique_ptr<RegistryKey> key;
    int error = SQLITE_OK;
};

CreateResult TryCreateKey(const QString& databasePath, std::uint32_t hive, const QStringList& parts,
                          BusyBudget& budget, int& lastError) {
    const QByteArray file = QFile::encodeName(databasePath);
    // The file is private to the user from its first byte.
    if (KindOfFile(file) == FileKind::Absent) {
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0) ::close(fd);
    }
    int rc = SQLITE_OK;
    SqliteHandle db = OpenDatabase(file, SQLITE_OPEN_READWRITE, budget, &rc);
    if (!db) return {nullptr, rc};
    // Kept aside as a damaged store is, never written into.
    if (IsAnotherProgramsDatabase(db.get())) return {nullptr, SQLITE_NOTADB};
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
    return {std::make_unique<SqliteKey>(std::move(db), hive, parts.join(QLatin1Char('\\')), true, budget, lastError),
            SQLITE_OK};
}

}  // namespace

SqliteRegistryBackend::SqliteRegistryBackend(QString databasePath, long long busyWaitMs)
    : databasePath_(std::move(databasePath)), busyBudget_(busyWaitMs) {}

QString SqliteRegistryBackend::DefaultDatabasePath() {
    return QuillonFolder(XdgBase::Config) + QStringLiteral("/registry.sqlite3");
}

// One thread owns the store (the window's): its busy budget and notice are
// its own, and another thread reaches it through the owner. Checked in debug
// builds.
void SqliteRegistryBackend::CheckOwnerThread() const {
    Q_ASSERT_X(std::this_thread::get_id() == owner_, "SqliteRegistryBackend",
               "the store is used on another thread than the one that made it");
}

std::unique_ptr<RegistryKey> SqliteRegistryBackend::OpenKey(std::uint32_t hive, const QString& path,
                                                            LookupResult& result) {
    CheckOwnerThread();
    FileKind kind = FileKind::Unknown;
    const QByteArray file = QFile::encodeName(StorePath(databasePath_, &kind));
    switch (kind) {
        case FileKind::Absent:
        case FileKind::NotAStore:
            result = LookupResult::Missing;
            return nullptr;
        case FileKind::Link:
            SayLinkNotUsed();
            [[fallthrough]];
        case FileKind::Unknown:
            // A link that leads elsewhere is left as it is, and not used.
            result = LookupResult::Failed;
            return nullptr;
        case FileKind::Regular:
            KeepPrivate(file);
            break;
    }
    // Read-write, though only read: a writer killed mid-commit leaves a hot
    // journal that only a connection able to write can roll back, and until
    // then nothing may be read. A read-only file still opens, for reading.
    // Without SQLITE_OPEN_CREATE a read never makes a file.
    int rc = SQLITE_OK;
    SqliteHandle db = OpenDatabase(file, SQLITE_OPEN_READWRITE, busyBudget_, &rc);
    if (!db) {
        result = LookupOfError(lastError_ = rc);
        return nullptr;
    }
    Statement statement = Prepare(db.get(), "SELECT 1 FROM keys WHERE hive = ? AND path = ?");
    if (!statement) {
        // An empty file is a database without tables: nothing is stored yet.
        const int error = sqlite3_errcode(db.get());
        if (error != SQLITE_ERROR) lastError_ = error;
        result = error == SQLITE_ERROR ? LookupResult::Missing : LookupOfError(error);
        return nullptr;
    }
    const QString normalised = PathParts(path).join(QLatin1Char('\\'));
    sqlite3_bind_int64(statement.get(), 1, hive);
    BindText(statement.get(), 2, normalised);
    rc = sqlite3_step(statement.get());
    if (rc != SQLITE_ROW) {
        if (rc != SQLITE_DONE) lastError_ = rc;
        result = rc == SQLITE_DONE ? LookupResult::Missing : LookupOfError(rc);
        return nullptr;
    }
    statement.reset();
    result = LookupResult::Found;
    return std::make_unique<SqliteKey>(std::move(db), hive, normalised, false, busyBudget_, lastError_);
}

std::unique_ptr<RegistryKey> SqliteRegistryBackend::CreateKey(std::uint32_t hive, const QString& path) {
    CheckOwnerThread();
    const QStringList parts = PathParts(path);
    if (parts.isEmpty()) return nullptr;
    QDir().mkpath(QFileInfo(databasePath_).absolutePath());

    FileKind kind = FileKind::Unknown;
    const QString store = StorePath(databasePath_, &kind);
    // Nothing is written through a link that leads elsewhere, nor is it moved.
    if (kind == FileKind::Link) SayLinkNotUsed();
    if (kind == FileKind::Unknown || kind == FileKind::Link) return nullptr;
    const QByteArray file = QFile::encodeName(store);
    // Something that is no store stands where the settings file belongs (a
    // folder, a FIFO): keep it aside and start a fresh file.
    if (kind == FileKind::NotAStore && !KeepAside(store)) return nullptr;

    if (kind == FileKind::Regular) KeepPrivate(file);
    CreateResult result = TryCreateKey(store, hive, parts, busyBudget_, lastError_);
    if (result.key) return std::move(result.key);
    // A file that is not a database, or a broken one: the same, once.
    if (IsDamagedFileError(result.error) && kind == FileKind::Regular && KeepAside(store))
        result = TryCreateKey(store, hive, parts, busyBudget_, lastError_);
    if (!result.key) lastError_ = result.error;
    return std::move(result.key);
}

StoreTrouble SqliteRegistryBackend::Trouble() {
    CheckOwnerThread();
    // The file, else the folder it is kept in, made by another user (a run
    // under sudo, say) whom this one may not read or write after. Looked at
    // first: a file that cannot be opened at all was not busy.
    const QString folder = QFileInfo(databasePath_).absolutePath();
    for (const auto& [path, access] : {std::pair{databasePath_, R_OK | W_OK}, std::pair{folder, W_OK | X_OK}}) {
        const QByteArray file = QFile::encodeName(path);
        struct stat status {};
        if (::lstat(file.constData(), &status) == 0 && status.st_uid != ::geteuid() &&
            ::faccessat(AT_FDCWD, file.constData(), access, AT_EACCESS) != 0)
            return {StoreTrouble::Kind::AnotherUsersFile, path};
    }
    const int primary = lastError_ & 0xFF;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) return {StoreTrouble::Kind::Busy, databasePath_};
    return {StoreTrouble::Kind::Unknown, databasePath_};
}

void SqliteRegistryBackend::SayLinkNotUsed() {
    if (std::exchange(linkNoticed_, true)) return;
    notice_ = QCoreApplication::translate("Settings",
                                          "The settings file %1 is a link to something that is not Quillon's "
                                          "settings; it is left as it is, and the options are not stored.")
                  .arg(databasePath_);
}

// The user learns where the file went: it is theirs, and never deleted.
bool SqliteRegistryBackend::KeepAside(const QString& store) {
    const QString kept = MoveAside(store);
    if (kept.isEmpty()) return false;
    notice_ = QCoreApplication::translate("Settings",
                                          "The settings file %1 could not be used as Quillon's; it was kept as %2, "
                                          "and a fresh one was started.")
                  .arg(store, QFileInfo(kept).fileName());
    return true;
}

bool BusyBudget::Wait() {
    if (!waiting_) return false;
    using namespace std::chrono;
    const auto now = steady_clock::now();
    // The budget grows back slowly with time, so one held lock costs the
    // program a bounded wait in all, not one wait per call.
    leftMs_ = std::min(maxMs_, leftMs_ + duration_cast<milliseconds>(now - lastSeen_).count() / kRegrowthDivisor);
    lastSeen_ = now;
    if (leftMs_ <= 0) return false;
    std::this_thread::sleep_for(milliseconds(kStepMs));
    const auto after = steady_clock::now();
    leftMs_ -= duration_cast<milliseconds>(after - now).count();
    lastSeen_ = after;
    return true;
}

void BusyBudget::Refill() {
    leftMs_ = maxMs_;
    lastSeen_ = std::chrono::steady_clock::now();
}

}  // namespace quillon
