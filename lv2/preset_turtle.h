#pragma once
// LV2 presets of velora.lv2: the description files of a bundle that holds named sets of control
// port values, as the player's preset files hold them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/engine_input_table.h"

struct Lv2Preset {
    std::string name;
    std::vector<std::pair<const EngineInputInfo*, int32_t>> values;
};

inline constexpr char kPresetManifestFile[] = "manifest.ttl";
inline constexpr char kPresetDescriptionFile[] = "presets.ttl";

// The preset's URI: the stereo plug-in's URI, ":preset:" and the name with every byte but
// letters, digits and "-._~" percent-encoded.
std::string PresetUri(std::string_view name);

// manifest.ttl names each preset and the plug-ins it applies to; presets.ttl holds the values.
std::string PresetManifest(std::span<const Lv2Preset> presets);
// The manifest's statements alone, for a manifest that also names other things; they use the
// prefixes lv2:, pset: and rdfs:.
std::string PresetManifestStatements(std::span<const Lv2Preset> presets);
std::string PresetDescriptions(std::span<const Lv2Preset> presets);
