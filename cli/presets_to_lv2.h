#pragma once
// velora presets-to-lv2: turns the player's preset files into LV2 presets of velora.lv2.

#include <span>
#include <string>
#include <string_view>

inline constexpr char kPresetsToLv2Command[] = "presets-to-lv2";

std::string PresetsToLv2Help();

// Runs `velora presets-to-lv2 FOLDER [--out BUNDLE]`, given the arguments after the command's
// name: every NAME.velora in FOLDER becomes the preset NAME in the bundle folder BUNDLE (by
// default ~/.lv2/velora-presets.lv2), whose description files it replaces. Throws UsageError
// and RuntimeFailure.
void RunPresetsToLv2(std::span<const std::string_view> arguments);
