#include "settings/shared_values.h"

std::string settingsPath;
std::string presetFolder;
std::string currentPreset;
