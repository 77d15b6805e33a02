// The player's settings file and preset folder are found from the player's executable, wherever
// the library itself lies.

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/player_files.h"
#include "tests/win/host_plugin_under_test.h"

TEST(HostPaths, PathsAreFormedInTheExecutablesFolder) {
    const std::string folder = FolderOf("C:\\Program Files\\Winamp\\winamp.exe");
    EXPECT_EQ(folder, "C:\\Program Files\\Winamp\\");
    EXPECT_EQ(SettingsPathIn(folder), "C:\\Program Files\\Winamp\\winamp.ini");
    EXPECT_EQ(PresetFolderIn(folder), "C:\\Program Files\\Winamp\\plugins\\Velora\\");
    EXPECT_EQ(FolderOf("Z:/home/listener/player.exe"), "Z:/home/listener/");
    EXPECT_EQ(FolderOf("player.exe"), "");
}

TEST(HostPaths, LongPathsAreCutTo255Characters) {
    const std::string folder = "C:\\" + std::string(240, 'a') + "\\";
    ASSERT_EQ(folder.size(), 244u);
    const std::string settings = SettingsPathIn(folder);
    EXPECT_EQ(settings.size(), 254u);
    EXPECT_EQ(SettingsPathIn(folder + "b"), folder + "bwinamp.ini");
    EXPECT_EQ(SettingsPathIn(folder + "bc"), (folder + "bcwinamp.ini").substr(0, 255));
    const std::string presets = PresetFolderIn(folder);
    EXPECT_EQ(presets.size(), 255u);
    EXPECT_EQ(presets, (folder + "plugins\\Velora\\").substr(0, 255));
}

namespace {

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

}  // namespace

TEST(HostPaths, ALibraryLoadedFromAnotherFolderKeepsItsSettingsBesideThePlayer) {
    const std::string playerSettings = SettingsPathIn(ExecutableFolder());
    ::DeleteFileA(playerSettings.c_str());
    const LibraryCopy copy;
    ASSERT_NE(copy.Library(), nullptr);
    EXPECT_NE(copy.Library(), ::GetModuleHandleA(VELORA_PLUGIN_DLL));
    DspModule& module = copy.Module();
    EXPECT_EQ(module.Init(&module), 0);
    std::vector<int16_t> block = TestTone(576, 2);
    const std::vector<int16_t> input = block;
    EXPECT_EQ(module.ModifySamples(&module, block.data(), 576, 16, 2, 44100), 576);
    EXPECT_NE(block, input);
    module.Quit(&module);

    EXPECT_EQ(FilesIn(copy.Folder()), std::vector<std::string>{"dsp_vlra.dll"});
    EXPECT_NE(::GetFileAttributesA(playerSettings.c_str()), INVALID_FILE_ATTRIBUTES)
        << "no settings beside the player";
}
