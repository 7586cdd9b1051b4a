// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/PrepareScannerBackends.h"

#include <malloc.h>
#include <pthread.h>

namespace quillon {

namespace {
constexpr int kMallocMappingThreshold = 128 * 1024;  // glibc's own starting value
}  // namespace

void PrepareScannerBackends() {
    // Some backends end their reader thread with an asynchronous cancel, which
    // can strike while that thread frees its buffer. A buffer taken from a
    // malloc arena leaves the arena's lock held and the thread hangs on its
    // way out; a buffer of its own mapping is freed without a lock. glibc
    // raises its mapping threshold as large pages are freed, which would put
    // those buffers in the arenas: it is fixed instead.
    mallopt(M_MMAP_THRESHOLD, kMallocMappingThreshold);
    // The same cancel, the first in the process, has glibc load its unwinder
    // under the dynamic loader's lock, which a cancelled thread can take with
    // it. A thread that ends by unwinding once loads it beforehand.
    pthread_t thread{};
    if (pthread_create(&thread, nullptr, [](void*) -> void* { pthread_exit(nullptr); }, nullptr) == 0)
        pthread_join(thread, nullptr);
}

}  // namespace quillon
