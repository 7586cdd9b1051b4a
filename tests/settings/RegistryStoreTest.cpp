// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SqliteRegistryBackend.h"
#include "settings/RegistryStore.h"

#include "../common/NamedCases.h"
#include "../common/TempDir.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QElapsedTimer>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillon {
namespace {

class RegistryStoreTest : public ::testing::Test {
protected:
    QString databasePath() const { return temp.File(QStringLiteral("config/Quillon/registry.sqlite3")); }
    SqliteRegistryBackend& backend() { return *backend_; }
    RegistryStore& store() { return store_; }

    // Stores raw bytes with a type code, as another program could have done.
    void StoreRaw(const QString& name, std::uint32_t type, const QByteArray& data) {
        auto key = backend().CreateKey(kHkeyCurrentUser, kQuillonKeyPath);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->SetValue(name, RegistryValue{type, data}));
        ASSERT_TRUE(key->Flush());
    }

    int CountRows(const char* sql) {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open_v2(QFile::encodeName(databasePath()).constData(), &db, SQLITE_OPEN_READONLY, nullptr),
                  SQLITE_OK);
        sqlite3_stmt* statement = nullptr;
        int count = -1;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
            count = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return count;
    }

    testing::TempDir temp;
    std::unique_ptr<SqliteRegistryBackend> backend_ = std::make_unique<SqliteRegistryBackend>(databasePath());
    RegistryStore store_{*backend_};
};

TEST_F(RegistryStoreTest, ReadingAMissingKeyGivesNotFoundAndCreatesNothing) {
    EXPECT_EQ(store().Get("DPI"), "Not Found");
    EXPECT_FALSE(QFileInfo::exists(databasePath()));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(databasePath()).absolutePath()));

    store().SetRegistryString(kHkeyCurrentUser, "SOFTWARE\\Other", "DPI", kRegSz, " 3");
    EXPECT_EQ(store().Get("DPI"), "Not Found");
    EXPECT_EQ(CountRows("SELECT count(*) FROM keys WHERE path = 'SOFTWARE\\Quillon'"), 0);
}

TEST_F(RegistryStoreTest, WritingCreatesTheKeyPathAndReadsBackExactly) {
    store().Set("Format", " 3");
    EXPECT_EQ(store().Get("Format"), " 3");
    EXPECT_EQ(CountRows("SELECT count(*) FROM keys WHERE path IN ('SOFTWARE', 'SOFTWARE\\Quillon')"), 2);
    // Stored as the registry keeps text: the bytes and one NUL, counted in the length.
    EXPECT_EQ(CountRows("SELECT length(data) FROM named_values WHERE name = 'Format'"), 3);

    const QString folder = QStringLiteral("/home/ann/Scans é ü/");
    store().Set("LastDirectory", folder);
    EXPECT_EQ(store().Get("LastDirectory"), folder);
    store().Set("Format", " 0");
    EXPECT_EQ(store().Get("Format"), " 0");
}

TEST_F(RegistryStoreTest, EmptyTextIsNotMissing) {
    store().Set("Quality", "");
    EXPECT_EQ(store().Get("Quality"), "");
    EXPECT_EQ(CountRows("SELECT length(data) FROM named_values WHERE name = 'Quality'"), 1);
}

TEST_F(RegistryStoreTest, ValuesLongerThanTheReadBufferAreNotFound) {
    store().Set("A", QString(2047, 'x'));
    EXPECT_EQ(store().Get("A"), QString(2047, 'x'));
    store().Set("B", QString(2048, 'x'));
    EXPECT_EQ(store().Get("B"), "Not Found");
    // The buffer counts bytes: 1024 two-byte letters and the NUL make 2049.
    store().Set("C", QString(1024, QChar(0xE9)));
    EXPECT_EQ(store().Get("C"), "Not Found");
    store().Set("D", QString(1023, QChar(0xE9)) + "x");
    EXPECT_EQ(store().Get("D"), QString(1023, QChar(0xE9)) + "x");
}

