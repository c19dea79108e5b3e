// The cancellation scope of each thread.
#include "core/text/work_cancellation.h"

#include <utility>

namespace quorvelle {
namespace {

// The innermost scope of this thread's work, if any.
thread_local const CancellationScope* currentScope = nullptr;

} // namespace

CancellationScope::CancellationScope(CancellationQuery cancelled)
    : cancelled_(std::move(cancelled))
    , outer_(currentScope)
{
    currentScope = this;
}

CancellationScope::~CancellationScope()
{
    currentScope = outer_;
}

void stopIfCancelled()
{
    if (currentScope && currentScope->cancelled_())
        throw WorkCancelled();
}

} // namespace quorvelle
