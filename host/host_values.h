#pragma once
// The process-wide values that the plug-in's start entry sets up for the rest of the library.

#include <windows.h>

#include <string>

#include "engine/engine.h"
#include "host/engine_handover.h"
#include "settings/shared_values.h"

extern EngineHandOver handOver;
extern Engine& engine;
extern HWND hostWindow;  // the player's main window
