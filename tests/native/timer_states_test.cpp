#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/SimpleTimer.h"
#include "controls/SimpleTimerHandler.h"
#include "tests/native/timer_fake_window.h"

namespace {

// Counts the ticks it receives and the senders they name.
struct TickCounter {
    std::vector<TObject*> senders;
    void Tick(TObject* sender) { senders.push_back(sender); }
    TNotifyEvent Event() { return TNotifyEvent(this, &TickCounter::Tick); }
};

class SimpleTimerTest : public ::testing::Test {
protected:
    void SetUp() override { FakeTimers() = FakeTimerSystem(); }

    static void DeliverTick(const TSimpleTimer& timer) {
        TSimpleTimerHandler::Shared()->Dispatch(timer.TimerId());
    }
    static bool Ticking(const TSimpleTimer& timer) { return FakeTimers().Runs(timer.TimerId()); }
    static int Starts(const TSimpleTimer& timer) { return FakeTimers().starts[timer.TimerId()]; }

    TickCounter counter;
};

TEST_F(SimpleTimerTest, ConstructionLeavesTheTimerOffWithItsIntervalAndHandler) {
    TSimpleTimer plain;
    EXPECT_FALSE(plain.Enabled());
    EXPECT_EQ(plain.Interval(), 1000u);
    EXPECT_FALSE(plain.OnTimer().Assigned());

    TSimpleTimer given(25, counter.Event());
    EXPECT_FALSE(given.Enabled());
    EXPECT_EQ(given.Interval(), 25u);
    EXPECT_TRUE(given.OnTimer() == counter.Event());
    EXPECT_NE(plain.TimerId(), given.TimerId());
    EXPECT_TRUE(FakeTimers().running.empty());
}

TEST_F(SimpleTimerTest, WalksFromOffThroughTickingAndSuspendedBackToOff) {
    TSimpleTimer timer(50, counter.Event());

    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_TRUE(Ticking(timer));
    EXPECT_EQ(FakeTimers().running[timer.TimerId()], 50u);

    timer.SetInterval(0);  // suspended: still switched on, no system timer
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(Ticking(timer));

    timer.SetInterval(30);  // a non-zero interval resumes it
    EXPECT_TRUE(Ticking(timer));
    EXPECT_EQ(FakeTimers().running[timer.TimerId()], 30u);

    timer.SetOnTimer(TNotifyEvent());  // clearing the handler suspends it
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(Ticking(timer));

    timer.SetOnTimer(counter.Event());  // a handler alone does not resume it...
    EXPECT_FALSE(Ticking(timer));
    timer.SetEnabled(true);  // ...Enabled does
    EXPECT_TRUE(Ticking(timer));

    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(Ticking(timer));
}

TEST_F(SimpleTimerTest, ZeroIntervalRefusesToStartAndChangesNothing) {
    TSimpleTimer off(0, counter.Event());
    off.SetEnabled(true);
    EXPECT_FALSE(off.Enabled());
    EXPECT_FALSE(off.StartTicking());
    EXPECT_FALSE(Ticking(off));

    TSimpleTimer suspended(40, counter.Event());
    suspended.SetEnabled(true);
    suspended.SetInterval(0);
    suspended.SetEnabled(true);
    EXPECT_TRUE(suspended.Enabled());
    EXPECT_FALSE(Ticking(suspended));
}

TEST_F(SimpleTimerTest, RestartsOnEnabledAndOnANewIntervalButNotOnTheSameOne) {
    TSimpleTimer timer(50, counter.Event());
    timer.SetEnabled(true);
    EXPECT_EQ(Starts(timer), 1);

    timer.SetEnabled(true);
    EXPECT_EQ(Starts(timer), 2);
    timer.SetInterval(50);
    EXPECT_EQ(Starts(timer), 2);
    timer.SetInterval(60);
    EXPECT_EQ(Starts(timer), 3);
    EXPECT_TRUE(timer.Enabled());

    // A new interval of a switched-off timer is only stored.
    timer.SetEnabled(false);
    timer.SetInterval(70);
    EXPECT_EQ(Starts(timer), 3);
    EXPECT_FALSE(Ticking(timer));
}

TEST_F(SimpleTimerTest, RefusedSystemTimerLeavesTheTimerOff) {
    TSimpleTimer timer(50, counter.Event());
    timer.SetEnabled(true);
    FakeTimers().refuseTimers = true;
    EXPECT_FALSE(timer.StartTicking());
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(Ticking(timer));
}

TEST_F(SimpleTimerTest, EachTickReachesItsOwnTimersHandlerWithTheTimerAsSender) {
    TickCounter other;
    TSimpleTimer first(20, counter.Event());
    TSimpleTimer second(20, other.Event());
    first.SetEnabled(true);
    second.SetEnabled(true);

    DeliverTick(first);
    DeliverTick(first);
    DeliverTick(second);
    EXPECT_EQ(counter.senders, (std::vector<TObject*>{&first, &first}));
    EXPECT_EQ(other.senders, (std::vector<TObject*>{&second}));

    // A late tick of a timer that is gone is ignored.
    const std::uintptr_t goneId = [] {
        TSimpleTimer gone;
        return gone.TimerId();
    }();
    TSimpleTimerHandler::Shared()->Dispatch(goneId);
    EXPECT_EQ(counter.senders.size() + other.senders.size(), 3u);
}

TEST_F(SimpleTimerTest, SharedWindowLivesFromTheFirstTimerToTheLast) {
    EXPECT_EQ(TSimpleTimerHandler::Shared(), nullptr);
    auto first = std::make_unique<TSimpleTimer>();
    ASSERT_NE(TSimpleTimerHandler::Shared(), nullptr);
    auto second = std::make_unique<TSimpleTimer>(10, counter.Event());
    EXPECT_EQ(FakeTimers().windowsCreated, 1);
    EXPECT_EQ(TSimpleTimerHandler::Shared()->TimerCount(), 2u);

    second->SetEnabled(true);
    second.reset();  // destroying a ticking timer stops its system timer
    EXPECT_TRUE(FakeTimers().running.empty());
    EXPECT_EQ(TSimpleTimerHandler::Shared()->TimerCount(), 1u);
    EXPECT_EQ(FakeTimers().LiveWindows(), 1);

    first.reset();
    EXPECT_EQ(TSimpleTimerHandler::Shared(), nullptr);
    EXPECT_EQ(FakeTimers().LiveWindows(), 0);

    TSimpleTimer next;
    EXPECT_NE(TSimpleTimerHandler::Shared(), nullptr);
    EXPECT_EQ(FakeTimers().windowsCreated, 2);
}

// A handler that frees its own timer, the last one, and with it the shared window.
struct SelfDestroyingTick {
    std::unique_ptr<TSimpleTimer> timer;
    void Tick(TObject*) { timer.reset(); }
};

TEST_F(SimpleTimerTest, LastTimerMayFreeItselfFromItsOwnTick) {
    SelfDestroyingTick owner;
    owner.timer = std::make_unique<TSimpleTimer>(
        10, TNotifyEvent(&owner, &SelfDestroyingTick::Tick));
    owner.timer->SetEnabled(true);
    DeliverTick(*owner.timer);
    EXPECT_EQ(owner.timer, nullptr);
    EXPECT_EQ(TSimpleTimerHandler::Shared(), nullptr);
    EXPECT_EQ(FakeTimers().LiveWindows(), 0);
}

}  // namespace
