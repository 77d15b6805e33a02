#pragma once
// Where the running player keeps the files the plug-in shares with it: the settings file that
// holds the plug-in's section and the player's output settings, and the preset folder beside it.

#include <windows.h>

#include <string>

#include "settings/player_paths.h"

// The player's inter-process message to its main window, and the request in it whose answer is the
// full path of the settings file the player uses (a pointer to its text, or 0).
inline constexpr UINT WM_WA_IPC = WM_USER;
inline constexpr LPARAM IPC_GETINIFILE = 334;

struct PlayerFiles {
    std::string settingsPath;
    std::string presetFolder;  // with its trailing backslash
};

// The folder of the process's executable (not of a library in it), with its trailing backslash.
std::string ExecutableFolder();

// "winamp.ini" in the program folder where it can be written, so that a portable player keeps
// everything in its folder as before. Otherwise the settings file that the player's main window
// reports, as an installed player keeps its own settings in the user's profile; without an answer
// the program folder's file all the same. The preset folder is "plugins\Velora\" beside the file.
PlayerFiles LocatePlayerFiles(const std::string& programFolder, HWND playerWindow);
