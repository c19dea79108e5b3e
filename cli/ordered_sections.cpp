// The threads behind `all --jobs`.
#include "cli/ordered_sections.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <new>
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
    std::size_t nextToStart = 0; // the sections before it are taken, or handed back
    std::size_t nextToWrite = 0;
    std::vector<std::size_t> handedBack; // by helpers short of memory, the earliest last
    handedBack.reserve(count);           // handing back must not need memory
    bool writing = false;                // a thread is writing to the output
    std::exception_ptr failure;

    // Each thread, the caller's included, takes the sections in order, a section handed back
    // first. The one that takes the next section to write while the output is free streams it;
    // the others render theirs, and whoever finishes writing writes the rendered sections whose
    // turn has come. The caller stays until every section is written, so that a section handed
    // back is always taken again.
    const auto work = [&](bool helper) {
        const auto finished = [&] {
            return failure || nextToWrite == count || (helper && handedBack.empty() && nextToStart == count);
        };
        const auto canTake = [&] {
            return !handedBack.empty() || (nextToStart < count && nextToStart < nextToWrite + jobs);
        };
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return finished() || canTake(); });
            if (finished())
                return;
            std::size_t section = 0;
            if (handedBack.empty()) {
                section = nextToStart++;
            } else {
                section = handedBack.back();
                handedBack.pop_back();
            }
            const bool streams = section == nextToWrite && !writing;
            writing = writing || streams;
            lock.unlock();
            std::optional<std::string> text;
            std::exception_ptr error;
            bool outOfMemory = false;
            try {
                if (streams)
                    writers.stream(section);
                else
                    text = writers.render(section);
            } catch (const std::bad_alloc&) {
                outOfMemory = true;
                error = std::current_exception();
            } catch (...) {
                error = std::current_exception();
            }
            lock.lock();
            if (error && helper && outOfMemory && !streams) {
                // What this helper could not render, a thread with memory left renders or
                // streams; the helper stops, and its memory goes back to the others.
                handedBack.push_back(section);
                std::ranges::sort(handedBack, std::greater<>());
                changed.notify_all();
                return;
            }
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

    // More threads than sections would have nothing to do.
    const std::size_t helperCount = count == 0 ? 0 : std::min<std::size_t>(jobs, count) - 1;
    std::vector<std::jthread> helpers;
    helpers.reserve(helperCount);
    try {
        for (std::size_t helper = 0; helper < helperCount; ++helper)
            helpers.emplace_back(work, true);
    } catch (const std::system_error&) {
        // No more threads can start (no memory for their stacks, or the process's limit): the
        // helpers already running share the sections with this one.
    }
    work(false);
    helpers.clear();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace quorvelle::cli
