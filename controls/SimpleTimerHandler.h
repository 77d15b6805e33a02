#pragma once

#include <cstdint>
#include <memory>
#include <unordered_set>

class SimpleTimerWindow;
class TSimpleTimer;

// The one process-wide receiver of simple-timer ticks. It exists from the construction of the
// first simple timer until the destruction of the last, and its hidden window with it.
class TSimpleTimerHandler {
public:
    ~TSimpleTimerHandler();
    TSimpleTimerHandler(const TSimpleTimerHandler&) = delete;
    TSimpleTimerHandler& operator=(const TSimpleTimerHandler&) = delete;

    // The shared handler, or none while no simple timer lives.
    static TSimpleTimerHandler* Shared();
    // Takes a reference for a new timer, creating the shared handler with the first.
    static TSimpleTimerHandler& Acquire(TSimpleTimer& timer);
    // Gives back the reference of a timer being destroyed; the last one destroys the handler.
    static void Release(TSimpleTimer& timer);

    // The number of live simple timers.
    std::uint32_t TimerCount() const { return static_cast<std::uint32_t>(timers_.size()); }
    SimpleTimerWindow& Window() const { return *window_; }

    bool SetSystemTimer(std::uintptr_t timerId, std::uint32_t interval);
    void KillSystemTimer(std::uintptr_t timerId);
    // A tick of the system timer `timerId`; ticks of timers that no longer live are ignored.
    void Dispatch(std::uintptr_t timerId);

private:
    TSimpleTimerHandler();

    std::unique_ptr<SimpleTimerWindow> window_;
    std::unordered_set<std::uintptr_t> timers_;
};
