#include "toolkit/message_window.h"

#include "toolkit/module_instance.h"

namespace {
constexpr char kWindowClass[] = "VeloraMessageWindow";
}

TMessageWindow::TMessageWindow(TWndMethod method) : method_(method) {
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof(existing);
    if (!::GetClassInfoExA(ModuleInstance(), kWindowClass, &existing)) {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &TMessageWindow::WindowProc;
        windowClass.hInstance = ModuleInstance();
        windowClass.lpszClassName = kWindowClass;
        ::RegisterClassExA(&windowClass);
    }
    // A hidden top-level window, not a message-only one: broadcasts such as "TaskbarCreated"
    // must reach it.
    handle_ = ::CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "", WS_POPUP, 0, 0, 0, 0,
                                nullptr, nullptr, ModuleInstance(), nullptr);
    // Bound only now: the method sees no message before its owner is fully made.
    if (handle_) ::SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TMessageWindow::~TMessageWindow() {
    if (handle_) {
        ::SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        ::DestroyWindow(handle_);
    }
}

LRESULT TMessageWindow::DefaultHandler(const TMessage& message) const {
    return ::DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
}

LRESULT CALLBACK TMessageWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* self = reinterpret_cast<TMessageWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || !self->method_.Assigned()) return ::DefWindowProcA(window, message, wParam, lParam);
    TMessage dispatched = {message, wParam, lParam, 0};
    self->method_(dispatched);
    return dispatched.Result;
}
