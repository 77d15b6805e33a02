#pragma once
// velora presets-to-lv2: turns the player's preset files into LV2 presets of velora.lv2.

#include "cli/command_line.h"

// Every NAME.velora in the request's folder becomes the preset NAME in its bundle folder (by
// default ~/.lv2/velora-presets.lv2), whose description files it replaces. Throws UsageError and
// RuntimeFailure.
void RunPresetsToLv2(const PresetsToLv2Request& request);
