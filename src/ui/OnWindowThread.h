// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <QVariant>

#include <type_traits>
#include <utility>

namespace quillon {

// Set on the window once it has closed: from then on no dialog opens over
// it, and what a dialog would ask is answered as by a user who has gone.
inline constexpr char kWindowClosedProperty[] = "quillonWindowClosed";
inline bool WindowClosed(const QObject* window) { return window && window->property(kWindowClosedProperty).toBool(); }

// Runs f on the thread of the window (the context's thread) and waits for
// its result: the scan job, on a thread of its own, reaches widgets only so.
// On the window's thread itself it simply calls f.
template <typename F>
auto OnWindowThread(QObject* context, F&& f) -> std::invoke_result_t<F> {
    if (!context || QThread::currentThread() == context->thread()) return f();
    if constexpr (std::is_void_v<std::invoke_result_t<F>>) {
        QMetaObject::invokeMethod(context, std::forward<F>(f), Qt::BlockingQueuedConnection);
    } else {
        std::invoke_result_t<F> result{};
        QMetaObject::invokeMethod(context, [&] { result = f(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

}  // namespace quillon