TEST_F(RegistryStoreTest, OtherValueTypesReadAsText) {
    store().SetRegistryString(kHkeyCurrentUser, kQuillonKeyPath, "Five", kRegDword, "5");
    store().SetRegistryString(kHkeyCurrentUser, kQuillonKeyPath, "FortyTwo", kRegDword, " 42 ");
    store().SetRegistryString(kHkeyCurrentUser, kQuillonKeyPath, "Large", kRegDword, "123456");
    store().SetRegistryString(kHkeyCurrentUser, kQuillonKeyPath, "Negative", kRegDword, "-1");
    store().SetRegistryString(kHkeyCurrentUser, kQuillonKeyPath, "NotANumber", kRegDword, "abc");
    store().SetRegistryString(kHkeyCurrentUser, kQuillonKeyPath, "TooLarge", kRegDword, "4294967296");
    EXPECT_EQ(store().Get("Five"), "005");
    EXPECT_EQ(store().Get("FortyTwo"), "042");
    EXPECT_EQ(store().Get("Large"), "123456");  // keeps all its digits
    EXPECT_EQ(store().Get("Negative"), "4294967295");
    EXPECT_EQ(store().Get("NotANumber"), "Not Found");
    EXPECT_EQ(store().Get("TooLarge"), "Not Found");

    StoreRaw("Binary", kRegBinary, QByteArray("\x01\x0A\xFF", 3));
    EXPECT_EQ(store().Get("Binary"), "010AFF");
    StoreRaw("NoNul", kRegSz, QByteArray());
    EXPECT_EQ(store().Get("NoNul"), "");
}

TEST_F(RegistryStoreTest, TextStoredByHandWithoutItsNulIsReadWhole) {
    StoreRaw("DPI", kRegSz, QByteArray(" 3"));  // as sqlite3's UPDATE ... SET data=' 3' leaves it
    EXPECT_EQ(store().Get("DPI"), " 3");
    StoreRaw("DPI", kRegSz, QByteArray(" 3\0", 3));
    EXPECT_EQ(store().Get("DPI"), " 3");
}

TEST_F(RegistryStoreTest, NotFoundWrittenReadsLikeAMissingValue) {
    store().Set("DPI", "Not Found");
    EXPECT_EQ(store().Get("DPI"), store().Get("NeverWritten"));
}

TEST_F(RegistryStoreTest, NamesCompareWithoutRegardToCase) {
    store().SetRegistryString(kHkeyCurrentUser, "software\\quillon", "dpi", kRegSz, " 4");
    EXPECT_EQ(store().GetRegistryString(kHkeyCurrentUser, "SOFTWARE\\Quillon", "DPI"), " 4");
    store().Set("DPI", " 5");
    EXPECT_EQ(store().GetRegistryString(kHkeyCurrentUser, "Software\\QUILLON", "Dpi"), " 5");
    EXPECT_EQ(CountRows("SELECT count(*) FROM named_values"), 1);
}

TEST_F(RegistryStoreTest, AnUnknownHiveIsNeverReadOrWritten) {
    store().SetRegistryString(0x1234, kQuillonKeyPath, "DPI", kRegSz, " 3");
    EXPECT_FALSE(QFileInfo::exists(databasePath()));
    store().Set("DPI", " 3");
    EXPECT_EQ(store().GetRegistryString(0x1234, kQuillonKeyPath, "DPI"), "Not Found");
    EXPECT_EQ(store().GetRegistryString(kHkeyLocalMachine, kQuillonKeyPath, "DPI"), "Not Found");
}

TEST_F(RegistryStoreTest, EveryWriteIsCommittedBeforeTheCallReturns) {
    store().Set("DPI", " 4");
    // Another connection sees the value at once, and can write at once: no
    // transaction or lock is left behind.
    SqliteRegistryBackend other(databasePath());
    RegistryStore otherStore(other);
    EXPECT_EQ(otherStore.Get("DPI"), " 4");
    otherStore.Set("Quality", " 5");
    EXPECT_EQ(store().Get("Quality"), " 5");
}

