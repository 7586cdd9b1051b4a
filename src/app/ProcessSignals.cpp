// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProcessSignals.h"

#include "scan/imaging/writers/DocumentGate.h"

#include <atomic>
#include <cerrno>
#include <csignal>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace quillon {

namespace {

using SigactionFunction = int (*)(int, const struct sigaction*, struct sigaction*);

std::atomic<int> gSignal{0};
std::atomic<bool> gGuarding{false};
int gPipe[2] = {-1, -1};

bool Guarded(int signal) { return signal == SIGINT || signal == SIGTERM || signal == SIGHUP; }

// The C library's own sigaction, behind the one this program shows its libraries.
SigactionFunction RealSigaction() {
    static const auto real = reinterpret_cast<SigactionFunction>(dlsym(RTLD_NEXT, "sigaction"));
    return real;
}

void OnEndSignal(int signal) {
    // Async-signal-safe only: atomics and write(2).
    quillon::DocumentGate::Close();
    gSignal.store(signal);
    const int saved = errno;
    const char byte = 1;
    if (gPipe[1] >= 0) [[maybe_unused]] const ssize_t written = ::write(gPipe[1], &byte, 1);
    errno = saved;
}

struct sigaction OurAction() {
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no restart: a question waiting on a terminal ends at once
    return action;
}

}  // namespace

void InstallEndSignals() {
    if (gPipe[0] < 0 && ::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) gPipe[0] = gPipe[1] = -1;
    const SigactionFunction real = RealSigaction();
    const struct sigaction action = OurAction();
    if (!real) return;  // no C library behind: nothing to install
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) real(signal, &action, nullptr);
    gGuarding = true;
}

int EndSignalReceived() { return gSignal.load(); }

int EndSignalPipe() { return gPipe[0]; }

}  // namespace quillon

// What a loaded library calls to set a signal's action. The programs export
// these two (see src/CMakeLists.txt), so a backend's calls reach them rather
// than the C library's.
extern "C" int sigaction(int signal, const struct sigaction* action, struct sigaction* old) noexcept {
    if (action && quillon::Guarded(signal) && quillon::gGuarding) {
        if (old) *old = quillon::OurAction();
        return 0;
    }
    const quillon::SigactionFunction real = quillon::RealSigaction();
    if (!real) return errno = ENOSYS, -1;
    return real(signal, action, old);
}

extern "C" sighandler_t signal(int signal, sighandler_t handler) noexcept {
    struct sigaction action {}, old {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(signal, &action, &old) == 0 ? old.sa_handler : SIG_ERR;
}
