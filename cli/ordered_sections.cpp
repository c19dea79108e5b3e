// The threads behind `all --jobs`.
#include "cli/ordered_sections.h"

#include "cli/section_scheduler.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace quorvelle::cli {
namespace {

using Worker = SectionScheduler::Worker;

// One thread's share of the sections: each taken from the scheduler is streamed or rendered
// without its lock, until the worker's work is over or the worker stops.
void produceSections(SectionScheduler& scheduler, const SectionWriters& writers, Worker worker)
{
    while (const std::optional<SectionScheduler::Turn> turn = scheduler.take(worker)) {
        std::string rendered;
        try {
            if (turn->streams)
                writers.stream(turn->section);
            else
                rendered = writers.render(turn->section);
        } catch (const std::bad_alloc&) {
            if (worker == Worker::helper && !turn->streams) {
                // What this helper could not render, a thread with memory left renders or
                // streams; the helper stops, and its memory goes back to the others.
                scheduler.handBack(turn->section);
                return;
            }
            scheduler.fail(*turn, std::current_exception());
            return;
        } catch (...) {
            scheduler.fail(*turn, std::current_exception());
            return;
        }
        scheduler.finish(*turn, std::move(rendered));
        scheduler.flushReady();
    }
}

} // namespace

void writeSectionsInOrder(std::size_t count, unsigned jobs, const SectionWriters& writers)
{
    SectionScheduler scheduler(count, jobs, writers.write);
    // More threads than sections would have nothing to do.
    const std::size_t helperCount = count == 0 ? 0 : std::min<std::size_t>(jobs, count) - 1;
    std::vector<std::jthread> helpers;
    helpers.reserve(helperCount);
    try {
        for (std::size_t helper = 0; helper < helperCount; ++helper)
            helpers.emplace_back(produceSections, std::ref(scheduler), std::cref(writers), Worker::helper);
    } catch (const std::system_error&) {
        // No more threads can start (no memory for their stacks, or the process's limit): the
        // helpers already running share the sections with this one.
    }
    produceSections(scheduler, writers, Worker::caller);
    helpers.clear();
    scheduler.rethrowFailure();
}

} // namespace quorvelle::cli
