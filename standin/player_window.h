#pragma once
// The stand-in player's own main window. It is never shown: it owns the plug-in's windows, as the
// player's main window does, and receives the audio thread's messages.

#include <windows.h>

class PlayerWindow {
public:
    PlayerWindow();
    ~PlayerWindow();
    PlayerWindow(const PlayerWindow&) = delete;
    PlayerWindow& operator=(const PlayerWindow&) = delete;

    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
};
