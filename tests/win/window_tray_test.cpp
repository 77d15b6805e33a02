// The control window and its notification-area icon: the close request that hides with a
// balloon, the icon's and the balloon's clicks, "hidden" recorded at the stop and applied after
// the next show, "Reset All" while hidden. Under wine without a window manager every hide of a
// shown window takes two seconds, so the tests show the window for real only where the show or
// the hide is what they check.

#include "tests/win/control_window_fixture.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "controls/CoolTrayIconHandler.h"
#include "settings/settings_section.h"
#include "tests/win/message_pump.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Notes when the window's hide handler starts, then runs it.
struct HideClock {
    TForm_s* form;
    Clock::time_point at;
    void Hidden(TObject* sender) {
        at = Clock::now();
        form->FormHide(sender);
    }
};

class WindowTray : public ControlWindowTest {
protected:
    // A notification about the window's icon, as the shell sends it.
    void Notify(LPARAM event) {
        ::SendMessageA(TTrayIconHandler::Shared()->Handle(), TrayCallbackMessage, form->CoolTrayIcon1->IconId(),
                       event);
    }
    void ClickIcon() {
        Notify(WM_LBUTTONDOWN);
        Notify(WM_LBUTTONUP);
    }
    bool Shown() const { return form->Visible() && ::IsWindowVisible(form->Handle()); }
};

TEST_F(WindowTray, FirstStartShowsTheIconAndACloseRequestHidesWithABalloonForTwoSeconds) {
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return !form->Timer_show->Enabled(); }, 1000));
    EXPECT_TRUE(Shown());
    const auto added = std::find_if(shell.calls.begin(), shell.calls.end(),
                                    [](const ShellCall& call) { return call.command == NIM_ADD; });
    ASSERT_NE(added, shell.calls.end());
    EXPECT_EQ(added->tip, "Velora Enhancer");
    EXPECT_TRUE(added->withIcon);
    EXPECT_TRUE(form->CoolTrayIcon1->IconVisible());
    EXPECT_NE(ReadSetting(kMarkerKey), kMarkerValue);

    // A value neither click writes: the close request must leave it.
    WriteSetting("hidden", 7);
    shell.calls.clear();
    const Clock::time_point start = Clock::now();
    ::SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    const Clock::duration took = Clock::now() - start;
    EXPECT_FALSE(Shown());
    EXPECT_TRUE(::IsWindow(form->Handle()));
    // The hide handler ran: the settings are saved and the timers stopped.
    EXPECT_EQ(ReadSetting(kMarkerKey), kMarkerValue);
    EXPECT_FALSE(form->Timer_osc->Enabled());
    EXPECT_EQ(ReadSetting("hidden"), 7);

    // The balloon replaces any earlier one, stays for two seconds, and is taken away.
    const std::vector<ShellCall> balloon = shell.Balloons();
    ASSERT_EQ(balloon.size(), 3u);
    EXPECT_EQ(balloon[0].info, "");
    EXPECT_EQ((std::vector<std::string>{balloon[1].infoTitle, balloon[1].info}),
              (std::vector<std::string>{"Velora Enhancer", "Click HERE to get me back"}));
    EXPECT_EQ(balloon[1].infoFlags, static_cast<DWORD>(NIIF_INFO));
    EXPECT_EQ(balloon[1].timeout, 2000u);
    EXPECT_EQ(balloon[2].info, "");
    EXPECT_GE(balloon[2].at - balloon[1].at, 1990ms);
    EXPECT_GE(took, 1990ms);
    // Two seconds of waiting and, under wine without a window manager, two of hiding.
    EXPECT_LT(took, 6s);

    Notify(NIN_BALLOONUSERCLICK);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(ReadSetting("hidden"), 7);
}

TEST_F(WindowTray, AStopWhileHiddenRecordsItAndTheNextStartHidesAboutTenMillisecondsAfterTheShow) {
    Show();
    Hide();
    WriteSetting("hidden", 0);
    stopping = true;
    shell.calls.clear();
    const Clock::time_point start = Clock::now();
    form->Close();
    EXPECT_LT(Clock::now() - start, 1s);
    EXPECT_EQ(ReadSetting("hidden"), 1);
    EXPECT_TRUE(shell.Balloons().empty());

    stopping = false;
    Restart();
    HideClock clock{form, {}};
    form->OnHide = TNotifyEvent(&clock, &HideClock::Hidden);
    const Clock::time_point shown = Clock::now();
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return !form->Visible(); }, 1000));
    EXPECT_FALSE(Shown());
    EXPECT_GE(clock.at - shown, 9ms);
    EXPECT_LT(clock.at - shown, 250ms);

    // Each click records what it is about to do, then does it.
    const std::pair<int32_t, bool> clicks[] = {{0, true}, {1, false}};
    for (const auto& [hidden, visible] : clicks) {
        ClickIcon();
        EXPECT_EQ(ReadSetting("hidden"), hidden);
        EXPECT_EQ(Shown(), visible);
    }

    // A settings file that cannot take "hidden" (another program holds it): the click still
    // brings the window back, and the step after the show leaves it visible.
    const HANDLE holder = ::CreateFileA(settingsPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ClickIcon();
    PumpMessagesFor(100);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(ReadSetting("hidden"), 1);
    ::CloseHandle(holder);
}

TEST_F(WindowTray, ResetAllWhileHiddenKeepsTheWindowHiddenAndTheNextShowStartsFromTheDefaults) {
    Show();
    Turn(true);
    form->SetBounds(10, 20, form->Width(), form->Height());
    form->TrackBar(1)->SetPosition(3);
    Hide();
    ASSERT_EQ(form->CoolTrayIcon1->PopupMenu(), form->PopupMenu1);
    ASSERT_EQ(form->PopupMenu1->Count(), 1);
    EXPECT_EQ(form->Generalreset1->Caption(), "Reset All");

    form->Generalreset1->Click();
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(::IsWindowVisible(form->Handle()));
    EXPECT_EQ((std::vector<int32_t>{ReadSetting("bassagc"), ReadSetting("page"), form->TrackBar(1)->Position()}),
              (std::vector<int32_t>{50, 0, 50}));
    Show();
    EXPECT_EQ((std::vector<int>{form->Left(), form->Top(), form->wheel.pageIndex}), (std::vector<int>{300, 200, 0}));
}

}  // namespace
