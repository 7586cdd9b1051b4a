// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <QVariant>

#include <condition_variable>
#include <mutex>
#include <type_traits>
#include <utility>

namespace quillon {

// Set on the window once it has closed: from then on no dialog opens over
// it, and what a dialog would ask is answered as by a user who has gone.
inline constexpr char kWindowClosedProperty[] = "quillonWindowClosed";
inline bool WindowClosed(const QObject* window) { return window && window->property(kWindowClosedProperty).toBool(); }

// A call queued for the window's thread (the context's) from another. Qt
// hands the call over under locks of its own, which ThreadSanitizer cannot
// see, as Qt is not built with it; the call, made on the posting thread,
// would then seem to be read on the window's thread unordered. So the poster
// also holds a lock of ours while Qt makes and queues the call, and the call
// takes that lock before it runs: the same order, visible to the sanitizer.
inline std::mutex& WindowCallPosting() {
    static std::mutex posting;
    return posting;
}

template <typename F>
void PostToWindowThread(QObject* context, F&& f) {
    const std::lock_guard posting(WindowCallPosting());
    QMetaObject::invokeMethod(
        context,
        [f = std::forward<F>(f)]() mutable {
            { const std::lock_guard posted(WindowCallPosting()); }
            f();
        },
        Qt::QueuedConnection);
}

// Runs f on the thread of the window (the context's thread) and waits for
// its result: the scan job, on a thread of its own, reaches widgets only so.
// On the window's thread itself it simply calls f. The hand-over is a queued
// call and a wait of our own (not Qt's blocking connection), so that every
// step of it is visible to ThreadSanitizer.
template <typename F>
auto OnWindowThread(QObject* context, F&& f) -> std::invoke_result_t<F> {
    using Result = std::invoke_result_t<F>;
    if (!context || QThread::currentThread() == context->thread()) return f();
    struct Handover {
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
    } handover;
    [[maybe_unused]] std::conditional_t<std::is_void_v<Result>, bool, Result> result{};
    PostToWindowThread(context, [&] {
        if constexpr (std::is_void_v<Result>) f();
        else result = f();
        // Told while the lock is held: once it is let go, the waiting
        // side may end, and nothing here touches the hand-over again.
        const std::lock_guard lock(handover.mutex);
        handover.finished = true;
        handover.done.notify_all();
    });
    std::unique_lock lock(handover.mutex);
    handover.done.wait(lock, [&] { return handover.finished; });
    if constexpr (!std::is_void_v<Result>) return result;
}

}  // namespace quillon
