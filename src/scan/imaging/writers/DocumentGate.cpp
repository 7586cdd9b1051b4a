// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/writers/DocumentGate.h"

#include <atomic>
#include <set>

#include <unistd.h>

namespace quillon {

namespace {

std::atomic<bool> gClosed{false};
static_assert(std::atomic<bool>::is_always_lock_free, "closed from a signal handler");

// Guards the commits and the tracked names; never taken in a signal handler.
std::mutex& GateMutex() {
    static std::mutex* mutex = new std::mutex;  // lives as long as the process, whatever ends it
    return *mutex;
}

std::set<QByteArray>& Tracked() {
    static auto* tracked = new std::set<QByteArray>;
    return *tracked;
}

}  // namespace

void DocumentGate::Close() noexcept { gClosed.store(true); }

bool DocumentGate::closed() noexcept { return gClosed.load(); }

std::unique_lock<std::mutex> DocumentGate::Pass() {
    std::unique_lock lock(GateMutex());
    if (gClosed.load()) lock.unlock();
    return lock;
}

void DocumentGate::Track(const QByteArray& path) {
    const std::lock_guard lock(GateMutex());
    if (gClosed.load()) ::unlink(path.constData());
    else Tracked().insert(path);
}

void DocumentGate::Untrack(const QByteArray& path) {
    const std::lock_guard lock(GateMutex());
    Tracked().erase(path);
}

void DocumentGate::Abandon() {
    Close();
    const std::lock_guard lock(GateMutex());
    for (const QByteArray& path : Tracked()) ::unlink(path.constData());
    Tracked().clear();
}

}  // namespace quillon
