#pragma once
// The engine inputs as the control window sets them from stored files, for running the engine
// outside the player. The window restores values through its controls, so the same clamping
// holds: a level is held to 0..100, a switch is on for any value but 0, a missing key reads 0.

#include <string_view>

#include "engine/engine_inputs.h"

// From the text of a player's settings file. A section without the marker is overwritten with
// the defaults when the window first shows, so it gives the defaults. Reports whether the
// section held the marker.
bool ApplyStoredSettings(EngineInputs& inputs, std::string_view settingsText);

// From the text of a preset file: the sixteen levels and five switches; "inverted" is not part of
// a preset and stays as it is.
void ApplyStoredPreset(EngineInputs& inputs, std::string_view presetText);
