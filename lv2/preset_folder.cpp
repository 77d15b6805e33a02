#include "lv2/preset_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

#include "engine/engine_inputs.h"
#include "settings/ascii_case.h"
#include "settings/ini_file.h"
#include "settings/preset_file.h"
#include "settings/stored_inputs.h"

namespace {

bool SortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return AsciiLower(x) < AsciiLower(y); });
}

}  // namespace

std::vector<Lv2Preset> ReadPresetFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) throw std::runtime_error("cannot read the folder '" + folder + "': " + error.message());
    std::vector<std::filesystem::path> files;
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::string fileName = entry.path().filename().string();
        if (!fileName.starts_with(".") && IsPresetFileName(fileName) && entry.is_regular_file(error)) {
            files.push_back(entry.path());
        }
    }
    if (files.empty()) {
        throw std::runtime_error("no preset files (NAME" + std::string(kPresetExtension) + ") in '" + folder + "'");
    }

    std::vector<Lv2Preset> presets;
    const auto inputs = std::make_unique<EngineInputs>();
    for (const std::filesystem::path& file : files) {
        const std::optional<std::string> text = ReadIniFile(file.string());
        if (!text) {
            throw std::runtime_error("cannot read the preset file '" + file.string() + "': " + std::strerror(errno));
        }
        ApplyStoredPreset(*inputs, *text);
        Lv2Preset preset{PresetListName(file.filename().string()), {}};
        for (const char* key : PresetKeys()) {
            const EngineInputInfo* input = FindEngineInput(key);
            preset.values.emplace_back(input, GetEngineInput(*inputs, *input));
        }
        presets.push_back(std::move(preset));
    }
    std::sort(presets.begin(), presets.end(),
              [](const Lv2Preset& a, const Lv2Preset& b) { return SortsBefore(a.name, b.name); });
    return presets;
}
