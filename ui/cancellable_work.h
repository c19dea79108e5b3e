// Computing in a worker thread work that stops once its future is cancelled.
#pragma once

#include "core/text/work_cancellation.h"

#include <QFuture>
#include <QPromise>
#include <QThreadPool>
#include <QtConcurrent>

#include <type_traits>
#include <utility>

namespace quorvelle::ui {

/// Gives promise what compute makes, in the calling thread, under a cancellation scope tied to
/// the promise's future: once the future is cancelled (« Annuler » in the wait dialog, its text
/// replaced), the core's checks in compute throw, the work unwinds and lets go of what it held,
/// and the future ends without a result. Work cancelled before it starts does not start. What
/// else compute throws is thrown here.
template <class Result, class Compute>
void fulfilUnlessCancelled(QPromise<Result>& promise, Compute&& compute)
{
    if (promise.isCanceled())
        return;
    const CancellationScope scope([&promise] { return promise.isCanceled(); });
    try {
        promise.addResult(compute());
    } catch (const WorkCancelled&) {
    }
}

/// What compute() makes, in a worker thread of pool (the global one unless told); cancelling the
/// future gives it up (see fulfilUnlessCancelled). Every report a window computes off the
/// interface thread goes through here or through computeWhenAnalysed.
template <class Compute>
auto runCancellable(Compute compute, QThreadPool* pool = QThreadPool::globalInstance())
    -> QFuture<std::invoke_result_t<Compute&>>
{
    using Result = std::invoke_result_t<Compute&>;
    return QtConcurrent::run(pool, [compute = std::move(compute)](QPromise<Result>& promise) mutable {
        fulfilUnlessCancelled(promise, compute);
    });
}

} // namespace quorvelle::ui
