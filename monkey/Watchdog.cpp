#include "monkey/Watchdog.h"

#include <csignal>
#include <cstdlib>

namespace quorvelle::monkey {

Watchdog::Watchdog(std::chrono::milliseconds limit, std::function<void()> onBlocked)
    : limit_(limit)
    , onBlocked_(std::move(onBlocked))
    , interfaceThread_(pthread_self())
    , lastBeat_(Clock::now().time_since_epoch().count())
    , thread_([this] { watch(); })
{
}

Watchdog::~Watchdog()
{
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    stopping_.notify_one();
    thread_.join();
}

void Watchdog::beat()
{
    lastBeat_.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
}

void Watchdog::watch()
{
    constexpr std::chrono::milliseconds checkEvery{250};
    std::unique_lock lock(mutex_);
    while (!stopping_.wait_for(lock, checkEvery, [this] { return stopped_; })) {
        const Clock::time_point last{Clock::duration{lastBeat_.load(std::memory_order_relaxed)}};
        if (Clock::now() - last <= limit_)
            continue;
        onBlocked_();
        pthread_kill(interfaceThread_, SIGABRT);
        // Should the signal be caught and ignored, the run still ends as a failure.
        std::this_thread::sleep_for(std::chrono::seconds(10));
        std::_Exit(EXIT_FAILURE);
    }
}

} // namespace quorvelle::monkey
