// Watches that the interface keeps answering.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <pthread.h>
#include <thread>

namespace quorvelle::monkey {

/// A thread that expects a beat from the interface thread at least every `limit`. When none
/// comes, it calls onBlocked, then stops the interface thread with SIGABRT so that its stack
/// is printed (by the sanitizer, or in a core file).
class Watchdog {
public:
    Watchdog(std::chrono::milliseconds limit, std::function<void()> onBlocked);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    /// Called by the interface thread whenever its event loop runs.
    void beat();

private:
    void watch();

    using Clock = std::chrono::steady_clock;

    std::chrono::milliseconds limit_;
    std::function<void()> onBlocked_;
    pthread_t interfaceThread_;
    std::atomic<Clock::rep> lastBeat_;
    std::mutex mutex_;
    std::condition_variable stopping_;
    bool stopped_ = false;
    std::thread thread_;
};

} // namespace quorvelle::monkey
