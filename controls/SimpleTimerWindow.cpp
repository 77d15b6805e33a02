#include "controls/SimpleTimerWindow.h"

#include <windows.h>

#include "controls/SimpleTimerHandler.h"
#include "toolkit/message_window.h"

namespace {

class HiddenTimerWindow final : public SimpleTimerWindow {
public:
    explicit HiddenTimerWindow(TSimpleTimerHandler& handler)
        : handler_(handler), window_(TWndMethod(this, &HiddenTimerWindow::Receive)) {}

    bool SetTimer(std::uintptr_t timerId, std::uint32_t interval) override {
        return ::SetTimer(window_.Handle(), timerId, interval, nullptr) != 0;
    }

    void KillTimer(std::uintptr_t timerId) override { ::KillTimer(window_.Handle(), timerId); }

    std::uintptr_t NativeHandle() const override {
        return reinterpret_cast<std::uintptr_t>(window_.Handle());
    }

private:
    void Receive(TMessage& message) {
        if (message.Msg != WM_TIMER) {
            message.Result = window_.DefaultHandler(message);
            return;
        }
        message.Result = 0;
        // The tick may destroy this window: nothing after the dispatch touches it.
        handler_.Dispatch(message.WParam);
    }

    TSimpleTimerHandler& handler_;
    TMessageWindow window_;
};

}  // namespace

std::unique_ptr<SimpleTimerWindow> CreateSimpleTimerWindow(TSimpleTimerHandler& handler) {
    return std::make_unique<HiddenTimerWindow>(handler);
}
