#include "settings/SqliteRegistryBackend.h"
#include "settings/RegistryStore.h"

#include "../common/NamedCases.h"
#include "../common/TempDir.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sqlite3.h>

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
    const bool isFolder = QFileInfo(databasePath()).isDir();
    QByteArray before;
    if (!isFolder) {
        QFile file(databasePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        before = file.readAll();
    }

    EXPECT_EQ(store().Get("DPI"), "Not Found");
    store().Set("DPI", " 4");
    EXPECT_EQ(store().Get("DPI"), " 4");

    const QStringList aside = MovedAside(folder);
    ASSERT_EQ(aside.size(), 1);
    if (!isFolder) {
        QFile kept(folder + "/" + aside.first());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), before);
    } else {
        EXPECT_TRUE(QFileInfo(folder + "/" + aside.first()).isDir());
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

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamagedSettingsFileTest,
    ::testing::Values(
        DamagedFile{"Garbage", [](const QString& p) { WriteFile(p, QByteArray(5000, 'g')); }},
        DamagedFile{"Truncated", MakeTruncatedDatabase},
        DamagedFile{"FolderInItsPlace", [](const QString& p) { QDir().mkpath(p); }}),
    testing::NameOfCase());

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

}  // namespace
}  // namespace quillon
