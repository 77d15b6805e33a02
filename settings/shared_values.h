#pragma once
// The process-wide paths that the plug-in's start entry sets and the settings, preset and window
// code use. Each is a full path of at most kMaxPath characters.

#include <string>

extern std::string settingsPath;   // the player's "winamp.ini" (LocatePlayerFiles)
extern std::string presetFolder;   // "plugins\Velora\" beside it, with the backslash
extern std::string currentPreset;  // the preset file last applied or saved; empty at start
