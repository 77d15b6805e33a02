#pragma once

#include <cstdint>

#include "toolkit/events.h"

class TSimpleTimerHandler;

// A lightweight periodic timer driven by the system's window timers. All simple timers share one
// hidden window, which receives their ticks and calls the handler of the timer concerned.
//
// A timer is Off (not Enabled), Ticking (Enabled with a system timer running) or Suspended
// (Enabled with no system timer, after its interval was set to 0 or its handler was cleared).
class TSimpleTimer : public TObject {
public:
    TSimpleTimer();
    TSimpleTimer(std::uint32_t interval, TNotifyEvent onTimer);
    ~TSimpleTimer() override;

    // The identifier of this timer towards the system; unique among live timers.
    std::uintptr_t TimerId() const { return reinterpret_cast<std::uintptr_t>(this); }

    bool Enabled() const { return active_; }
    void SetEnabled(bool enabled);
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t interval);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent onTimer);

    // Starts the system timer anew, so a running timer counts its period again from now. Refused
    // (false, nothing changed) for an interval of 0, and false with the timer Off when the system
    // refuses the timer.
    bool StartTicking();
    // Stops the system timer; with clearActive the timer is switched off too.
    void StopTicking(bool clearActive);

private:
    friend class TSimpleTimerHandler;
    void Tick();

    bool active_ = false;
    std::uint32_t interval_;
    TNotifyEvent onTimer_;
    TSimpleTimerHandler& handler_;
};
