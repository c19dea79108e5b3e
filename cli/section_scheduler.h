// Which thread of `all --jobs` produces which section, and when each section is written.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace quorvelle::cli {

/// Shares sections 0 to count − 1 among the threads of writeSectionsInOrder, the caller's and
/// its helpers', and writes them in order. Each thread takes a section, streams or renders it
/// without the lock, then finishes it and flushes what is ready, or fails it, or, a helper short
/// of memory, hands it back and stops. Any of these threads may call any operation, which holds
/// the one mutex while it runs: take lets it go while it waits, flushReady while it writes.
///
/// Whenever the mutex is free:
/// - Sections before nextToWrite_ are written, in order. Sections nextToWrite_ to
///   nextToTake_ − 1 are taken: each is being streamed, rendered or written, or waits rendered
///   in rendered_, or waits in handedBack_ to be taken again before any section not yet taken.
/// - The window: nextToTake_ ≤ nextToWrite_ + jobs, so that besides the section whose turn has
///   come, at most jobs − 1 rendered sections wait in memory.
/// - At most one thread holds the output (outputHeld_), and only that thread writes to it: the
///   one that took section nextToWrite_ while the output was free, which streams it, or the one
///   writing the rendered sections whose turn has come. No other section is ever streamed.
/// - The first exception, given to fail or thrown by a write, is kept (failure_); from then on
///   no section is taken or written, every thread's work is over, and writeSectionsInOrder
///   throws it again once its helpers have stopped.
class SectionScheduler {
public:
    /// The caller stays until every section is written; a helper leaves once none is left to take.
    enum class Worker { caller, helper };

    /// A section taken: its taker streams it (its turn had come and the output was free) or
    /// renders it.
    struct Turn {
        std::size_t section = 0;
        bool streams = false;
        bool operator==(const Turn&) const = default;
    };

    using Write = std::function<void(std::size_t section, const std::string& rendered)>;

    /// write, which must outlive the scheduler, writes a rendered section to the output.
    SectionScheduler(std::size_t count, unsigned jobs, const Write& write);

    /// The next section to produce, one handed back first, the earliest; waits while the window
    /// is full. None once the worker's work is over: the run failed or every section is
    /// written, or, for a helper, no section is left to take. As the caller stays until the
    /// end, a section handed back is always taken again.
    std::optional<Turn> take(Worker worker);
    /// take without waiting: none while no section may be taken now.
    std::optional<Turn> tryTake();
    /// Returns a section that a helper short of memory could not render. Needs no memory.
    void handBack(std::size_t section);
    /// Records a section produced: streamed, which frees the output, or rendered.
    void finish(Turn turn, std::string rendered = {});
    /// Writes the rendered sections whose turn has come, in order, unless another thread holds
    /// the output. An exception thrown by a write fails the run.
    void flushReady();
    /// Records an exception thrown while the section was produced, which ends the run.
    void fail(Turn turn, std::exception_ptr error);
    /// Throws the run's first exception again, if there was one.
    void rethrowFailure() const;

private:
    bool isOver(Worker worker) const;
    bool canTake() const;
    Turn takeNext();
    void keepFirstFailure(std::exception_ptr error);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    const std::size_t count_;
    const unsigned jobs_;
    const Write& write_;
    std::vector<std::optional<std::string>> rendered_;
    std::vector<std::size_t> handedBack_; // the earliest last
    std::size_t nextToTake_ = 0;
    std::size_t nextToWrite_ = 0;
    bool outputHeld_ = false;
    std::exception_ptr failure_;
};

} // namespace quorvelle::cli
