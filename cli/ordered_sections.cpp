// The worker threads behind `all --jobs`.
#include "cli/ordered_sections.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace quorvelle::cli {

void writeSectionsInOrder(std::size_t count, unsigned jobs, const std::function<std::string(std::size_t)>& render,
                          const std::function<void(std::size_t, const std::string&)>& write)
{
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<std::string>> rendered(count);
    std::size_t nextToStart = 0;
    std::size_t nextToWrite = 0;
    std::exception_ptr failure;

    const auto work = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return failure || nextToStart == count || nextToStart < nextToWrite + jobs; });
            if (failure || nextToStart == count)
                return;
            const std::size_t section = nextToStart++;
            lock.unlock();
            std::string text;
            std::exception_ptr error;
            try {
                text = render(section);
            } catch (...) {
                error = std::current_exception();
            }
            lock.lock();
            if (!error)
                rendered[section] = std::move(text);
            else if (!failure)
                failure = error;
            changed.notify_all();
        }
    };
    std::vector<std::jthread> workers;
    for (unsigned worker = 0; worker < jobs; ++worker)
        workers.emplace_back(work);

    std::unique_lock lock(mutex);
    while (nextToWrite < count) {
        changed.wait(lock, [&] { return failure || rendered[nextToWrite]; });
        if (failure)
            break;
        const std::string text = std::move(*rendered[nextToWrite]);
        rendered[nextToWrite].reset();
        const std::size_t section = nextToWrite++;
        changed.notify_all();
        lock.unlock();
        write(section, text);
        lock.lock();
    }
    lock.unlock();
    workers.clear();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace quorvelle::cli
