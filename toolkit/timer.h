#pragma once

#include <memory>

#include "toolkit/component.h"
#include "toolkit/events.h"
#include "toolkit/message_window.h"

// A message-based timer owned by a form or control: OnTimer runs between other messages of the
// thread, every Interval milliseconds while Enabled.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    // A new interval restarts the period.
    void SetInterval(unsigned interval);

    TNotifyEvent OnTimer;

private:
    void UpdateTimer();
    void WindowMessage(TMessage& message);

    bool enabled_ = true;
    unsigned interval_ = 1000;
    std::unique_ptr<TMessageWindow> window_;
};
