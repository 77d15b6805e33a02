#pragma once
// The player's preset files of a folder as LV2 presets of velora.lv2.

#include <string>
#include <vector>

#include "lv2/preset_turtle.h"

// Every ordinary, visible NAME.velora in the folder, read as the player's window applies it, in
// the order of the window's list. Throws std::runtime_error when the folder cannot be read, a
// file cannot be read or there is no preset file.
std::vector<Lv2Preset> ReadPresetFolder(const std::string& folder);
