#include "standin/player_settings.h"

#include <stdexcept>

#include "settings/player_files.h"
#include "settings/settings_section.h"
#include "settings/shared_values.h"

void StorePlayerSettings(std::span<const StoredSetting> settings, HWND playerWindow) {
    if (settings.empty()) return;
    settingsPath = LocatePlayerFiles(ExecutableFolder(), playerWindow).settingsPath;
    const bool saved = ReadSetting(kMarkerKey) == kMarkerValue;
    if (!saved) WriteDefaults();
    for (const StoredSetting& setting : settings) {
        if (!WriteSetting(setting.key.c_str(), setting.value)) {
            throw std::runtime_error(settingsPath + ": cannot write the settings");
        }
    }
    if (!saved) WriteSetting(kMarkerKey, kMarkerValue);
}
