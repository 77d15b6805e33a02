#include "controls/SimpleTimer.h"

#include "controls/SimpleTimerHandler.h"

TSimpleTimer::TSimpleTimer() : TSimpleTimer(1000, TNotifyEvent()) {}

TSimpleTimer::TSimpleTimer(std::uint32_t interval, TNotifyEvent onTimer)
    : interval_(interval), onTimer_(onTimer), handler_(TSimpleTimerHandler::Acquire(*this)) {}

TSimpleTimer::~TSimpleTimer() {
    if (active_) StopTicking(true);
    TSimpleTimerHandler::Release(*this);
}

void TSimpleTimer::SetEnabled(bool enabled) {
    if (enabled)
        StartTicking();
    else
        StopTicking(true);
}

void TSimpleTimer::SetInterval(std::uint32_t interval) {
    if (interval == interval_) return;
    interval_ = interval;
    if (!active_) return;
    if (interval != 0)
        StartTicking();
    else
        StopTicking(false);
}

void TSimpleTimer::SetOnTimer(TNotifyEvent onTimer) {
    onTimer_ = onTimer;
    if (!onTimer_ && active_) StopTicking(false);
}

bool TSimpleTimer::StartTicking() {
    if (interval_ == 0) return false;
    if (active_) StopTicking(true);
    active_ = handler_.SetSystemTimer(TimerId(), interval_);
    return active_;
}

void TSimpleTimer::StopTicking(bool clearActive) {
    if (clearActive) active_ = false;
    handler_.KillSystemTimer(TimerId());
}

void TSimpleTimer::Tick() {
    if (onTimer_) onTimer_(this);
}
