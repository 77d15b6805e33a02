#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "controls/SimpleTimer.h"
#include "controls/SimpleTimerHandler.h"
#include "controls/SimpleTimerWindow.h"
#include "tests/win/message_pump.h"

namespace {

struct TickLog {
    std::vector<TObject*> senders;
    void Tick(TObject* sender) { senders.push_back(sender); }
    TNotifyEvent Event() { return TNotifyEvent(this, &TickLog::Tick); }
};

HWND SharedTimerWindow() {
    TSimpleTimerHandler* handler = TSimpleTimerHandler::Shared();
    return handler ? reinterpret_cast<HWND>(handler->Window().NativeHandle()) : nullptr;
}

TEST(SimpleTimerWindow, TicksArriveAsWindowMessagesWithTheTimerAsSender) {
    TickLog first;
    TickLog second;
    TSimpleTimer a(10, first.Event());
    TSimpleTimer b(10, second.Event());
    a.SetEnabled(true);
    b.SetEnabled(true);
    ASSERT_TRUE(
        PumpUntil([&] { return first.senders.size() >= 3 && second.senders.size() >= 3; }, 3000));
    for (TObject* sender : first.senders) EXPECT_EQ(sender, &a);
    for (TObject* sender : second.senders) EXPECT_EQ(sender, &b);
}

TEST(SimpleTimerWindow, SuspendedTimerStaysEnabledWithoutTicksAndResumes) {
    TickLog log;
    TSimpleTimer timer(10, log.Event());
    timer.SetEnabled(true);
    timer.SetInterval(0);
    PumpMessagesFor(60);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_TRUE(log.senders.empty());

    timer.SetInterval(10);
    EXPECT_TRUE(PumpUntil([&] { return !log.senders.empty(); }, 3000));

    timer.SetEnabled(false);
    PumpMessagesFor(30);
    const std::size_t ticks = log.senders.size();
    PumpMessagesFor(60);
    EXPECT_EQ(log.senders.size(), ticks);
}

TEST(SimpleTimerWindow, HiddenWindowComesWithTheFirstTimerAndGoesWithTheLast) {
    ASSERT_EQ(TSimpleTimerHandler::Shared(), nullptr);
    auto first = std::make_unique<TSimpleTimer>();
    const HWND window = SharedTimerWindow();
    ASSERT_TRUE(::IsWindow(window));
    EXPECT_FALSE(::IsWindowVisible(window));
    {
        TSimpleTimer second;
        EXPECT_EQ(SharedTimerWindow(), window);
    }
    EXPECT_TRUE(::IsWindow(window));
    first.reset();
    EXPECT_EQ(TSimpleTimerHandler::Shared(), nullptr);
    EXPECT_FALSE(::IsWindow(window));

    TickLog log;
    TSimpleTimer next(10, log.Event());
    EXPECT_TRUE(::IsWindow(SharedTimerWindow()));
    next.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return !log.senders.empty(); }, 3000));
}

// A handler that frees its own timer, the last one, from inside its tick.
struct OneShot {
    std::unique_ptr<TSimpleTimer> timer;
    int ticks = 0;
    void Tick(TObject*) {
        ++ticks;
        timer.reset();
    }
};

TEST(SimpleTimerWindow, TimerFreedInsideItsTickTakesTheWindowWithIt) {
    OneShot shot;
    shot.timer = std::make_unique<TSimpleTimer>(10, TNotifyEvent(&shot, &OneShot::Tick));
    shot.timer->SetEnabled(true);
    const HWND window = SharedTimerWindow();
    ASSERT_TRUE(PumpUntil([&] { return shot.ticks > 0; }, 3000));
    PumpMessagesFor(40);
    EXPECT_EQ(shot.ticks, 1);
    EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
