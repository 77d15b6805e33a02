#include "standin/player_settings.h"

#include <windows.h>

#include <stdexcept>

#include "host/host_paths.h"
#include "settings/profile_file.h"
#include "settings/settings_section.h"
#include "settings/shared_values.h"

std::string PlayerFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return FolderOf(path);
}

void StorePlayerSettings(std::span<const StoredSetting> settings) {
    if (settings.empty()) return;
    settingsPath = SettingsPathIn(PlayerFolder());
    const bool saved = ReadSetting(kMarkerKey) == kMarkerValue;
    if (!saved) WriteDefaults();
    for (const StoredSetting& setting : settings) {
        if (!WriteProfileInt(settingsPath, kSettingsSection, setting.key.c_str(), setting.value)) {
            throw std::runtime_error(settingsPath + ": cannot write the settings");
        }
    }
    if (!saved) WriteSetting(kMarkerKey, kMarkerValue);
}
