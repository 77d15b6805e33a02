// velora-window-shots PLUGIN.dll PREFIX: starts the plug-in as the player does, plays the demo
// through it at the pace of the audio, photographs its window on each page and halfway from Main
// to Bass (PREFIX-main.bmp ... PREFIX-turning.bmp), the About window over it at the top and
// scrolled down (PREFIX-about-top.bmp, PREFIX-about-bottom.bmp) and writes PREFIX-figures.txt;
// exit status 0 when every start and stop took at most 500 ms and ten
// of them left no window behind (wine counts no GDI or USER objects).

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "cli/demo_signal.h"

#include "host/dsp_records.h"
#include "settings/player_files.h"
#include "standin/player_window.h"
#include "tests/win/message_pump.h"
#include "tests/win/window_photograph.h"

namespace {

constexpr double kLimitMs = 500;
constexpr int kCycles = 10;

double NowMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Plays the demo into the module in 576-frame blocks at the pace of the audio, each block no
// sooner than its start time, until told to stop.
void PlayDemo(DspModule& module, const std::atomic<bool>& playing) {
    constexpr int32_t kBlockFrames = 576;
    const std::vector<int16_t> demo = RenderDemoSignal();
    std::vector<int16_t> block(kBlockFrames * kDemoChannels);
    const double start = NowMs();
    for (int64_t played = 0; playing.load();) {
        if (played * 1000.0 / kDemoSampleRate > NowMs() - start) {
            ::Sleep(2);
            continue;
        }
        const int64_t frame = played % (kDemoFrames - kBlockFrames);
        std::copy_n(demo.begin() + frame * kDemoChannels, block.size(), block.begin());
        module.ModifySamples(&module, block.data(), kBlockFrames, 16, kDemoChannels, kDemoSampleRate);
        played += kBlockFrames;
    }
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
    aboutPhotographed = PhotographWindow(about, aboutPrefix + "-about-top.bmp");
    ::SendMessageA(about, WM_VSCROLL, SB_BOTTOM, 0);
    PumpMessagesFor(300);
    aboutPhotographed = PhotographWindow(about, aboutPrefix + "-about-bottom.bmp") && aboutPhotographed;
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
    std::atomic<bool> playing{true};
    std::thread audio(PlayDemo, std::ref(module), std::cref(playing));
    const char* const pages[] = {"main", "bass", "music", "settings"};
    for (const char* page : pages) {
        // The turn takes a second and the caption follows within 200 ms; the first photograph
        // waits until the oscilloscope, a second behind the latest block, shows the demo.
        PumpMessagesFor(page == pages[0] ? 2500 : 1600);
        photographed = PhotographWindow(window, prefix + "-" + page + ".bmp") && photographed;
        for (const UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})  // a click on "Next"
            ::SendMessageA(window, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(233, 15));
        if (page == pages[0]) {
            // Halfway through the first turn: the pages on the wheel and the scope at its lowest.
            PumpMessagesFor(450);
            photographed = PhotographWindow(window, prefix + "-turning.bmp") && photographed;
        }
    }
    PumpMessagesFor(1600);
    aboutPrefix = prefix;
    ::SetTimer(nullptr, 0, 500, PhotographAbout);
    module.Config(&module);
    photographed = aboutPhotographed && photographed;
    playing = false;
    audio.join();
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
