#pragma once
// The player's files as paths: its settings file "winamp.ini" and the preset folder beside it.

#include <string>
#include <string_view>

// Paths handed to the platform's file functions hold at most 255 characters.
inline constexpr size_t kMaxPath = 255;

inline std::string CutPath(std::string path) {
    if (path.size() > kMaxPath) path.resize(kMaxPath);
    return path;
}

// The folder of a file's full path, with its trailing backslash.
inline std::string FolderOf(std::string_view filePath) {
    const size_t slash = filePath.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    return std::string(filePath.substr(0, slash + 1));
}

inline std::string SettingsPathIn(std::string_view folder) {
    return CutPath(std::string(folder) + "winamp.ini");
}

inline std::string PresetFolderIn(std::string_view folder) {
    return CutPath(std::string(folder) + "plugins\\Velora\\");
}
