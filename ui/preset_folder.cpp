#include "ui/preset_folder.h"

#include <windows.h>

#include "settings/preset_file.h"

std::vector<std::string> PresetNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::CreateDirectoryA(folder.c_str(), nullptr);
        return names;
    }
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA((folder + "*" + kPresetExtension).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    constexpr DWORD kNotOrdinary =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
        // The pattern also meets short names; the long name decides.
        if (!(found.dwFileAttributes & kNotOrdinary) && IsPresetFileName(found.cFileName))
            names.push_back(PresetListName(found.cFileName));
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}
