// SPDX-License-Identifier: GPL-3.0-or-later
// Built into the test program under ThreadSanitizer only.
//
// QProcess starts a program with clone(CLONE_VM | CLONE_VFORK): the child
// runs in the parent's memory, on the starting thread's own thread-local
// storage, until it executes the program. The sanitizer's clone interceptor
// takes every clone that is not a thread for a fork, and does in the child
// what it does after a fork: it puts "the child's" thread into ignore mode
// for good and forgets every file descriptor's history. With CLONE_VM that
// state is the parent's, so after the first program a test starts, the
// thread that started it is ignored: a true race of that thread goes
// unseen, its locks no longer order anything for the sanitizer, and a file
// it opens and hands to another thread under a lock is reported as a race
// on the descriptor, with no stack for the open.
//
// So here the child gets memory of its own: the same clone without CLONE_VM,
// an ordinary fork as the sanitizer expects, still waited for until it has
// executed the program (CLONE_VFORK). The Qt program-starting code works
// with a copy as with shared memory: it tells the parent about the start
// through a pipe, never through memory.
#include <cstdarg>

#include <dlfcn.h>
#include <sched.h>
#include <sys/types.h>

extern "C" int clone(int (*run)(void*), void* stack, int flags, void* argument, ...) {
    // The three optional arguments are read as glibc's own clone reads them,
    // whether or not the flags use them; they are passed on unchanged.
    va_list rest;
    va_start(rest, argument);
    pid_t* parentTid = va_arg(rest, pid_t*);
    void* tls = va_arg(rest, void*);
    pid_t* childTid = va_arg(rest, pid_t*);
    va_end(rest);
    using Clone = int (*)(int (*)(void*), void*, int, void*, ...);
    // The sanitizer's clone, which goes on to the C library's.
    static const auto next = reinterpret_cast<Clone>(::dlsym(RTLD_NEXT, "clone"));
    if ((flags & CLONE_VM) && !(flags & CLONE_THREAD)) flags &= ~CLONE_VM;
    return next(run, stack, flags, argument, parentTid, tls, childTid);
}
