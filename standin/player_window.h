#pragma once
// The stand-in player's own main window. It is never shown: it owns the plug-in's windows, as the
// player's main window does, receives the audio thread's messages and answers the plug-in's
// question for the player's settings file.

#include <windows.h>

#include <string>

class PlayerWindow {
public:
    // The settings file it reports: "winamp.ini" beside the stand-in unless another is given.
    explicit PlayerWindow(std::string settingsPath = {});
    ~PlayerWindow();
    PlayerWindow(const PlayerWindow&) = delete;
    PlayerWindow& operator=(const PlayerWindow&) = delete;

    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::string settingsPath_;
    HWND window_ = nullptr;
};
