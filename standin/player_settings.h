#pragma once
// The player's settings file beside the stand-in, prepared before the plug-in starts.

#include <span>

#include "standin/standin_arguments.h"

// Writes the settings into the section "Velora KDS" of the player's "winamp.ini". A section the
// plug-in's window has not saved yet would be replaced with the defaults when the window first
// shows, so it gets the defaults first and the marker last. Throws std::runtime_error when the
// file cannot be written.
void StorePlayerSettings(std::span<const StoredSetting> settings);
