// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrepareProcess.h"

#include "scan/imaging/ImagingLibraries.h"
#include "scan/sane/PrepareScannerBackends.h"
#include "support/OpenFileRoom.h"

#include <cstdio>

namespace quillon {

namespace {

// What the window's connection, the desktop's buses, a backend, the page
// workers and the output file take together, with room to spare; a limit
// below it is raised where the system allows, and the programs need at
// least the smaller number to start.
constexpr int kOpenFilesWanted = 1024;
constexpr int kOpenFilesToStart = 64;

}  // namespace

bool RoomToRun(const char* program) {
    const QString shortage = OpenFileShortage(kOpenFilesToStart);
    if (shortage.isEmpty()) return true;
    std::fprintf(stderr,
                 "%s cannot start: the system lets it open too few files (%s). "
                 "It needs at least %d more; raise the limit with ulimit -n.\n",
                 program, qPrintable(shortage), kOpenFilesToStart);
    return false;
}

void PrepareProcess() {
    MakeRoomForOpenFiles(kOpenFilesWanted);
    // Before any thread or backend: the allocator's setting and the loaded
    // unwinder keep a backend's cancelled reader thread from hanging.
    PrepareScannerBackends();
    // Before any page: libtiff's and Leptonica's messages, the engine's threads, SIGXFSZ.
    PrepareImagingLibraries();
    // How the programs end (EndProcess) is the other process-wide choice: it
    // leaves out the loaded libraries' finalizers, see EndProcess.h.
}

}  // namespace quillon
