#include "settings/settings_section.h"

#include <array>
#include <string_view>

#include "settings/engine_input_table.h"
#include "settings/profile_file.h"
#include "settings/shared_values.h"

namespace {

// The keys of the window itself; every other key is an engine input with the table's default.
constexpr SettingsDefault kWindowDefaults[] = {
    {"x", 300}, {"y", 200}, {"page", 0}, {"timer", 25}, {"delay", 1000}, {"autodetect", 1}, {"hidden", 0},
};

// The order in which the defaults are written; the engine inputs stand in it apart from the
// table's window order.
constexpr const char* kDefaultsOrder[] = {
    "x", "y",
    "bassagc", "phatt", "basslopass", "bass3d", "basscolor", "bassout", "basslim", "bassresonance",
    "hipass", "3d", "prologic", "treble", "dry", "speed", "comp", "agc",
    "page", "timer", "delay", "autodetect",
    "doubleresonance", "stereoagc", "loudness", "widefilt", "soft",
    "hidden", "inverted",
};

int32_t DefaultOf(std::string_view key) {
    for (const SettingsDefault& window : kWindowDefaults) {
        if (key == window.key) return window.value;
    }
    return FindEngineInput(key)->defaultValue;
}

std::array<SettingsDefault, std::size(kDefaultsOrder)> BuildDefaults() {
    std::array<SettingsDefault, std::size(kDefaultsOrder)> defaults{};
    for (size_t i = 0; i < defaults.size(); ++i) defaults[i] = {kDefaultsOrder[i], DefaultOf(kDefaultsOrder[i])};
    return defaults;
}

}  // namespace

std::span<const SettingsDefault> SettingsDefaults() {
    static const auto defaults = BuildDefaults();
    return defaults;
}

int32_t DefaultSetting(const char* key) {
    for (const SettingsDefault& setting : SettingsDefaults()) {
        if (std::string_view(key) == setting.key) return setting.value;
    }
    return 0;
}

int32_t ReadSetting(const char* key) { return ReadProfileInt(settingsPath, kSettingsSection, key); }

bool WriteSetting(const char* key, int32_t value) {
    return WriteProfileInt(settingsPath, kSettingsSection, key, value);
}

bool WriteDefaults() {
    bool written = true;
    for (const SettingsDefault& setting : SettingsDefaults()) written = WriteSetting(setting.key, setting.value) && written;
    return written;
}
