// The settings section, the preset files and the INI files on disk, through the portable layer.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <set>
#include <tuple>

#include "cli_test_support.h"
#include "settings/engine_input_table.h"
#include "settings/ini_file.h"
#include "settings/preset_file.h"
#include "settings/settings_section.h"
#include "settings/shared_values.h"
#include "settings/stored_inputs.h"

namespace {

std::string Slurp(const std::string& path) { return ReadIniFile(path).value_or("<unreadable>"); }

void Spill(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

class SettingsFiles : public testing::Test {
protected:
    void SetUp() override { settingsPath = folder_ / "winamp.ini"; }
    void TearDown() override { settingsPath.clear(); }

    ScratchFolder folder_;
};

TEST_F(SettingsFiles, WriteDefaultsWritesTheTwentyNineKeysInOrderAfterForeignLines) {
    Spill(settingsPath, "[winamp]\r\noutname=out_ds.dll\r\n");
    WriteDefaults();
    EXPECT_EQ(Slurp(settingsPath),
              "[winamp]\r\noutname=out_ds.dll\r\n[Velora KDS]\r\n"
              "x=300\r\ny=200\r\nbassagc=50\r\nphatt=50\r\nbasslopass=60\r\nbass3d=50\r\nbasscolor=20\r\n"
              "bassout=90\r\nbasslim=90\r\nbassresonance=53\r\nhipass=0\r\n3d=30\r\nprologic=10\r\ntreble=10\r\n"
              "dry=55\r\nspeed=0\r\ncomp=0\r\nagc=80\r\npage=0\r\ntimer=25\r\ndelay=1000\r\nautodetect=1\r\n"
              "doubleresonance=0\r\nstereoagc=1\r\nloudness=0\r\nwidefilt=0\r\nsoft=1\r\nhidden=0\r\ninverted=0\r\n");
    EXPECT_EQ(ReadSetting(kMarkerKey), 0);
    WriteSetting("BassAgc", 150);
    EXPECT_EQ(ReadSetting("bassagc"), 150);
}

TEST_F(SettingsFiles, TheDefaultsHoldEveryEngineInputOnce) {
    std::multiset<std::string> keys;
    for (const SettingsDefault& setting : SettingsDefaults()) keys.insert(setting.key);
    for (const EngineInputInfo& info : EngineInputTable()) EXPECT_EQ(keys.count(info.key), 1u) << info.key;
    std::set<std::string> presetKeys(PresetKeys().begin(), PresetKeys().end());
    EXPECT_EQ(presetKeys.size(), 21u);
    EXPECT_EQ(presetKeys.count("inverted"), 0u);
    for (const std::string& key : presetKeys) EXPECT_NE(FindEngineInput(key), nullptr) << key;
}

TEST_F(SettingsFiles, FailedWritesReportAndLoseNothing) {
    EXPECT_FALSE(WriteIniString(folder_ / "missing/winamp.ini", "S", "k", "1"));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));

    Spill(settingsPath, "[S]\nk=1\n");
    ::chmod(settingsPath.c_str(), 0444);
    EXPECT_FALSE(WriteIniString(settingsPath, "S", "k", "2"));
    EXPECT_TRUE(WriteIniString(settingsPath, "S", "k", "1"));  // nothing to change
    EXPECT_EQ(Slurp(settingsPath), "[S]\nk=1\n");
    ::chmod(settingsPath.c_str(), 0600);

    const std::string target = folder_ / "real.ini";
    Spill(target, "[S]\nk=1\n");
    ::chmod(target.c_str(), 0640);
    std::filesystem::create_symlink(target, folder_ / "link.ini");
    EXPECT_TRUE(WriteIniString(folder_ / "link.ini", "S", "k", "3"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "link.ini"));
    EXPECT_EQ(Slurp(target), "[S]\nk=3\n");
    struct stat status {};
    ::stat(target.c_str(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(folder_.Entries(), (std::set<std::string>{"link.ini", "real.ini", "winamp.ini"}));
}

TEST_F(SettingsFiles, PresetNamesAndValues) {
    // The listing of names like "Jazz.VELORA" and "a.velora.velora" is checked in the window.
    EXPECT_FALSE(IsPresetFileName("velora"));
    EXPECT_EQ(PresetListName(std::string(300, 'n') + ".velora"), std::string(255, 'n'));

    const std::string party = folder_ / "Party.velora";
    Spill(party, "; mine\n[Velora KDS preset]\nbassagc=1\n");
    for (const char* key : PresetKeys()) EXPECT_TRUE(WritePresetValue(party, key, 7));
    std::string expected = "; mine\n[Velora KDS preset]\nbassagc=7\n";
    for (const char* key : PresetKeys().subspan(1)) expected += std::string(key) + "=7\r\n";
    EXPECT_EQ(Slurp(party), expected);
    EXPECT_EQ(ReadPresetValue(party, "soft"), 7);
    EXPECT_EQ(ReadPresetValue(folder_ / "none.velora", "soft"), 0);
}

TEST(StoredInputs, GiveWhatTheWindowsControlsWouldSet) {
    const std::string marked = "[Velora KDS]\r\ndevil=666\r\n";
    // name, settings, a preset applied after them when not empty, inputs expected
    const std::tuple<const char*, std::string, std::string, InputValues> cases[] = {
        {"no marker gives the defaults", "[Velora KDS]\nbassagc=70\ndevil=665\n", "", {{"bassagc", 50}, {"soft", 1}}},
        {"marked section, clamped, missing keys 0", marked + "bassagc=150\nsoft=2\ndry=-5\ninverted=1\n", "",
         {{"bassagc", 100}, {"soft", 1}, {"dry", 0}, {"agc", 0}, {"stereoagc", 0}, {"inverted", 1}}},
        {"preset over settings keeps inverted", marked + "inverted=1\nagc=40\n",
         "[Velora KDS preset]\nbassagc=30\nsoft=0\nwidefilt=9\n",
         {{"bassagc", 30}, {"soft", 0}, {"widefilt", 1}, {"agc", 0}, {"inverted", 1}}},
        {"junk file gives the defaults", std::string("\xff\0\r\r[", 5), "", {{"3d", 30}, {"dry", 55}}},
    };
    for (const auto& [name, settings, preset, expected] : cases) {
        EngineInputs inputs;
        ApplyStoredSettings(inputs, settings);
        if (!preset.empty()) ApplyStoredPreset(inputs, preset);
        for (const auto& [key, value] : expected)
            EXPECT_EQ(GetEngineInput(inputs, *FindEngineInput(key)), value) << name << ": " << key;
    }
}

}  // namespace
