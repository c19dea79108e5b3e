// The cancellation scope of a thread and the checks of a loop.
#include "core/text/work_cancellation.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <thread>
#include <vector>

namespace quorvelle {
namespace {

TEST(WorkCancellation, ChecksThrowOnlyInAScopeWhoseWorkIsGivenUp)
{
    EXPECT_NO_THROW(stopIfCancelled()); // no scope: the command line's threads

    bool cancelled = false;
    const CancellationScope scope([&cancelled] { return cancelled; });
    EXPECT_NO_THROW(stopIfCancelled());
    cancelled = true;
    EXPECT_THROW(stopIfCancelled(), WorkCancelled);
}

TEST(WorkCancellation, ScopesNestAndBelongToTheirThread)
{
    const CancellationScope outer([] { return true; });
    {
        const CancellationScope inner([] { return false; });
        EXPECT_NO_THROW(stopIfCancelled());
        std::thread other([] { EXPECT_NO_THROW(stopIfCancelled()); });
        other.join();
    }
    EXPECT_THROW(stopIfCancelled(), WorkCancelled);
    std::thread other([] { EXPECT_NO_THROW(stopIfCancelled()); });
    other.join();
}

// The loops check before their first item, then once every chunk: twice for a chunk and one item.
TEST(WorkCancellation, LoopsCheckAtTheirStartThenOnceEveryChunk)
{
    std::size_t checks = 0;
    const CancellationScope scope([&checks] {
        ++checks;
        return false;
    });
    const std::size_t items = cancellationChunk + 1;

    std::size_t visited = 0;
    forEachChunkUnlessCancelled(items, [&](std::size_t begin, std::size_t end) {
        EXPECT_EQ(begin, visited);
        visited = end;
    });
    EXPECT_EQ(visited, items);
    EXPECT_EQ(checks, 2U);

    checks = 0;
    CancellationCountdown countdown;
    std::size_t told = 0;
    for (std::size_t item = 0; item < items; ++item)
        told += countdown.countItem() ? 1U : 0U;
    EXPECT_EQ(checks, 2U);
    EXPECT_EQ(told, 2U);

    checks = 0;
    for (std::size_t index = 0; index < items; ++index)
        stopIfCancelledEveryChunk(index);
    EXPECT_EQ(checks, 2U);

    checks = 0;
    const std::vector<int> filled = filledUnlessCancelled(items, 7);
    EXPECT_EQ(checks, 2U);
    EXPECT_EQ(filled, std::vector<int>(items, 7));
}

TEST(WorkCancellation, ABufferFilledForWorkGivenUpIsLetGo)
{
    std::size_t checks = 0;
    const CancellationScope scope([&checks] { return ++checks == 2; });
    EXPECT_THROW(filledUnlessCancelled(2 * cancellationChunk, 'x'), WorkCancelled);
}

} // namespace
} // namespace quorvelle
