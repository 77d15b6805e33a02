#include "standin/player_window.h"

#include <stdexcept>
#include <utility>

#include "settings/player_files.h"

namespace {

constexpr char kPlayerWindowClass[] = "VeloraStandinPlayer";

// Registered with the first window and kept for the life of the process.
void RegisterPlayerWindowClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kPlayerWindowClass;
        return ::RegisterClassA(&windowClass) != 0;
    }();
    if (!registered) throw std::runtime_error("cannot register the player's window class");
}

}  // namespace

PlayerWindow::PlayerWindow(std::string settingsPath)
    : settingsPath_(settingsPath.empty() ? SettingsPathIn(ExecutableFolder()) : std::move(settingsPath)) {
    RegisterPlayerWindowClass(Procedure);
    window_ = ::CreateWindowExA(0, kPlayerWindowClass, "Velora stand-in player", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 320, 120, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) throw std::runtime_error("cannot create the player's window");
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK PlayerWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* player = reinterpret_cast<const PlayerWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_WA_IPC && lParam == IPC_GETINIFILE && player != nullptr)
        return reinterpret_cast<LRESULT>(player->settingsPath_.c_str());
    return ::DefWindowProcA(window, message, wParam, lParam);
}

PlayerWindow::~PlayerWindow() { ::DestroyWindow(window_); }
