// Giving up long work: the checks a computation makes between chunks of its work, and the scope
// that tells the checks of a thread whether its work has been given up.
#pragma once

#include <algorithm>
#include <cstddef>
#include <exception>
#include <functional>
#include <vector>

namespace quorvelle {

/// Thrown by stopIfCancelled once the work of its thread has been given up. The work lets it
/// through, keeping nothing: unwinding frees what it held.
class WorkCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "work cancelled"; }
};

/// Throws WorkCancelled when the work of this thread has been given up (see CancellationScope);
/// nothing in a thread without a scope, such as the command line's. A thread-local read, and a
/// call when there is a scope: check between chunks of work, not for every item of a hot loop.
void stopIfCancelled();

/// Whether the work of a thread has been given up. Called by that thread between chunks of its
/// work while another thread may give the work up at any moment: it reads an atomic state.
using CancellationQuery = std::function<bool()>;

/// While it lives, the checks of the thread that made it (stopIfCancelled) throw WorkCancelled
/// once cancelled says so, so that no computation needs a parameter to be given up. Scopes
/// nest: the outer one holds again once the inner one ends.
class CancellationScope {
public:
    explicit CancellationScope(CancellationQuery cancelled);
    ~CancellationScope();
    CancellationScope(const CancellationScope&) = delete;
    CancellationScope& operator=(const CancellationScope&) = delete;

    friend void stopIfCancelled();

private:
    CancellationQuery cancelled_;
    const CancellationScope* outer_;
};

/// The items of work (forms, occurrences, rows) a loop goes through between two checks: some
/// 400 KB of text, a millisecond or two of the slowest loops, and a check too rare to cost
/// anything measurable.
inline constexpr std::size_t cancellationChunk = std::size_t{1} << 16;

/// stopIfCancelled at the start of each chunk of a loop over index: at 0, cancellationChunk,
/// twice that... One test of the index otherwise.
inline void stopIfCancelledEveryChunk(std::size_t index)
{
    if (index % cancellationChunk == 0)
        stopIfCancelled();
}

/// Calls work(begin, end) on the consecutive ranges of [0, size), cancellationChunk items each
/// but the last, checking (stopIfCancelled) before each: the loop of each range stays as tight
/// as it was.
template <class Work>
void forEachChunkUnlessCancelled(std::size_t size, Work&& work)
{
    for (std::size_t begin = 0; begin < size; begin += cancellationChunk) {
        stopIfCancelled();
        work(begin, begin + std::min(cancellationChunk, size - begin));
    }
}

/// A vector of size copies of value, filled a chunk at a time with a check before each
/// (forEachChunkUnlessCancelled): the first touch of a buffer of a hundred megabytes takes
/// the system tenths of a second, page after page.
template <class T>
std::vector<T> filledUnlessCancelled(std::size_t size, const T& value)
{
    std::vector<T> filled;
    filled.reserve(size);
    forEachChunkUnlessCancelled(size, [&](std::size_t, std::size_t end) { filled.resize(end, value); });
    return filled;
}

/// Counts the items of a loop whose index is not at hand, and checks at the first of them, then
/// once every cancellationChunk: work already given up does not start.
class CancellationCountdown {
public:
    /// Counts one item; at each check (stopIfCancelled), says true.
    bool countItem()
    {
        if (--left_ != 0)
            return false;
        left_ = cancellationChunk;
        stopIfCancelled();
        return true;
    }

private:
    std::size_t left_ = 1;
};

} // namespace quorvelle
