// The bookkeeping behind `all --jobs`, under one mutex.
#include "cli/section_scheduler.h"

#include <algorithm>
#include <utility>

namespace quorvelle::cli {

SectionScheduler::SectionScheduler(std::size_t count, unsigned jobs, const Write& write)
    : count_(count)
    , jobs_(jobs)
    , write_(write)
    , rendered_(count)
{
    handedBack_.reserve(count); // so that handing back never needs memory
}

std::optional<SectionScheduler::Turn> SectionScheduler::take(Worker worker)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return isOver(worker) || canTake(); });
    if (isOver(worker))
        return std::nullopt;
    return takeNext();
}

std::optional<SectionScheduler::Turn> SectionScheduler::tryTake()
{
    const std::scoped_lock lock(mutex_);
    if (!canTake())
        return std::nullopt;
    return takeNext();
}

void SectionScheduler::handBack(std::size_t section)
{
    const std::scoped_lock lock(mutex_);
    handedBack_.push_back(section);
    std::ranges::sort(handedBack_, std::greater<>());
    changed_.notify_all();
}

void SectionScheduler::finish(Turn turn, std::string rendered)
{
    const std::scoped_lock lock(mutex_);
    if (turn.streams) {
        ++nextToWrite_;
        outputHeld_ = false;
    } else {
        rendered_[turn.section] = std::move(rendered);
    }
    changed_.notify_all();
}

void SectionScheduler::flushReady()
{
    std::unique_lock lock(mutex_);
    if (failure_ || outputHeld_)
        return;
    outputHeld_ = true;
    while (!failure_ && nextToWrite_ < count_ && rendered_[nextToWrite_]) {
        const std::size_t section = nextToWrite_;
        const std::string ready = *std::exchange(rendered_[section], std::nullopt);
        lock.unlock();
        std::exception_ptr error;
        try {
            write_(section, ready);
        } catch (...) {
            error = std::current_exception();
        }
        lock.lock();
        keepFirstFailure(error);
        ++nextToWrite_;
    }
    outputHeld_ = false;
    changed_.notify_all();
}

void SectionScheduler::fail(Turn turn, std::exception_ptr error)
{
    const std::scoped_lock lock(mutex_);
    keepFirstFailure(std::move(error));
    if (turn.streams)
        outputHeld_ = false;
    changed_.notify_all();
}

void SectionScheduler::rethrowFailure() const
{
    std::exception_ptr failure;
    {
        const std::scoped_lock lock(mutex_);
        failure = failure_;
    }
    if (failure)
        std::rethrow_exception(failure);
}

bool SectionScheduler::isOver(Worker worker) const
{
    const bool nothingLeftToTake = handedBack_.empty() && nextToTake_ == count_;
    return failure_ || nextToWrite_ == count_ || (worker == Worker::helper && nothingLeftToTake);
}

bool SectionScheduler::canTake() const
{
    const bool inWindow = nextToTake_ < count_ && nextToTake_ < nextToWrite_ + jobs_;
    return !failure_ && (!handedBack_.empty() || inWindow);
}

SectionScheduler::Turn SectionScheduler::takeNext()
{
    std::size_t section = 0;
    if (handedBack_.empty()) {
        section = nextToTake_++;
    } else {
        section = handedBack_.back();
        handedBack_.pop_back();
    }
    const bool streams = section == nextToWrite_ && !outputHeld_;
    outputHeld_ = outputHeld_ || streams;
    return {section, streams};
}

void SectionScheduler::keepFirstFailure(std::exception_ptr error)
{
    if (!failure_)
        failure_ = std::move(error);
}

} // namespace quorvelle::cli
