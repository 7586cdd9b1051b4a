// SPDX-License-Identifier: GPL-3.0-or-later
// Tests run with real widgets on Qt's offscreen platform.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/PrepareProcess.h"
#include "common/StallReport.h"
#include "support/EndProcess.h"

#include <gtest/gtest.h>
#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

#ifdef QUILLON_SANE_TEST_BACKEND
#include <dlfcn.h>
#endif

int main(int argc, char** argv) {
    quillon::PrepareProcess();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests read the program's English and its numbers, whatever the
    // machine's language; the programs they start inherit it.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", "/tmp");
#ifdef QUILLON_SANE_TEST_BACKEND
    // SANE's test and airscan backends leak a little of their own at every
    // sane_exit. Kept loaded, the leaks are reported under the backends'
    // names, which the sanitizer's suppressions (tests/lsan.supp) name;
    // unloaded, they would be an unknown module that no suppression can single out.
    for (const char* backend : {QUILLON_SANE_TEST_BACKEND, QUILLON_SANE_AIRSCAN_BACKEND})
        dlopen(backend, RTLD_NOW | RTLD_NODELETE);
#endif
    int status = 0;
    // Every temporary file and folder of the run, the programs it starts
    // included, goes into one folder that is removed at the end: the process
    // ends without running destructors of statics (EndProcess), which would
    // otherwise leave the folders they hold behind.
    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/quillon_tests-XXXXXX"));
    if (scratch.isValid()) qputenv("TMPDIR", QFile::encodeName(scratch.path()));
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        // Below the runner's 120 s timeout; QUILLON_STALL_SECONDS changes it.
        const int stallSeconds = qEnvironmentVariableIntValue("QUILLON_STALL_SECONDS");
        ::testing::UnitTest::GetInstance()->listeners().Append(
            new quillon::testing::StallReport(std::chrono::seconds(stallSeconds > 0 ? stallSeconds : 90)));
        status = RUN_ALL_TESTS();
    }
    scratch.remove();
#ifdef __SANITIZE_ADDRESS__
    // The leak check would otherwise run at exit, which EndProcess leaves out.
    if (__lsan_do_recoverable_leak_check() != 0 && status == 0) status = 1;
#endif
    quillon::EndProcess(status);
}
