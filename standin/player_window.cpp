#include "standin/player_window.h"

#include <stdexcept>

namespace {

constexpr char kPlayerWindowClass[] = "VeloraStandinPlayer";

// Registered with the first window and kept for the life of the process.
void RegisterPlayerWindowClass() {
    static const bool registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kPlayerWindowClass;
        return ::RegisterClassA(&windowClass) != 0;
    }();
    if (!registered) throw std::runtime_error("cannot register the player's window class");
}

}  // namespace

PlayerWindow::PlayerWindow() {
    RegisterPlayerWindowClass();
    window_ = ::CreateWindowExA(0, kPlayerWindowClass, "Velora stand-in player", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 320, 120, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) throw std::runtime_error("cannot create the player's window");
}

PlayerWindow::~PlayerWindow() { ::DestroyWindow(window_); }
