#include "controls/CoolTrayIconHandler.h"

#include <windows.h>

#include <memory>

#include "controls/CoolTrayIcon.h"

namespace {
// Held in a static so that a handler still alive when the library is unloaded is destroyed then.
std::unique_ptr<TTrayIconHandler>& SharedHandler() {
    static std::unique_ptr<TTrayIconHandler> handler;
    return handler;
}
}  // namespace

UINT TaskbarCreatedMessage() {
    static const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
    return message;
}

TTrayIconHandler::TTrayIconHandler() : window_(TWndMethod(this, &TTrayIconHandler::Receive)) {}

TTrayIconHandler* TTrayIconHandler::Shared() { return SharedHandler().get(); }

TTrayIconHandler& TTrayIconHandler::Acquire(TCoolTrayIcon& icon) {
    auto& shared = SharedHandler();
    if (!shared) shared.reset(new TTrayIconHandler());
    shared->icons_[icon.IconId()] = &icon;
    return *shared;
}

void TTrayIconHandler::Release(TCoolTrayIcon& icon) {
    auto& shared = SharedHandler();
    if (!shared) return;
    shared->icons_.erase(icon.IconId());
    if (shared->icons_.empty()) shared.reset();
}

void TTrayIconHandler::Receive(TMessage& message) {
    if (message.Msg == TrayCallbackMessage) {
        message.Result = 0;
        const auto found = icons_.find(static_cast<UINT>(message.WParam));
        // The icon's handlers may destroy the icon, and with the last icon this handler: nothing
        // after this call touches either.
        if (found != icons_.end()) found->second->ShellNotification(message.LParam);
        return;
    }
    if (message.Msg != 0 && message.Msg == TaskbarCreatedMessage()) {
        // The new task bar has none of the icons: put back those that are to be seen. This window
        // is a top-level one, so the broadcast reaches it even when the application has no window
        // of its own.
        for (const auto& [id, icon] : icons_)
            if (icon->IconVisible()) icon->AddToTray();
        message.Result = 0;
        return;
    }
    switch (message.Msg) {
    // A close request does not destroy the window, and the window consents to the end of the
    // session.
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_ENDSESSION:
    case WM_NCDESTROY:
        message.Result = 1;
        return;
    default:
        message.Result = window_.DefaultHandler(message);
    }
}
