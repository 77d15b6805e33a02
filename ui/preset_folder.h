#pragma once
// The preset folder on disk.

#include <string>
#include <vector>

// The list names of the preset files in the folder (ordinary files named "*.velora", letter
// case ignored), in the order the platform finds them. A missing folder is created (its last
// level only) and lists nothing.
std::vector<std::string> PresetNamesIn(const std::string& folder);
