#pragma once
// The player's folder and the paths formed from it.

#include <string>
#include <string_view>

// Paths handed to the platform's file functions hold at most 255 characters.
inline constexpr size_t kMaxPath = 255;

inline std::string CutPath(std::string path) {
    if (path.size() > kMaxPath) path.resize(kMaxPath);
    return path;
}

// The folder of an executable's full path, with its trailing backslash.
inline std::string FolderOf(std::string_view executablePath) {
    const size_t slash = executablePath.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    return std::string(executablePath.substr(0, slash + 1));
}

inline std::string SettingsPathIn(std::string_view hostFolder) {
    return CutPath(std::string(hostFolder) + "winamp.ini");
}

inline std::string PresetFolderIn(std::string_view hostFolder) {
    return CutPath(std::string(hostFolder) + "plugins\\Velora\\");
}
