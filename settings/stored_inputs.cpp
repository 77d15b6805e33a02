#include "settings/stored_inputs.h"

#include "settings/engine_input_table.h"
#include "settings/ini_text.h"
#include "settings/preset_file.h"
#include "settings/settings_section.h"

bool ApplyStoredSettings(EngineInputs& inputs, std::string_view settingsText) {
    if (IniTextReadInt(settingsText, kSettingsSection, kMarkerKey) != kMarkerValue) {
        ApplyEngineInputDefaults(inputs);
        return false;
    }
    for (const EngineInputInfo& info : EngineInputTable()) {
        SetEngineInput(inputs, info, IniTextReadInt(settingsText, kSettingsSection, info.key));
    }
    return true;
}

void ApplyStoredPreset(EngineInputs& inputs, std::string_view presetText) {
    for (const char* key : PresetKeys()) {
        SetEngineInput(inputs, *FindEngineInput(key), IniTextReadInt(presetText, kPresetSection, key));
    }
}
