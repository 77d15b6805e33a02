#pragma once
// Running this thread's messages in the Windows tests, so that timers tick and windows answer.

#include <windows.h>

#include <functional>

// Runs the messages waiting for this thread.
inline void PumpMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

// Runs messages until the condition holds or the time is up; says whether it came to hold.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    return true;
}

// Runs messages for a while, so timers can tick.
inline void PumpMessagesFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}
