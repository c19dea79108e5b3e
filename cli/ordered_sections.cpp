// The helper threads behind `all --jobs`.
#include "cli/ordered_sections.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace quorvelle::cli {

void writeSectionsInOrder(std::size_t count, unsigned jobs, const SectionWriters& writers)
{
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<std::string>> rendered(count);
    std::size_t nextToStart = 0; // sections before it are started, by a helper or the caller
    std::size_t nextToWrite = 0;
    std::exception_ptr failure;

    const auto help = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            // Never the section being written: the caller streams that one.
            changed.wait(lock, [&] {
                return failure || nextToStart == count || (nextToStart > nextToWrite && nextToStart < nextToWrite + jobs);
            });
            if (failure || nextToStart == count)
                return;
            const std::size_t section = nextToStart++;
            lock.unlock();
            std::string text;
            std::exception_ptr error;
            try {
                text = writers.render(section);
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

    std::vector<std::jthread> helpers;
    for (unsigned helper = 1; helper < jobs; ++helper)
        helpers.emplace_back(help);
    std::unique_lock lock(mutex);
    try {
        while (nextToWrite < count && !failure) {
            const std::size_t section = nextToWrite;
            const bool streamed = nextToStart == section;
            if (streamed)
                ++nextToStart;
            else
                changed.wait(lock, [&] { return failure || rendered[section]; });
            if (failure)
                break;
            const std::optional<std::string> text = std::exchange(rendered[section], std::nullopt);
            lock.unlock();
            if (streamed)
                writers.stream(section);
            else
                writers.write(section, *text);
            lock.lock();
            ++nextToWrite;
            changed.notify_all();
        }
    } catch (...) {
        if (!lock.owns_lock())
            lock.lock();
        if (!failure)
            failure = std::current_exception();
        changed.notify_all();
    }
    lock.unlock();
    helpers.clear();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace quorvelle::cli
