#pragma once

#include <cstdint>
#include <memory>

class TSimpleTimerHandler;

// The hidden window behind the simple timers: it owns their system timers and hands each tick to
// the handler.
class SimpleTimerWindow {
public:
    virtual ~SimpleTimerWindow() = default;
    // Starts or restarts the system timer `timerId`; false when the system refuses it.
    virtual bool SetTimer(std::uintptr_t timerId, std::uint32_t interval) = 0;
    // Stops the system timer `timerId`; stopping one that does not run is harmless.
    virtual void KillTimer(std::uintptr_t timerId) = 0;
    // The platform's handle of the window (an HWND on Windows).
    virtual std::uintptr_t NativeHandle() const = 0;
};

// Creates the platform's hidden timer window, which reports ticks to `handler.Dispatch`.
std::unique_ptr<SimpleTimerWindow> CreateSimpleTimerWindow(TSimpleTimerHandler& handler);
