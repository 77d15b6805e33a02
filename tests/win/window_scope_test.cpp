// The oscilloscope's controls, the delay's auto-detection, the clip meter and the frame drawn
// in the window, and the window thread's load at the highest refresh rate.

#include "tests/win/control_window_fixture.h"

#include <cmath>
#include <cstdio>
#include <thread>

#include "settings/settings_section.h"

namespace {

using WindowScope = ControlWindowTest;

TEST_F(WindowScope, RefreshRateSetsTheFrameIntervalAndTheLabel) {
    Show();
    const struct {
        int rate;
        unsigned interval;
        const char* label;
    } cases[] = {{80, 12, "80fps"}, {4, 250, "4fps"}, {25, 40, "25fps"}};
    for (const auto& c : cases) {
        form->TrackBar_t->SetPosition(c.rate);
        EXPECT_EQ(form->Timer_osc->Interval(), c.interval);
        EXPECT_EQ(form->Label_osc->Caption(), c.label);
        EXPECT_EQ(form->refreshRate, c.rate);
    }
}

TEST_F(WindowScope, ATypedDelayIsCorrectedWithinASecond) {
    Show();
    form->CheckBox1->SetChecked(false);
    for (const auto& [typed, shown] : {std::pair{"50", "100"}, {"9999", "9999"}, {"x1", "100"}, {"250ms", "250"}}) {
        form->Edit1->SetText(typed);
        form->Timer1Timer(nullptr);
        EXPECT_EQ(form->Edit1->Text(), shown) << typed;
        EXPECT_EQ(form->scopeDelay, std::stoi(shown));
    }
}

TEST_F(WindowScope, AutoDetectionTakesTheKnownOutputPluginsBuffer) {
    const struct {
        const char* player;
        const char* field;
    } cases[] = {
        {"[winamp]\r\noutname=OUT_WAVE.DLL\r\n[out_wave]\r\ncfg_buf_ms=2500\r\n[out_ds]\r\ncfg_buf_ms=700\r\n", "2500"},
        {"[winamp]\r\noutname=out_ds.dll\r\n[out_ds]\r\ncfg_buf_ms=700\r\n", "700"},
        {"[winamp]\r\noutname=out_ds.dll\r\n", "1000"},
        // No output plug-in named, or one whose buffer is unknown: the last delay stays.
        {"[winamp]\r\nvolume=200\r\n", "1234"},
        {"[winamp]\r\noutname=out_disk.dll\r\n", "1234"},
    };
    Show();
    const std::string settings = ReadText(settingsPath);
    for (const auto& c : cases) {
        WriteText(settingsPath, c.player + settings);
        form->Edit1->SetText("1234");
        form->Timer2Timer(nullptr);
        EXPECT_EQ(form->Edit1->Text(), c.field) << c.player;
        EXPECT_FALSE(form->Edit1->Enabled());
    }
    form->CheckBox1->SetChecked(false);
    EXPECT_TRUE(form->Edit1->Enabled());
    EXPECT_EQ(form->autoDetect, 0);
}

TEST_F(WindowScope, AWindowHiddenRightAfterItsShowSavesTheLoadedDelay) {
    Show();
    Hide();
    WriteSetting("delay", 2345);
    Show();
    Hide();
    EXPECT_EQ(ReadSetting("delay"), 2345);
}

TEST_F(WindowScope, ClipMeterShowsWholePercentsWithoutLimitOrSign) {
    for (const auto& [level, caption] : {std::pair{0.05f, "Clip: 5%"}, {0.0599f, "Clip: 5%"}, {1.0f, "Clip: 100%"},
                                         {2.0f, "Clip: 200%"}, {-0.001f, "Clip: 0%"}}) {
        Display().clipLevel.store(level);
        form->Timer3Timer(nullptr);
        EXPECT_EQ(form->Label_clip->Caption(), caption) << level;
    }
    Display().clipLevel.store(0);
}

TEST_F(WindowScope, FramesAreDrawnInOneBitmapOfThePaintBoxsSize) {
    Show();
    EngineDisplay& display = Display();
    display.scopeBlockStart.store(5000);
    display.blockSampleRate.store(44100);
    form->CheckBox1->SetChecked(false);
    form->Edit1->SetText("100");
    form->Timer1Timer(nullptr);
    display.scopeRing[5000].store(16000);
    form->Timer_oscTimer(nullptr);
    const HBITMAP first = form->scopeBitmap.Handle();
    EXPECT_EQ(form->scopeStart, 5000);
    EXPECT_EQ((std::pair{form->scopeBitmap.Width(), form->scopeBitmap.Height()}), (std::pair{252, 71}));
    EXPECT_EQ(form->scopeBitmap.PixelAt(0, 35 + 17), RGBColor(0, 0, 255));
    EXPECT_EQ(form->scopeBitmap.PixelAt(8, 0), RGBColor(96, 96, 96));
    // Paused: the next frame shows the stretch a picture's width later, in the same bitmap.
    form->Timer_oscTimer(nullptr);
    EXPECT_EQ(form->scopeStart, 5000 + 2 * 252);
    EXPECT_EQ(form->scopeBitmap.Handle(), first);
    display.scopeRing[5000].store(0);
    display.scopeBlockStart.store(0);
    display.blockSampleRate.store(0);
}

double ThreadCpuMs() {
    FILETIME created, exited, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) { return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

// A shown window at 80 frames per second while blocks arrive at the pace of 44,100 Hz audio.
TEST_F(WindowScope, TheWindowThreadUsesUnderFivePercentOfACoreAt80Fps) {
    Show();
    Hide();
    WriteSetting("timer", 80);
    form->Show();
    std::atomic<bool> playing{true};
    std::thread audio([&] {
        EngineDisplay& display = Display();
        for (int32_t start = 0; playing.load(); start = (start + 1152) % 1000000) {
            for (int entry = 0; entry < 1152; ++entry)
                display.scopeRing[start + entry].store(static_cast<int16_t>(20000 * std::sin((start + entry) * 0.01)));
            display.blockSampleRate.store(44100);
            display.scopeBlockStart.store(start);
            ::Sleep(13);
        }
    });
    constexpr DWORD kMeasureMs = 10000;
    const double cpuBefore = ThreadCpuMs();
    // A waiting message loop, as the player's, so that the loop itself costs nothing.
    const UINT_PTR end = ::SetTimer(nullptr, 0, kMeasureMs, nullptr);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) && !(message.message == WM_TIMER && message.wParam == end))
        ::DispatchMessageA(&message);
    ::KillTimer(nullptr, end);
    const double load = (ThreadCpuMs() - cpuBefore) / kMeasureMs * 100;
    playing = false;
    audio.join();
    std::printf("window thread at 80 fps: %.2f %% of one core over %lu ms\n", load, kMeasureMs);
    EXPECT_LT(load, 5.0);
}

}  // namespace
