// velora-knob-turner CAPTION X Y VALUE DELAY_MS: DELAY_MS after a visible window with the caption
// appears, drags the knob under its client point (X, Y) with mouse messages from 50 along its arc
// to VALUE, and prints when it pressed and released. Exit status 1 when no window, knob or answer.

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "tests/win/visible_window.h"

namespace {

constexpr UINT kAnswerWaitMs = 5000;
constexpr int kStartValue = 50;
constexpr int kValueStep = 5;
constexpr DWORD kMoveIntervalMs = 30;

// The deepest visible child window under a client point of the window.
HWND InnermostChildAt(HWND window, POINT point) {
    for (;;) {
        HWND child = ::ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (child == nullptr || child == window) return window;
        ::MapWindowPoints(window, child, &point, 1);
        window = child;
    }
}

// A point on the knob's face in the direction its pointer takes at the value: a 0..100 knob turns
// through 300 degrees, from 240 (7 o'clock) at 0 to -60 (5 o'clock) at 100.
POINT PointForValue(HWND knob, int value) {
    RECT client;
    ::GetClientRect(knob, &client);
    const int centreX = client.right / 2, centreY = client.bottom / 2;
    const double distance = 0.8 * std::min(centreX, centreY);
    const double angle = (240.0 - 3.0 * value) * std::numbers::pi / 180.0;
    return {centreX + static_cast<LONG>(std::lround(distance * std::cos(angle))),
            centreY - static_cast<LONG>(std::lround(distance * std::sin(angle)))};
}

bool SendMouse(HWND knob, UINT message, WPARAM keys, POINT point) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(knob, message, keys, MAKELPARAM(point.x, point.y), SMTO_ABORTIFHUNG,
                                 kAnswerWaitMs, &result) != 0;
}

int Fail(const char* message) {
    std::fprintf(stderr, "velora-knob-turner: %s\n", message);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: velora-knob-turner CAPTION X Y VALUE DELAY_MS\n");
        return 2;
    }
    const POINT knobPoint = {std::atoi(argv[2]), std::atoi(argv[3])};
    const int value = std::atoi(argv[4]);
    const DWORD delayMs = static_cast<DWORD>(std::atoi(argv[5]));

    HWND window = WaitForVisibleWindow(argv[1]);
    if (window == nullptr) return Fail("the window did not appear");
    const DWORD found = ::GetTickCount();
    ::Sleep(delayMs);
    HWND knob = InnermostChildAt(window, knobPoint);
    if (knob == window) return Fail("no child window at that point");

    const DWORD pressed = ::GetTickCount() - found;
    bool answered = SendMouse(knob, WM_LBUTTONDOWN, MK_LBUTTON, PointForValue(knob, kStartValue));
    const int step = value < kStartValue ? -kValueStep : kValueStep;
    for (int along = kStartValue; answered && along != value;) {
        along = std::abs(value - along) < kValueStep ? value : along + step;
        ::Sleep(kMoveIntervalMs);
        answered = SendMouse(knob, WM_MOUSEMOVE, MK_LBUTTON, PointForValue(knob, along));
    }
    answered = answered && SendMouse(knob, WM_LBUTTONUP, 0, PointForValue(knob, value));
    if (!answered) return Fail("the knob's window did not answer");
    std::printf("pressed %lu ms and released %lu ms after the window appeared\n", pressed,
                ::GetTickCount() - found);
    return 0;
}
