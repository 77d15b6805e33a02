#pragma once

#include <windows.h>

#include "toolkit/events.h"
#include "toolkit/message.h"

// Handles a message sent to a hidden window; it sets Message.Result.
using TWndMethod = TEvent<TMessage&>;

// A hidden window whose messages go to one method: the receiver for timers and shell
// notifications of objects that have no window of their own.
class TMessageWindow {
public:
    explicit TMessageWindow(TWndMethod method);
    TMessageWindow(const TMessageWindow&) = delete;
    TMessageWindow& operator=(const TMessageWindow&) = delete;
    ~TMessageWindow();

    HWND Handle() const { return handle_; }
    // The default answer for messages the method does not handle itself.
    LRESULT DefaultHandler(const TMessage& message) const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    TWndMethod method_;
    HWND handle_ = nullptr;
};
