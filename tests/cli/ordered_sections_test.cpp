// The threads of `all --jobs`: a section that cannot be written stops the listing with its
// error, in whichever thread the writing falls to, never with a crash or a wait without end.
// Their scheduler, one transition at a time, driven from a single thread.
#include "cli/ordered_sections.h"
#include "cli/section_scheduler.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <exception>
#include <future>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>

namespace quorvelle::cli {
namespace {

struct SectionSchedulerTest : testing::Test {
    std::string written;
    const SectionScheduler::Write write = [this](std::size_t, const std::string& rendered) { written += rendered; };
};

TEST_F(SectionSchedulerTest, TakesTheSectionsInOrderWithinTheWindow)
{
    SectionScheduler scheduler(3, 2, write);
    EXPECT_EQ(scheduler.tryTake(), (SectionScheduler::Turn{0, true}));
    EXPECT_EQ(scheduler.tryTake(), (SectionScheduler::Turn{1, false}));
    EXPECT_EQ(scheduler.tryTake(), std::nullopt) << "with two jobs, one section rendered ahead at most";
    scheduler.finish({0, true});
    EXPECT_EQ(scheduler.tryTake(), (SectionScheduler::Turn{2, false}));
}

TEST_F(SectionSchedulerTest, WritesTheRenderedSectionsOnceTheirTurnHasCome)
{
    SectionScheduler scheduler(4, 4, write);
    while (scheduler.tryTake()) { }
    scheduler.finish({1, false}, "1");
    scheduler.finish({3, false}, "3");
    scheduler.finish({0, true});
    scheduler.flushReady();
    EXPECT_EQ(written, "1") << "section 2 is still being rendered";
    scheduler.finish({2, false}, "2");
    scheduler.flushReady();
    EXPECT_EQ(written, "123");
}

// Writes three sections on two threads, the helper throwing error whenever it renders. The caller
// waits in each section until the helper has thrown, and the helper in a section it streams until
// the caller has begun one: the helper then renders the next section. Futures, not std::latch:
// the latch of MinGW's libstdc++ 12 can miss its wakeup and wait forever.
void writeWithAHelperThrowing(const std::exception_ptr& error)
{
    const std::thread::id caller = std::this_thread::get_id();
    std::promise<void> callerBegan;
    std::promise<void> helperThrew;
    const std::shared_future<void> callerHasBegun = callerBegan.get_future().share();
    const std::shared_future<void> helperHasThrown = helperThrew.get_future().share();
    const auto waitForTheOther = [&] {
        if (std::this_thread::get_id() != caller) {
            callerHasBegun.wait();
        } else if (callerHasBegun.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            callerBegan.set_value();
            helperHasThrown.wait();
        }
    };
    const SectionWriters writers{
        .stream = [&](std::size_t) { waitForTheOther(); },
        .render =
            [&](std::size_t) {
                if (std::this_thread::get_id() != caller) {
                    helperThrew.set_value();
                    std::rethrow_exception(error);
                }
                waitForTheOther();
                return std::string();
            },
        .write = [](std::size_t, const std::string&) {},
    };
    writeSectionsInOrder(3, 2, writers);
}

TEST(OrderedSections, AHelpersExceptionIsThrownAgainUnlessItLackedMemoryForItsSection)
{
    EXPECT_NO_THROW(writeWithAHelperThrowing(std::make_exception_ptr(std::bad_alloc())));
    EXPECT_THROW(writeWithAHelperThrowing(std::make_exception_ptr(std::runtime_error("section"))), std::runtime_error);
}

TEST(OrderedSections, AFailedWriteIsThrownAgain)
{
    // The thread that streams section 0 waits for section 1 to be rendered by the other, which
    // finishes only once the first has gone on to section 2: section 1, from memory, is then
    // written by the thread that rendered it. That is a helper when the caller takes section 0
    // first, as it does in most runs.
    for (int run = 0; run < 10; ++run) {
        std::promise<void> renderingOne;
        std::promise<void> renderingTwo;
        const std::shared_future<void> one = renderingOne.get_future().share();
        const std::shared_future<void> two = renderingTwo.get_future().share();
        const SectionWriters writers{
            .stream = [&](std::size_t) { one.wait(); },
            .render =
                [&](std::size_t section) {
                    (section == 1 ? renderingOne : renderingTwo).set_value();
                    if (section == 1)
                        two.wait();
                    return std::string("section");
                },
            .write = [](std::size_t, const std::string&) { throw std::runtime_error("écriture"); },
        };
        EXPECT_THROW(writeSectionsInOrder(3, 2, writers), std::runtime_error);
    }
}

TEST(OrderedSections, WhatHelpersLackMemoryForIsWrittenByTheCaller)
{
    // Every thread but the caller runs out of memory whenever it renders: the listing is whole
    // and in order all the same, and more helpers than sections are never started.
    const std::thread::id caller = std::this_thread::get_id();
    for (const unsigned jobs : {2u, 4u, 256u}) {
        std::atomic<int> renderings = 0;
        std::string written;
        const SectionWriters writers{
            .stream = [&](std::size_t section) { written += std::to_string(section); },
            .render =
                [&](std::size_t section) {
                    ++renderings;
                    if (std::this_thread::get_id() != caller)
                        throw std::bad_alloc();
                    return std::to_string(section);
                },
            .write = [&](std::size_t, const std::string& section) { written += section; },
        };
        writeSectionsInOrder(6, jobs, writers);
        EXPECT_EQ(written, "012345") << jobs << " threads";
        EXPECT_LE(renderings, 2 * 5) << jobs << " threads";
    }
}

TEST(OrderedSections, TheCallersLackOfMemoryStopsTheListing)
{
    const SectionWriters writers{
        .stream =
            [](std::size_t section) {
                if (section == 1)
                    throw std::bad_alloc();
            },
        .render = [](std::size_t section) { return std::to_string(section); },
        .write = [](std::size_t, const std::string&) {},
    };
    EXPECT_THROW(writeSectionsInOrder(3, 1, writers), std::bad_alloc);
}

} // namespace
} // namespace quorvelle::cli
