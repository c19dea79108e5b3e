// The threads behind `all --jobs`.
#include "cli/ordered_sections.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace quorvelle::cli {

void writeSectionsInOrder(std::size_t count, unsigned jobs, const SectionWriters& writers)
{
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<std::string>> rendered(count);
    std::size_t nextToStart = 0; // the sections before it are taken
    std::size_t nextToWrite = 0;
    bool writing = false; // a thread is writing to the output
    std::exception_ptr failure;

    // Each thread, the caller's included, takes the sections in order. The one that takes the
    // next section to write while the output is free streams it; the others render theirs, and
    // whoever finishes writing writes the rendered sections whose turn has come.
    const auto work = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return failure || nextToStart == count || nextToStart < nextToWrite + jobs; });
            if (failure || nextToStart == count)
                return;
            const std::size_t section = nextToStart++;
            const bool streams = section == nextToWrite && !writing;
            writing = writing || streams;
            lock.unlock();
            std::optional<std::string> text;
            std::exception_ptr error;
            try {
                if (streams)
                    writers.stream(section);
                else
                    text = writers.render(section);
            } catch (...) {
                error = std::current_exception();
            }
            lock.lock();
            if (error) {
                failure = failure ? failure : error;
            } else if (streams) {
                ++nextToWrite;
            } else {
                rendered[section] = std::move(text);
            }
            // Writes what is ready in order, unless another thread holds the output.
            if (!failure && (streams || !writing)) {
                writing = true;
                while (!failure && nextToWrite < count && rendered[nextToWrite]) {
                    const std::string ready = *std::exchange(rendered[nextToWrite], std::nullopt);
                    lock.unlock();
                    try {
                        writers.write(nextToWrite, ready);
                    } catch (...) {
                        error = std::current_exception();
                    }
                    lock.lock();
                    failure = failure ? failure : error;
                    ++nextToWrite;
                }
                writing = false;
            } else if (streams) {
                writing = false;
            }
            changed.notify_all();
        }
    };

    std::vector<std::jthread> helpers;
    helpers.reserve(jobs - 1);
    try {
        for (unsigned helper = 1; helper < jobs; ++helper)
            helpers.emplace_back(work);
    } catch (const std::system_error&) {
        // No more threads can start (no memory for their stacks, or the process's limit): the
        // helpers already running share the sections with this one.
    }
    work();
    helpers.clear();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace quorvelle::cli
