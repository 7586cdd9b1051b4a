// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store under kill -9: the writer half and the checker half of
// bench/store_kill_soak.sh.
//
//   store_soak write DB        writes option values forever, printing
//                              "try NAME VALUE" before each write and
//                              "ok NAME VALUE" once it is committed
//   store_soak check DB LOG    checks that every value acknowledged in LOG
//                              (or one tried after it) reads back
#include "settings/RegistryStore.h"
#include "settings/SqliteRegistryBackend.h"

#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QStringList>

#include <cstdio>

using namespace quillon;

namespace {

// Values the window loads as themselves, so starting it must store nothing
// new: formats that allow several pages, and no WIA (either would make the
// window reset two options, as it should).
struct SoakOption {
    const char* name;
    int values;
};
constexpr SoakOption kOptions[] = {{"ScanType", 3}, {"DPI", 6}, {"DuplexSetting", 2}, {"PageRejectionCoverage", 50},
                                   {"PaperSize", 3}, {"Quality", 6}, {"AllowMultiplePages", 2}, {"TryADFFirst", 2},
                                   {"AutoCrop", 2}, {"AutoDeskew", 2}, {"AutoContrast", 2}};

int Write(const QString& database) {
    SqliteRegistryBackend backend(database);
    RegistryStore store(backend);
    store.Set("Format", " 1");
    store.Set("WIA", " 0");
    for (;;) {
        const SoakOption& option = kOptions[QRandomGenerator::global()->bounded(int(std::size(kOptions)))];
        const QString value = QStringLiteral(" %1").arg(QRandomGenerator::global()->bounded(option.values));
        std::printf("try %s %s\n", option.name, qPrintable(value));
        std::fflush(stdout);
        // Acknowledged only when the commit succeeded, as SetRegistryString's caller cannot tell.
        const std::unique_ptr<RegistryKey> key = backend.CreateKey(kHkeyCurrentUser, kQuillonKeyPath);
        QByteArray data = value.toUtf8();
        data.append('\0');
        const bool stored = key && key->SetValue(QString::fromLatin1(option.name), RegistryValue{kRegSz, data}) && key->Flush();
        std::printf("%s %s %s\n", stored ? "ok" : "failed", option.name, qPrintable(value));
        std::fflush(stdout);
    }
}

int Check(const QString& database, const QString& logPath) {
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly)) return std::fprintf(stderr, "no log %s\n", qPrintable(logPath)), 2;
    // Per name: the last acknowledged value (none yet: "Not Found"), and those
    // tried after it. LOG holds every round, so the history is whole.
    QMap<QString, QStringList> allowed;
    for (const QByteArray& line : log.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 4) continue;  // the last line may be cut by the kill
        const QString name = QString::fromLatin1(parts[1]);
        const QString value = QStringLiteral(" ") + QString::fromLatin1(parts[3]);
        if (!allowed.contains(name)) allowed[name] = {kNotFound};
        if (parts[0] == "ok") allowed[name] = {value};
        else allowed[name].append(value);
    }
    SqliteRegistryBackend backend(database);
    RegistryStore store(backend);
    int wrong = 0;
    for (auto it = allowed.cbegin(); it != allowed.cend(); ++it) {
        const RegistryStore::Reading reading = store.Read(it.key());
        if (!it.value().contains(reading.text)) {
            std::printf("%s reads '%s'%s, acknowledged '%s'\n", qPrintable(it.key()), qPrintable(reading.text),
                        reading.failed ? " (unreadable)" : "", qPrintable(it.value().join("' or '")));
            ++wrong;
        }
    }
    return wrong == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i) list.append(QString::fromLocal8Bit(argv[i]));
        return list;
    }();
    if (arguments.size() == 2 && arguments[0] == "write") return Write(arguments[1]);
    if (arguments.size() == 3 && arguments[0] == "check") return Check(arguments[1], arguments[2]);
    std::fprintf(stderr, "usage: store_soak write DB | store_soak check DB LOG\n");
    return 2;
}
