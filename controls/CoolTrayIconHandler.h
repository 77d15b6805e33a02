#pragma once

#include <windows.h>

#include <cstdint>
#include <map>

#include "toolkit/message_window.h"

class TCoolTrayIcon;

// The message the shell sends to the shared tray window about an icon: wParam names the icon,
// lParam is the shell's event.
constexpr UINT TrayCallbackMessage = WM_USER + 0x400;

// The message number the system gives to "TaskbarCreated", broadcast when the task bar is
// re-created and has lost every icon.
UINT TaskbarCreatedMessage();

// The hidden window that receives the shell's notifications for every notification-area icon of
// the process and hands each to its icon. It exists from the construction of the first icon until
// the destruction of the last.
class TTrayIconHandler {
public:
    ~TTrayIconHandler() = default;
    TTrayIconHandler(const TTrayIconHandler&) = delete;
    TTrayIconHandler& operator=(const TTrayIconHandler&) = delete;

    // The shared handler, or none while no icon lives.
    static TTrayIconHandler* Shared();
    // Takes a reference for a new icon, creating the shared handler with the first.
    static TTrayIconHandler& Acquire(TCoolTrayIcon& icon);
    // Gives back the reference of an icon being destroyed; the last one destroys the handler.
    static void Release(TCoolTrayIcon& icon);

    // The number of live icons using the handler.
    std::uint32_t IconCount() const { return static_cast<std::uint32_t>(icons_.size()); }
    HWND Handle() const { return window_.Handle(); }

private:
    TTrayIconHandler();

    void Receive(TMessage& message);

    std::map<UINT, TCoolTrayIcon*> icons_;
    TMessageWindow window_;
};
