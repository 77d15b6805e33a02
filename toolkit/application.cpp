#include "toolkit/application.h"

void TApplication::ProcessMessages() {
    MSG message;
    while (!terminated_ && ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

TApplication& Application() {
    static TApplication application;
    return application;
}
