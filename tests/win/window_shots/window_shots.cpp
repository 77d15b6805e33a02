// velora-window-shots PLUGIN.dll PREFIX: starts the plug-in as the player does, photographs its
// window on each page and halfway from Main to Bass (PREFIX-main.bmp ... PREFIX-turning.bmp), the
// About window over it at the top and scrolled down (PREFIX-about-top.bmp, PREFIX-about-bottom.bmp)
// and writes PREFIX-figures.txt; exit status 0 when every start and stop took at most 500 ms and ten
// of them left no window behind (wine counts no GDI or USER objects).

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "host/dsp_records.h"
#include "host/executable_folder.h"
#include "standin/player_window.h"
#include "tests/win/message_pump.h"

namespace {

constexpr double kLimitMs = 500;
constexpr int kCycles = 10;

double NowMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The window as the screen shows it, frame and caption included, as a 24-bit BMP file.
bool Photograph(HWND window, const std::string& path) {
    RECT area;
    ::GetWindowRect(window, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    const int stride = (width * 3 + 3) & ~3;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(offset + stride * height), 0, 0, offset};
    bool written = false;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        written = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                  std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out) == 1 &&
                  std::fwrite(bits, stride * height, 1, out) == 1;
        std::fclose(out);
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return written;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// This thread's top-level and message-only windows.
int CountWindows() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    for (HWND window = nullptr; (window = ::FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr));) {
        if (::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId()) ++count;
    }
    return count;
}

std::string aboutPrefix;
bool aboutPhotographed = false;

// Runs inside the About window's modal loop: photographs it at the top and scrolled to the
// bottom, then closes it.
void CALLBACK PhotographAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    HWND about = ::FindWindowA(nullptr, "About me");
    aboutPhotographed = Photograph(about, aboutPrefix + "-about-top.bmp");
    ::SendMessageA(about, WM_VSCROLL, SB_BOTTOM, 0);
    PumpMessagesFor(300);
    aboutPhotographed = Photograph(about, aboutPrefix + "-about-bottom.bmp") && aboutPhotographed;
    ::PostMessageA(about, WM_CLOSE, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velora-window-shots PLUGIN.dll PREFIX\n");
        return 2;
    }
    const std::string prefix = argv[2];
    // A fresh player folder: no settings yet.
    ::DeleteFileA(SettingsPathIn(ExecutableFolder()).c_str());

    const HMODULE library = ::LoadLibraryA(argv[1]);
    if (!library) return 1;
    const auto getHeader = reinterpret_cast<GetDspHeaderFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, kDspExportName)));
    DspModule& module = *getHeader()->getModule(0);
    const PlayerWindow player;
    module.hwndParent = player.Handle();
    module.hDllInstance = library;

    double start = NowMs();
    module.Init(&module);
    const double initMs = NowMs() - start;
    HWND window = ::FindWindowA(nullptr, "Velora Enhancer 0.2");
    RECT client = {};
    ::GetClientRect(window, &client);
    bool photographed = window != nullptr;
    const char* const pages[] = {"main", "bass", "music", "settings"};
    for (const char* page : pages) {
        // The turn takes a second and the caption follows within 200 ms.
        PumpMessagesFor(1600);
        photographed = Photograph(window, prefix + "-" + page + ".bmp") && photographed;
        for (const UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})  // a click on "Next"
            ::SendMessageA(window, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(233, 15));
        if (page == pages[0]) {
            // Halfway through the first turn: the pages on the wheel and the scope at its lowest.
            PumpMessagesFor(450);
            photographed = Photograph(window, prefix + "-turning.bmp") && photographed;
        }
    }
    PumpMessagesFor(1600);
    aboutPrefix = prefix;
    ::SetTimer(nullptr, 0, 500, PhotographAbout);
    module.Config(&module);
    photographed = aboutPhotographed && photographed;
    start = NowMs();
    module.Quit(&module);
    const double quitMs = NowMs() - start;

    const int before = CountWindows();
    double slowestInit = 0, slowestQuit = 0;
    int windowsRunning = 0;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        start = NowMs();
        module.Init(&module);
        slowestInit = std::max(slowestInit, NowMs() - start);
        PumpMessagesFor(300);
        windowsRunning = std::max(windowsRunning, CountWindows());
        start = NowMs();
        module.Quit(&module);
        slowestQuit = std::max(slowestQuit, NowMs() - start);
        PumpMessagesFor(50);
    }
    const int after = CountWindows();
    ::FreeLibrary(library);

    const bool fast = initMs <= kLimitMs && quitMs <= kLimitMs && slowestInit <= kLimitMs &&
                      slowestQuit <= kLimitMs;
    const bool clean = after <= before;
    if (FILE* out = std::fopen((prefix + "-figures.txt").c_str(), "w")) {
        std::fprintf(out,
                     "client %ldx%ld\ninit %.0f ms\nquit %.0f ms\nslowest of %d: init %.0f ms, "
                     "quit %.0f ms\nwindows %d before, %d while running, %d after\nphotographed %s\n",
                     client.right, client.bottom, initMs, quitMs, kCycles, slowestInit, slowestQuit, before,
                     windowsRunning, after, photographed ? "yes" : "no");
        std::fclose(out);
    }
    return fast && clean && photographed ? 0 : 1;
}