TEST_F(RegistryStoreTest, TheFileIsPrivateAndLivesUnderTheConfigFolder) {
    store().Set("DPI", " 3");
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(databasePath()).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    // One that others may read is made private again when it is next opened.
    ::chmod(QFile::encodeName(databasePath()).constData(), 0644);
    EXPECT_EQ(store().Get("DPI"), " 3");
    ASSERT_EQ(::stat(QFile::encodeName(databasePath()).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/srv/cfg");
    EXPECT_EQ(SqliteRegistryBackend::DefaultDatabasePath(), "/srv/cfg/Quillon/registry.sqlite3");
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(SqliteRegistryBackend::DefaultDatabasePath(), QDir::homePath() + "/.config/Quillon/registry.sqlite3");
    qputenv("XDG_CONFIG_HOME", saved);
}

// Whatever unusable thing stands at the file's place, reads give "Not Found",
// and the first write keeps it aside and starts afresh.
struct DamagedFile {
    const char* name;
    std::function<void(const QString& path)> make;
    friend void PrintTo(const DamagedFile& d, std::ostream* out) { *out << d.name; }
};

class DamagedSettingsFileTest : public RegistryStoreTest, public ::testing::WithParamInterface<DamagedFile> {};

QStringList MovedAside(const QString& folder) {
    return QDir(folder).entryList({"registry.sqlite3.damaged-*"}, QDir::AllEntries | QDir::Hidden | QDir::System);
}

TEST_P(DamagedSettingsFileTest, ReadsGiveNotFoundAndTheFirstWriteMovesItAside) {
    const QString folder = QFileInfo(databasePath()).absolutePath();
    QDir().mkpath(folder);
    GetParam().make(databasePath());
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(databasePath()).constData(), &status), 0);
    const bool isFile = S_ISREG(status.st_mode);
    QByteArray before;
    if (isFile) {
        QFile file(databasePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        before = file.readAll();
    }

    EXPECT_EQ(store().Get("DPI"), "Not Found");
    store().Set("DPI", " 4");
    EXPECT_EQ(store().Get("DPI"), " 4");

    const QStringList aside = MovedAside(folder);
    ASSERT_EQ(aside.size(), 1);
    // The user is told once where the file went.
    EXPECT_TRUE(store().TakeNotice().contains("it was kept as " + aside.first())) << aside.first().toStdString();
    EXPECT_EQ(store().TakeNotice(), "");
    struct stat kept {};
    ASSERT_EQ(::lstat(QFile::encodeName(folder + "/" + aside.first()).constData(), &kept), 0);
    EXPECT_EQ(kept.st_mode & S_IFMT, status.st_mode & S_IFMT);  // the same thing, only renamed
    if (isFile) {
        QFile file(folder + "/" + aside.first());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
    }
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A real settings file cut off after its first page.
void MakeTruncatedDatabase(const QString& path) {
    {
        SqliteRegistryBackend backend(path);
        RegistryStore store(backend);
        for (int i = 0; i < 200; ++i) store.Set(QStringLiteral("Value%1").arg(i), QString(100, 'v'));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_GT(file.size(), 8192);
    file.resize(4096 + 100);
}

// Another program's SQLite file at the settings' path: never written into.
void MakeDatabaseWith(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamagedSettingsFileTest,
    ::testing::Values(
        DamagedFile{"Garbage", [](const QString& p) { WriteFile(p, QByteArray(5000, 'g')); }},
        DamagedFile{"Truncated", MakeTruncatedDatabase},
        DamagedFile{"FolderInItsPlace", [](const QString& p) { QDir().mkpath(p); }},
        // Opening a FIFO would block the window for good.
        DamagedFile{"FifoInItsPlace", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p), 0600), 0); }},
        DamagedFile{"AnotherProgramsDatabase",
                    [](const QString& p) { MakeDatabaseWith(p, "CREATE TABLE theirs (x); INSERT INTO theirs VALUES (1);"); }},
        DamagedFile{"ATableOfOurNameLaidOutOtherwise",
                    [](const QString& p) { MakeDatabaseWith(p, "CREATE TABLE named_values (x); INSERT INTO named_values VALUES (1);"); }}),
    testing::NameOfCase());

