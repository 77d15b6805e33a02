// velora-window-watcher CAPTION PREFIX MS...: once a visible window with the caption appears,
// photographs its client area MS milliseconds later (PREFIX-MS.bmp) for each MS in turn, and
// prints MS and the text of the window's child that starts with "Clip: " (the clip meter) at
// that moment. Exit status 1 when the window did not appear or a photograph failed.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/win/visible_window.h"
#include "tests/win/window_photograph.h"

namespace {

BOOL CALLBACK FindClipMeter(HWND child, LPARAM text) {
    char caption[64] = {};
    ::GetWindowTextA(child, caption, sizeof caption);
    if (std::strncmp(caption, "Clip: ", 6) != 0) return TRUE;
    *reinterpret_cast<std::string*>(text) = caption;
    return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: velora-window-watcher CAPTION PREFIX MS...\n");
        return 2;
    }
    HWND window = WaitForVisibleWindow(argv[1]);
    if (window == nullptr) {
        std::fprintf(stderr, "velora-window-watcher: the window did not appear\n");
        return 1;
    }
    const DWORD appeared = ::GetTickCount();
    for (int arg = 3; arg < argc; ++arg) {
        const DWORD at = static_cast<DWORD>(std::atoi(argv[arg]));
        const DWORD elapsed = ::GetTickCount() - appeared;
        if (at > elapsed) ::Sleep(at - elapsed);
        std::string clip = "(no clip meter)";
        ::EnumChildWindows(window, FindClipMeter, reinterpret_cast<LPARAM>(&clip));
        if (!PhotographClientArea(window, std::string(argv[2]) + "-" + argv[arg] + ".bmp")) return 1;
        std::printf("%s %s\n", argv[arg], clip.c_str());
        std::fflush(stdout);
    }
    return 0;
}
