// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/RegistryStore.h"
#include "settings/SqliteRegistryBackend.h"

#include "FakeScannerLibrary.h"
#include "ScriptedScannerDialogs.h"
#include "ScriptedUserInterface.h"
#include "TempDir.h"

namespace quillon::testing {

// What a scan job runs with besides its library: a store in a folder of its
// own, scripted dialogs and answers, and option controls set by the test.
struct JobHarness {
    JobHarness() { ui.desktopFolder = temp.path(); }

    TempDir temp;
    SqliteRegistryBackend backend{temp.File("registry.sqlite3")};
    RegistryStore store{backend};
    ScriptedUserInterface ui;
    FakeOptionControls controls;
    ScriptedScannerDialogs dialogs;
};

}  // namespace quillon::testing