// A link where the settings belong, as a dotfiles folder makes it: to a store
// of the user's own it is used, writes reaching the file it leads to; to
// anything else it is left as it is and not used, and that file stays as it was.
TEST_F(RegistryStoreTest, ALinkIsUsedOnlyWhenItLeadsToAStoreOfTheUsers) {
    const QString folder = QFileInfo(databasePath()).absolutePath();
    QDir().mkpath(folder);
    QDir().mkpath(folder + "/../dotfiles");
    const QString own = folder + "/../dotfiles/registry.sqlite3";
    {
        SqliteRegistryBackend backend(own);
        RegistryStore(backend).Set("DPI", " 3");
    }
    const QString other = folder + "/../dotfiles/other.sqlite3";
    MakeDatabaseWith(other, "CREATE TABLE theirs (x); INSERT INTO theirs VALUES (1);");
    QFile otherFile(other);
    ASSERT_TRUE(otherFile.open(QIODevice::ReadOnly));
    const QByteArray otherBefore = otherFile.readAll();
    otherFile.close();

    ASSERT_TRUE(QFile::link(own, databasePath()));
    EXPECT_EQ(store().Get("DPI"), " 3");
    store().Set("DPI", " 4");
    SqliteRegistryBackend target(own);
    EXPECT_EQ(RegistryStore(target).Get("DPI"), " 4");
    EXPECT_TRUE(QFileInfo(databasePath()).isSymLink());

    ASSERT_TRUE(QFile::remove(databasePath()));
    ASSERT_TRUE(QFile::link(other, databasePath()));
    EXPECT_TRUE(store().Read("DPI").failed);  // not used: never taken for a store without values
    EXPECT_TRUE(store().TakeNotice().contains(databasePath() + " is a link to something that is not Quillon's"));
    store().Set("DPI", " 5");
    EXPECT_TRUE(QFileInfo(databasePath()).isSymLink());
    ASSERT_TRUE(otherFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(otherFile.readAll(), otherBefore);
    EXPECT_TRUE(MovedAside(folder).isEmpty());
}

TEST_F(RegistryStoreTest, AnEmptyFileIsAFreshDatabaseAndIsKept) {
    QDir().mkpath(QFileInfo(databasePath()).absolutePath());
    WriteFile(databasePath(), QByteArray());
    EXPECT_EQ(store().Get("DPI"), "Not Found");
    store().Set("DPI", " 2");
    EXPECT_EQ(store().Get("DPI"), " 2");
    EXPECT_TRUE(MovedAside(QFileInfo(databasePath()).absolutePath()).isEmpty());
}

TEST_F(RegistryStoreTest, TwoRunningCopiesKeepEveryWriteOfEach) {
    store().Set("Start", "1");
    constexpr int kWritesEach = 40;
    pid_t children[2];
    for (int copy = 0; copy < 2; ++copy) {
        children[copy] = fork();
        ASSERT_GE(children[copy], 0);
        if (children[copy] == 0) {
            SqliteRegistryBackend backend(databasePath());
            RegistryStore own(backend);
            for (int i = 0; i < kWritesEach; ++i)
                own.Set(QStringLiteral("Copy%1_%2").arg(copy).arg(i), QString::number(i));
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int copy = 0; copy < 2; ++copy)
        for (int i = 0; i < kWritesEach; ++i)
            EXPECT_EQ(store().Get(QStringLiteral("Copy%1_%2").arg(copy).arg(i)), QString::number(i));
}

// Runs the body in a child process and fails the test unless it exits 0; the
// body reports a failed check by its exit code.
void InChild(const std::function<int()>& body) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(body());
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the child was killed";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the child's check number " << WEXITSTATUS(status) << " failed";
}

// Makes the process unprivileged where it runs as root (as CI does), so file
// permissions hold for it.
bool DropPrivileges() {
    if (::geteuid() != 0) return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

// A trouble that passes: the store is healthy, and must be neither moved aside
// nor read as empty.
struct PassingTrouble {
    const char* name;
    std::function<void(const QString& path)> prepare;  // in the test, before the child
    std::function<bool()> enter;                       // in the child
    friend void PrintTo(const PassingTrouble& t, std::ostream* out) { *out << t.name; }
};

class PassingTroubleTest : public RegistryStoreTest, public ::testing::WithParamInterface<PassingTrouble> {};

TEST_P(PassingTroubleTest, NeitherMovesTheStoreAsideNorLosesAValue) {
    store().Set("DPI", " 3");
    GetParam().prepare(databasePath());
    QFile file(databasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    InChild([&]() -> int {
        if (!GetParam().enter()) return 1;
        SqliteRegistryBackend backend(databasePath());
        RegistryStore store(backend);
        const RegistryStore::Reading reading = store.Read("DPI");
        // Read normally, or known to be unreadable: never taken for missing.
        if (!(reading.text == " 3" || reading.failed)) return 2;
        store.Set("DPI", " 5");  // fails, silently
        return 0;
    });

    EXPECT_TRUE(MovedAside(QFileInfo(databasePath()).absolutePath()).isEmpty());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    ::chmod(QFile::encodeName(databasePath()).constData(), 0600);
    EXPECT_EQ(store().Get("DPI"), " 3");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PassingTroubleTest,
    ::testing::Values(
        PassingTrouble{"ReadOnlyFile",
                       [](const QString& p) {
                           ::chmod(QFile::encodeName(p).constData(), 0444);
                           // An unprivileged user must reach the file, not write the folder.
                           testing::LetOthersReach(QFileInfo(p).absolutePath());
                       },
                       [] { return DropPrivileges(); }},
        PassingTrouble{"NoFileDescriptorLeft", [](const QString&) {},
                       [] {
                           while (::open("/dev/null", O_RDONLY) >= 0) {
                           }
                           return errno == EMFILE;
                       }}),
    testing::NameOfCase());

TEST_F(RegistryStoreTest, AWriterKilledMidTransactionLeavesEveryCommittedValueReadable) {
    for (int i = 0; i < 20; ++i) store().Set(QStringLiteral("Kept%1").arg(i), QString::number(i));
    // A writer whose changes spill into the file before it dies without
    // committing: what it leaves is a hot journal beside a changed file.
    InChild([&]() -> int {
        sqlite3* db = nullptr;
        if (sqlite3_open(QFile::encodeName(databasePath()).constData(), &db) != SQLITE_OK) return 1;
        sqlite3_exec(db, "PRAGMA cache_size=1; BEGIN", nullptr, nullptr, nullptr);
        for (int i = 0; i < 400; ++i) {
            const QByteArray sql = "UPDATE named_values SET data = randomblob(900) WHERE name = 'Kept" +
                                   QByteArray::number(i % 20) + "'; INSERT INTO named_values VALUES (2147483649,"
                                   "'SOFTWARE\\Quillon', 'Lost" + QByteArray::number(i) + "', 1, randomblob(900));";
            if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) return 2;
        }
        _exit(0);  // killed: no commit, no rollback
    });
    ASSERT_TRUE(QFileInfo::exists(databasePath() + "-journal"));

    for (int i = 0; i < 20; ++i) EXPECT_EQ(store().Get(QStringLiteral("Kept%1").arg(i)), QString::number(i));
    EXPECT_EQ(store().Get("Lost7"), "Not Found");
    EXPECT_FALSE(store().Read("Lost7").failed);
}

TEST_F(RegistryStoreTest, ALockHeldByAnotherProgramCostsABoundedWaitInAll) {
    store().Set("DPI", " 3");
    int ready[2], release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        ::close(release[1]);  // so the test's close is seen as the end
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(databasePath()).constData(), &db);
        const bool locked = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
        char byte = locked ? 'L' : 'F';
        if (::write(ready[1], &byte, 1) != 1) _exit(1);
        (void)!::read(release[0], &byte, 1);  // holds the lock until the test lets go
        _exit(0);
    }
    ::close(release[0]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'L');

    // What the window does at start: a read and a write for each of 13 options.
    // Each call used to wait ten seconds.
    QElapsedTimer timer;
    timer.start();
    int failedReads = 0;
    for (int i = 0; i < 13; ++i) {
        failedReads += store().Read("DPI").failed ? 1 : 0;
        store().Set("DPI", " 5");
    }
    const qint64 waited = timer.elapsed();
    EXPECT_EQ(failedReads, 13);  // unreadable, not missing
    EXPECT_LT(waited, 5000);

    ::close(release[1]);
    int status = 0;
    ASSERT_EQ(waitpid(holder, &status, 0), holder);
    store().Set("Quality", " 1");
    EXPECT_EQ(store().Get("Quality"), " 1");
    EXPECT_EQ(store().Get("DPI"), " 3");
}

}  // namespace
}  // namespace quillon
