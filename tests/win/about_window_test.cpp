// The About window: its place and fixed size, its pictures and their captions, scrolling to them
// and opening at the top again, and its modal loop over the control window, whose timers go on.
// Each test acts on the window from a timer that its modal loop dispatches, then closes it.

#include <windows.h>

#include <functional>
#include <string_view>

#include "tests/win/control_window_fixture.h"
#include "tests/win/host_plugin_under_test.h"
#include "tests/win/toolkit_test_support.h"
#include "ui/Unit_about.h"

namespace {

constexpr int kContentHeight = 737;

std::function<void(HWND)> whileOpen;
LARGE_INTEGER openedAt;
// From the call to the window made, shown and painted through; and to its pixels on the screen,
// which waits for the X server to map it as well.
double paintedMs = 0;
double onScreenMs = 0;

double MillisecondsSinceOpening() {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * (now.QuadPart - openedAt.QuadPart) / frequency.QuadPart;
}

void CALLBACK ActThenClose(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    HWND about = ::FindWindowA(nullptr, "About me");
    ASSERT_NE(about, nullptr);
    if (paintedMs == 0) {
        ::RedrawWindow(about, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        paintedMs = MillisecondsSinceOpening();
    }
    if (ScreenPixel(about, 0, 0) == CLR_INVALID && MillisecondsSinceOpening() < 2000) {
        ::SetTimer(nullptr, 0, 1, ActThenClose);
        return;
    }
    onScreenMs = MillisecondsSinceOpening();
    ::RedrawWindow(about, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    whileOpen(about);
    ::PostMessageA(about, WM_CLOSE, 0, 0);
}

// Runs `open`, which shows the About window modally, with `action` run `delayMs` after the start
// from inside the modal loop; the window is closed after the action.
void WhileOpen(const std::function<void()>& open, unsigned delayMs, std::function<void(HWND)> action) {
    whileOpen = std::move(action);
    paintedMs = 0;
    ::QueryPerformanceCounter(&openedAt);
    ::SetTimer(nullptr, 0, delayMs, ActThenClose);
    open();
    EXPECT_EQ(::FindWindowA(nullptr, "About me"), nullptr) << "closed and freed";
}

TForm_a& AboutForm(HWND about) { return *dynamic_cast<TForm_a*>(TWinControl::FromHandle(about)); }

SIZE OutsideSize(HWND window) {
    RECT bounds = {};
    ::GetWindowRect(window, &bounds);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

// The variance of a picture's colour bytes: near zero for a blank one.
double Variance(TBitmap& picture) {
    double sum = 0, squares = 0;
    const int count = picture.Width() * picture.Height() * 3;
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint8_t* row = picture.ScanLine(y);
        for (const std::uint8_t* byte = row; byte < row + picture.Width() * 3; ++byte) {
            sum += *byte;
            squares += double(*byte) * *byte;
        }
    }
    return squares / count - (sum / count) * (sum / count);
}

// A point of a picture as the window shows it, and the picture's own pixel there.
void ExpectShowsPicture(HWND window, TImage& image, int x, int y, const char* where) {
    EXPECT_EQ(ScreenPixel(window, x, y), image.Picture().PixelAt(x - image.Left(), y - image.Top())) << where;
}

// Presses the "About" button among the children enumerated, as a click tells the button's parent.
BOOL CALLBACK ClickAbout(HWND child, LPARAM) {
    char caption[8] = {};
    if (::GetWindowTextA(child, caption, sizeof caption) && std::string_view(caption) == "About")
        ::SendMessageA(::GetParent(child), WM_COMMAND, BN_CLICKED << 16, reinterpret_cast<LPARAM>(child));
    return TRUE;
}

}  // namespace

TEST(AboutWindow, OpensAtItsPlaceQuicklyAndKeepsItsSize) {
    WhileOpen([] { OpenAboutWindow(nullptr); }, 1, [](HWND about) {
        RECT bounds = {};
        ::GetWindowRect(about, &bounds);
        EXPECT_EQ((std::pair{bounds.left, bounds.top}), (std::pair{473L, 284L}));
        MINMAXINFO limits = {};
        ::SendMessageA(about, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        EXPECT_EQ((std::vector<LONG>{limits.ptMinTrackSize.x, limits.ptMinTrackSize.y, limits.ptMaxTrackSize.x,
                                     limits.ptMaxTrackSize.y}),
                  (std::vector<LONG>{349, 288, 349, 288}));
        const std::pair<const char*, std::function<void()>> attempts[] = {
            {"as made", [] {}},
            {"made larger", [about] { ::SetWindowPos(about, nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER); }},
            {"made smaller", [about] { ::SetWindowPos(about, nullptr, 0, 0, 120, 90, SWP_NOMOVE | SWP_NOZORDER); }},
            {"maximised", [about] { ::SendMessageA(about, WM_SYSCOMMAND, SC_MAXIMIZE, 0); }},
        };
        for (const auto& [what, attempt] : attempts) {
            attempt();
            const SIZE size = OutsideSize(about);
            EXPECT_EQ((std::pair{size.cx, size.cy}), (std::pair{349L, 288L})) << what;
        }
    });
    std::printf("[ figure   ] About window made, shown and painted after %.1f ms, on the screen after %.1f ms\n",
                paintedMs, onScreenMs);
    EXPECT_LT(paintedMs, 200.0);
}

TEST(AboutWindow, ScrollsDownToThePicturesAndOpensAtTheTopAgain) {
    WhileOpen([] { OpenAboutWindow(nullptr); }, 1, [](HWND about) {
        TForm_a& form = AboutForm(about);
        for (TImage* image : {form.Image1, form.Image2}) {
            EXPECT_EQ((std::pair{image->Picture().Width(), image->Picture().Height()}), (std::pair{320, 240}));
            EXPECT_GT(Variance(image->Picture()), 100.0);
        }
        ExpectShowsPicture(about, *form.Image1, 100, 252, "first picture's upper edge");
        ::SendMessageA(about, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 300), 0);
        EXPECT_EQ(form.Label1->Top(), 161);
        ::UpdateWindow(about);
        ExpectShowsPicture(about, *form.Image1, 100, 100, "first picture scrolled");
        // Beside the caption's text, the caption shows the picture under it.
        ::UpdateWindow(form.Label1->Handle());
        EXPECT_EQ(ScreenPixel(form.Label1->Handle(), 152, 6), form.Image1->Picture().PixelAt(312, 219));

        ::SendMessageA(about, WM_VSCROLL, SB_BOTTOM, 0);
        const int bottom = kContentHeight - form.ClientHeight();
        EXPECT_EQ(form.VertScrollPosition(), bottom);
        EXPECT_EQ(::GetScrollPos(about, SB_VERT), bottom);
        EXPECT_EQ((std::vector<int>{form.Memo1->Top(), form.Image2->Top(), form.Label2->Top()}),
                  (std::vector<int>{-bottom, 496 - bottom, 705 - bottom}));
        ::UpdateWindow(about);
        ExpectShowsPicture(about, *form.Image2, 100, form.ClientHeight() - 5, "second picture's lower edge");
        ::SendMessageA(about, WM_VSCROLL, SB_LINEUP, 0);
        EXPECT_EQ(form.VertScrollPosition(), bottom - 8);
    });
    WhileOpen([] { OpenAboutWindow(nullptr); }, 1, [](HWND about) {
        TForm_a& form = AboutForm(about);
        EXPECT_EQ(form.VertScrollPosition(), 0);
        EXPECT_EQ(::GetScrollPos(about, SB_VERT), 0);
        EXPECT_EQ((std::vector<int>{form.Memo1->Top(), form.Image1->Top(), form.Label1->Top()}),
                  (std::vector<int>{0, 248, 461}));
    });
}

using AboutOverControlWindow = ControlWindowTest;

TEST_F(AboutOverControlWindow, IsModalWhileTheControlWindowsTimersGoOn) {
    int ticks = 0;
    struct Counter {
        int& ticks;
        void Tick(TObject*) { ++ticks; }
    } counter{ticks};
    auto* timer = new TTimer(form);
    timer->SetInterval(20);
    timer->OnTimer = TNotifyEvent(&counter, &Counter::Tick);
    HWND controlWindow = form->Handle();
    WhileOpen([this] { form->Button3Click(form->Button3); }, 250, [&](HWND about) {
        EXPECT_EQ(::GetWindow(about, GW_OWNER), controlWindow);
        EXPECT_FALSE(::IsWindowEnabled(controlWindow));
        EXPECT_GE(ticks, 4);
    });
    EXPECT_TRUE(::IsWindowEnabled(controlWindow));
}

// The configure entry point, before the start (no control window) and after it (over it).
TEST(AboutFromConfig, OpensOverTheControlWindowWhenThereIsOne) {
    PluginUnderTest& plugin = PluginUnderTest::Get();
    for (const bool started : {false, true}) {
        started ? plugin.StartIfStopped() : plugin.StopIfStarted();
        HWND controlWindow = ::FindWindowA(nullptr, "Velora Enhancer 0.2");
        EXPECT_EQ(controlWindow != nullptr, started);
        WhileOpen([&plugin] { plugin.Module().Config(&plugin.Module()); }, 1, [&](HWND about) {
            EXPECT_EQ(::GetWindow(about, GW_OWNER), controlWindow) << started;
            const SIZE size = OutsideSize(about);
            EXPECT_EQ((std::pair{size.cx, size.cy}), (std::pair{349L, 288L}));
        });
    }
    plugin.StopIfStarted();
}

// The player stops the plug-in from its main thread, inside the About window's loop.
TEST(AboutFromConfig, AStopWhileItIsOpenClosesItAndReturnsToTheConfigureEntryOrTheAboutButton) {
    PluginUnderTest& plugin = PluginUnderTest::Get();
    for (const bool fromButton : {false, true}) {
        plugin.StartIfStopped();
        WhileOpen([&plugin, fromButton] {
            fromButton ? void(::EnumChildWindows(::FindWindowA(nullptr, "Velora Enhancer 0.2"), ClickAbout, 0))
                       : plugin.Module().Config(&plugin.Module());
        }, 1, [&plugin](HWND) { plugin.Stop(); });
        EXPECT_EQ(::FindWindowA(nullptr, "Velora Enhancer 0.2"), nullptr);
    }
}
