#pragma once
// The folder of the running program, the player's: its settings file and presets live there.

#include <windows.h>

#include <string>

#include "host/host_paths.h"

// The folder of the process's executable (not of a library in it), with its trailing backslash.
inline std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return FolderOf(path);
}
