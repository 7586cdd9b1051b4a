// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/text/TextEngine.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

#include <atomic>
#include <mutex>

namespace quillon {

namespace {

constexpr const char* kModuleName = "libquillon-text-engine.so";

// Found from the program's own folder, in the build tree and when installed
// alike: <prefix>/bin/../lib/<architecture>/quillon.
QString ModulePath() {
    const QString program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return QDir(QFileInfo(program).absolutePath() + QStringLiteral("/" QUILLON_MODULE_DIR)).absoluteFilePath(kModuleName);
}

std::atomic<const TextEngine*> loaded{nullptr};

}  // namespace

const TextEngine* LoadTextEngine(QString* error) {
    static std::once_flag once;
    static QString failure;
    std::call_once(once, [] {
        const QString path = ModulePath();
        void* module = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            failure = QCoreApplication::translate("Imaging", "The text-recognition engine could not be loaded (%1).")
                          .arg(QString::fromLocal8Bit(::dlerror()));
            return;
        }
        // Never unloaded: its engines and caches live until the program ends.
        const auto entry = reinterpret_cast<decltype(&QuillonTextEngine)>(::dlsym(module, "QuillonTextEngine"));
        const TextEngine* engine = entry ? entry() : nullptr;
        if (!engine) {
            failure = QCoreApplication::translate("Imaging", "The text-recognition engine %1 is not one this program can use.").arg(path);
            return;
        }
        loaded.store(engine);
    });
    const TextEngine* engine = loaded.load();
    if (!engine && error) *error = failure;
    return engine;
}

const TextEngine* LoadedTextEngine() { return loaded.load(); }

}  // namespace quillon
