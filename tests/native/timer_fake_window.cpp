#include "tests/native/timer_fake_window.h"

#include "controls/SimpleTimerWindow.h"

FakeTimerSystem& FakeTimers() {
    static FakeTimerSystem system;
    return system;
}

namespace {

class FakeTimerWindow final : public SimpleTimerWindow {
public:
    FakeTimerWindow() { ++FakeTimers().windowsCreated; }
    ~FakeTimerWindow() override { ++FakeTimers().windowsDestroyed; }

    bool SetTimer(std::uintptr_t timerId, std::uint32_t interval) override {
        if (FakeTimers().refuseTimers) return false;
        FakeTimers().running[timerId] = interval;
        ++FakeTimers().starts[timerId];
        return true;
    }

    void KillTimer(std::uintptr_t timerId) override { FakeTimers().running.erase(timerId); }

    std::uintptr_t NativeHandle() const override { return 0; }
};

}  // namespace

std::unique_ptr<SimpleTimerWindow> CreateSimpleTimerWindow(TSimpleTimerHandler&) {
    return std::make_unique<FakeTimerWindow>();
}
