// The control window with the settings section: defaults at the first show, the marker at the
// first hide, every value back after a hide and a show or a restart, odd stored values, reset.

#include "tests/win/control_window_fixture.h"

#include <atomic>
#include <thread>
#include <tuple>

#include "settings/settings_section.h"

namespace {

using WindowSettings = ControlWindowTest;

TEST_F(WindowSettings, FirstShowWritesTheDefaultsInOrderAndTheFirstHideTheMarker) {
    WriteText(settingsPath, "[winamp]\r\noutname=out_ds.dll\r\n");
    Show();
    std::string expected = "[winamp]\r\noutname=out_ds.dll\r\n[Velora KDS]\r\n";
    for (const SettingsDefault& setting : SettingsDefaults())
        expected += std::string(setting.key) + "=" + std::to_string(setting.value) + "\r\n";
    EXPECT_EQ(SettingsDefaults().size(), 29u);
    EXPECT_EQ(ReadText(settingsPath), expected);

    EXPECT_EQ((std::vector<int>{form->Left(), form->Top(), form->Width(), form->Height(), form->wheel.pageIndex}),
              (std::vector<int>{300, 200, 275, 268, 0}));
    // Every control ran its handler with its default, also those already showing it.
    for (const EngineInputInfo& input : EngineInputTable())
        EXPECT_EQ(GetEngineInput(inputs, input), input.defaultValue) << input.key;
    EXPECT_EQ((std::vector<int>{form->MyKnob21->Position(), form->MyKnob24->Position(), form->refreshRate,
                                form->scopeDelay, form->autoDetect}),
              (std::vector<int>{90, 30, 25, 1000, 1}));
    EXPECT_FALSE(form->Edit1->Enabled());

    Hide();
    EXPECT_EQ(ReadText(settingsPath), expected + kMarkerKey + "=" + std::to_string(kMarkerValue) + "\r\n");
}

// The reload after every show runs while the engine plays: the steps away from the stored values
// must never reach the sound.
TEST_F(WindowSettings, ReloadingNeverShowsTheEngineAValueOtherThanTheStoredOne) {
    Show();
    const std::vector<int32_t> stored = InputValues();
    std::atomic<bool> done{false};
    std::atomic<int> strayReads{0};
    std::thread engine([&] {
        while (!done) strayReads += InputValues() != stored;
    });
    for (int reload = 0; reload < 20; ++reload) form->LoadSettings();
    done = true;
    engine.join();
    EXPECT_EQ(strayReads, 0);
}

// A "winamp.ini" that cannot be written (here held open by another program that lets others only
// read it): the window still works and the engine runs on the defaults, or on the values the file
// already holds; the file stays as it was.
TEST_F(WindowSettings, AnUnwritableSettingsFileLeavesTheFileAloneAndTheSoundAudible) {
    const std::pair<std::string, int32_t> cases[] = {
        {"[winamp]\r\noutname=out_ds.dll\r\n", 90},
        {"[Velora KDS]\r\nbassout=40\r\ndevil=666\r\n", 40},
    };
    for (const auto& [text, bassout] : cases) {
        WriteText(settingsPath, text);
        const HANDLE holder = ::CreateFileA(settingsPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        Show();
        EXPECT_EQ(ReadInput(inputs.bassout), bassout);
        EXPECT_EQ(ReadInput(inputs.dry), bassout == 90 ? 55 : 0);
        Turn(true);
        form->TrackBar(16)->SetPosition(70);
        Hide();
        EXPECT_EQ(ReadInput(inputs.dry), 70);
        EXPECT_EQ(ReadText(settingsPath), text);
        ::CloseHandle(holder);
        Restart();
    }
}

TEST_F(WindowSettings, HideAndShowAndARestartBringBackEveryValue) {
    WriteText(settingsPath, "[winamp]\r\noutname=out_ds.dll\r\n[out_ds]\r\ncfg_buf_ms=700\r\n");
    Show();
    for (int number = 1; number <= kSliderCount; ++number) form->TrackBar(number)->SetPosition(number * 6 - 3);
    for (TCheckBox* box : {form->CheckBox_double, form->CheckBox_soft, form->CheckBox_stereo, form->CheckBox_wf,
                           form->CheckBox_loudness, form->CheckBox_i})
        box->SetChecked(!box->Checked());
    form->TrackBar_t->SetPosition(4);
    form->CheckBox1->SetChecked(false);
    form->Edit1->SetText("2500");
    form->Timer1Timer(nullptr);
    Turn(true);
    form->SetBounds(40, 50, form->Width(), form->Height());
    const std::vector<int32_t> values = InputValues();

    Hide();
    for (int number = 1; number <= kSliderCount; ++number) form->TrackBar(number)->SetPosition(0);
    Show();
    EXPECT_EQ(InputValues(), values);
    Restart();
    Show();
    EXPECT_EQ(InputValues(), values);
    EXPECT_EQ(form->MyKnob22->Position(), 16 * 6 - 3);
    EXPECT_EQ((std::vector<int>{form->refreshRate, static_cast<int>(form->Timer_osc->Interval()), form->scopeDelay,
                                form->autoDetect, form->wheel.pageIndex, form->Left(), form->Top()}),
              (std::vector<int>{4, 250, 2500, 0, 3, 40, 50}));
    EXPECT_EQ(form->Edit1->Text(), "2500");
}

TEST_F(WindowSettings, StoredValuesOutOfRangeAreClampedByTheControlsAndSavedClamped) {
    Show();
    Hide();
    const std::tuple<const char*, int32_t, int32_t> cases[] = {
        {"bassagc", 150, 100}, {"soft", 2, 1},       {"bass3d", -5, 0},    {"timer", 200, 80},
        {"delay", 50, 100},    {"delay", 20000, 10000}, {"stereoagc", -1, 1}, {"dry", INT32_MIN, 0},
    };
    for (const auto& [key, stored, saved] : cases) {
        WriteSetting(key, stored);
        Show();
        Hide();
        EXPECT_EQ(ReadSetting(key), saved) << key;
    }
    Show();
    EXPECT_EQ(form->TrackBar(1)->Position(), 100);
    EXPECT_TRUE(form->CheckBox_soft->Checked());
    EXPECT_TRUE(ReadInput(inputs.soft));
}

TEST_F(WindowSettings, AMarkerOtherThan666BringsBackTheDefaults) {
    Show();
    Hide();
    WriteSetting("bassagc", 7);
    WriteSetting("page", 2);
    WriteSetting(kMarkerKey, 665);
    Show();
    EXPECT_EQ(form->TrackBar(1)->Position(), 50);
    EXPECT_EQ(form->wheel.pageIndex, 0);
}

TEST_F(WindowSettings, ResetAllTakesTheDefaultsAndKeepsThePage) {
    Show();
    Turn(true);
    Turn(true);
    ASSERT_EQ(form->wheel.pageIndex, 2);
    form->SetBounds(10, 20, form->Width(), form->Height());
    form->TrackBar(1)->SetPosition(3);
    form->CheckBox_loudness->SetChecked(true);
    form->Generalreset1Click(nullptr);
    EXPECT_EQ(form->TrackBar(1)->Position(), 50);
    EXPECT_FALSE(ReadInput(inputs.loudness));
    EXPECT_EQ((std::vector<int>{form->Left(), form->Top(), form->wheel.pageIndex, form->Panel3->Top()}),
              (std::vector<int>{300, 200, 2, 32}));
    Hide();
    EXPECT_EQ(ReadSetting("page"), 2);
}

}  // namespace
