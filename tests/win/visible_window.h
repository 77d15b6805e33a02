#pragma once
// Waiting for another program's window, for the helpers that drive the plug-in's window from
// outside during a play.

#include <windows.h>

// The visible top-level window with the caption, once it appears within 30 seconds; null if not.
inline HWND WaitForVisibleWindow(const char* caption) {
    constexpr DWORD kWindowWaitMs = 30000;
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < kWindowWaitMs) {
        HWND window = ::FindWindowA(nullptr, caption);
        if (window != nullptr && ::IsWindowVisible(window)) return window;
        ::Sleep(20);
    }
    return nullptr;
}
