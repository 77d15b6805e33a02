#pragma once
// The player's settings file, prepared before the plug-in starts.

#include <windows.h>

#include <span>

#include "standin/standin_arguments.h"

// Writes the settings into the section "Velora KDS" of the settings file that the plug-in finds
// from the player's folder and main window. A section the plug-in's window has not saved yet would
// be replaced with the defaults when the window first shows, so it gets the defaults first and the
// marker last. Throws std::runtime_error when the file cannot be written.
void StorePlayerSettings(std::span<const StoredSetting> settings, HWND playerWindow);
