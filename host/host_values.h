#pragma once
// The process-wide values that the plug-in's start entry sets up for the rest of the library.

#include <windows.h>

#include <atomic>
#include <string>

#include "engine/engine.h"
#include "settings/shared_values.h"

// Hand-over of the engine between the player's window thread and its audio thread. Both are
// sequentially consistent: each side's store must be visible before its load of the other flag.
// Only the start and stop entries write engineBypass; only the audio thread writes engineIdle,
// which is true at load and outside every block.
extern std::atomic<bool> engineBypass;
extern std::atomic<bool> engineIdle;

extern Engine& engine;
extern HWND hostWindow;  // the player's main window
