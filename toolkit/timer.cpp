#include "toolkit/timer.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* owner)
    : TComponent(owner),
      window_(std::make_unique<TMessageWindow>(TWndMethod(this, &TTimer::WindowMessage))) {
    UpdateTimer();
}

TTimer::~TTimer() { ::KillTimer(window_->Handle(), kTimerId); }

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
    if (interval == interval_) return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    ::KillTimer(window_->Handle(), kTimerId);
    if (enabled_ && interval_ != 0) ::SetTimer(window_->Handle(), kTimerId, interval_, nullptr);
}

void TTimer::WindowMessage(TMessage& message) {
    if (message.Msg == WM_TIMER) {
        if (enabled_) OnTimer(this);
        return;
    }
    message.Result = window_->DefaultHandler(message);
}
