#pragma once
// Preset files: "NAME.velora" in presetFolder, one section "Velora KDS preset" with 21 keys.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

inline constexpr char kPresetSection[] = "Velora KDS preset";
inline constexpr char kPresetExtension[] = ".velora";

// The 21 keys in the order a save writes them: the sixteen levels, then "doubleresonance",
// "stereoagc", "loudness", "widefilt", "soft".
std::span<const char* const> PresetKeys();

int32_t ReadPresetValue(const std::string& file, const char* key);
bool WritePresetValue(const std::string& file, const char* key, int32_t value);

// Whether a file name matches "*.velora", letter case ignored.
bool IsPresetFileName(std::string_view fileName);
// The list name of a preset file: the first ".velora" removed (case ignored), cut to 255.
std::string PresetListName(std::string_view fileName);
