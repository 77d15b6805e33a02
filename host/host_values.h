#pragma once
// The process-wide values that the plug-in's start entry sets up for the rest of the library.

#include <windows.h>

#include <atomic>
#include <string>

#include "engine/engine.h"

// Hand-over of the engine between the player's window thread and its audio thread. Both are
// sequentially consistent: each side's store must be visible before its load of the other flag.
extern std::atomic<bool> engineBypass;
extern std::atomic<bool> engineIdle;

extern Engine& engine;
extern std::string settingsPath;  // the player's "winamp.ini"
extern std::string presetFolder;  // "plugins\Velora\" below the player's folder
extern HWND hostWindow;           // the player's main window
