// The engine's hand-over between the start and stop entries and the audio thread, stepped through
// the interleavings that matter one step at a time.

#include <chrono>
#include <future>

#include <gtest/gtest.h>

#include "host/engine_handover.h"

namespace {

using namespace std::chrono_literals;

TEST(EngineHandOver, BlocksDuringStartAreBypassedAndLeaveTheEngineIdle) {
    EngineHandOver handOver;
    handOver.HoldEngine();
    EXPECT_FALSE(handOver.EnterBlock());
    handOver.LeaveBlock();
    EXPECT_TRUE(handOver.engineIdle);
    handOver.ReleaseEngine();
    EXPECT_TRUE(handOver.EnterBlock());
    handOver.LeaveBlock();
}

// A block that enters just before the start returns is still inside when the stop comes: the start
// must not have marked it idle, and the stop waits for it.
TEST(EngineHandOver, StopWaitsForABlockThatEnteredAtTheEndOfTheStart) {
    EngineHandOver handOver;
    handOver.HoldEngine();
    handOver.ReleaseEngine();
    ASSERT_TRUE(handOver.EnterBlock());
    EXPECT_FALSE(handOver.engineIdle);

    std::future<void> stop = std::async(std::launch::async, [&handOver] { handOver.StopEngine(); });
    EXPECT_EQ(stop.wait_for(100ms), std::future_status::timeout);
    EXPECT_TRUE(handOver.engineBypass);
    handOver.LeaveBlock();
    EXPECT_EQ(stop.wait_for(2s), std::future_status::ready);
    EXPECT_FALSE(handOver.EnterBlock()) << "blocks after the stop are bypassed";
    handOver.LeaveBlock();
}

}  // namespace
