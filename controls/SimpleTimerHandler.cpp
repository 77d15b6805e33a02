#include "controls/SimpleTimerHandler.h"

#include "controls/SimpleTimer.h"
#include "controls/SimpleTimerWindow.h"

namespace {
// Held in a static so that a handler still alive when the library is unloaded is destroyed then.
std::unique_ptr<TSimpleTimerHandler>& SharedHandler() {
    static std::unique_ptr<TSimpleTimerHandler> handler;
    return handler;
}
}  // namespace

TSimpleTimerHandler::TSimpleTimerHandler() : window_(CreateSimpleTimerWindow(*this)) {}

TSimpleTimerHandler::~TSimpleTimerHandler() = default;

TSimpleTimerHandler* TSimpleTimerHandler::Shared() { return SharedHandler().get(); }

TSimpleTimerHandler& TSimpleTimerHandler::Acquire(TSimpleTimer& timer) {
    auto& shared = SharedHandler();
    if (!shared) shared.reset(new TSimpleTimerHandler());
    shared->timers_.insert(timer.TimerId());
    return *shared;
}

void TSimpleTimerHandler::Release(TSimpleTimer& timer) {
    auto& shared = SharedHandler();
    if (!shared) return;
    shared->timers_.erase(timer.TimerId());
    if (shared->timers_.empty()) shared.reset();
}

bool TSimpleTimerHandler::SetSystemTimer(std::uintptr_t timerId, std::uint32_t interval) {
    return window_->SetTimer(timerId, interval);
}

void TSimpleTimerHandler::KillSystemTimer(std::uintptr_t timerId) { window_->KillTimer(timerId); }

void TSimpleTimerHandler::Dispatch(std::uintptr_t timerId) {
    if (!timers_.contains(timerId)) return;
    // The handler may free the timer, and with the last timer this handler: nothing after this call
    // touches either.
    reinterpret_cast<TSimpleTimer*>(timerId)->Tick();
}
