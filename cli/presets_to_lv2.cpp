#include "cli/presets_to_lv2.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>

#include "cli/command_failure.h"
#include "engine/engine_inputs.h"
#include "lv2/preset_turtle.h"
#include "settings/ascii_case.h"
#include "settings/ini_file.h"
#include "settings/preset_file.h"
#include "settings/stored_inputs.h"

namespace {

std::string DefaultBundle() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') throw UsageError("HOME is not set: name the bundle with --out BUNDLE");
    return std::string(home) + "/.lv2/velora-presets.lv2";
}

bool SortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return AsciiLower(x) < AsciiLower(y); });
}

// Every ordinary, visible NAME.velora in the folder, read as the player's window applies it, in
// the order of the window's list.
std::vector<Lv2Preset> ReadPresets(const std::string& folder) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) throw RuntimeFailure("cannot read the folder '" + folder + "': " + error.message());
    std::vector<std::filesystem::path> files;
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::string fileName = entry.path().filename().string();
        if (!fileName.starts_with(".") && IsPresetFileName(fileName) && entry.is_regular_file(error)) {
            files.push_back(entry.path());
        }
    }
    if (files.empty()) throw RuntimeFailure("no preset files (NAME" + std::string(kPresetExtension) + ") in '" + folder + "'");

    std::vector<Lv2Preset> presets;
    const auto inputs = std::make_unique<EngineInputs>();
    for (const std::filesystem::path& file : files) {
        const std::optional<std::string> text = ReadIniFile(file.string());
        if (!text) throw RuntimeFailure("cannot read the preset file '" + file.string() + "': " + std::strerror(errno));
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

// Through a new file that then takes the old one's place, so a host never reads half a file.
void ReplaceFile(const std::filesystem::path& path, const std::string& text) {
    const std::string temporary = path.string() + ".new";
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int reason = errno;
        std::remove(temporary.c_str());
        throw RuntimeFailure("cannot write '" + path.string() + "': " + std::strerror(reason));
    }
}

}  // namespace

void RunPresetsToLv2(const PresetsToLv2Request& request) {
    const std::vector<Lv2Preset> presets = ReadPresets(request.folder);
    const std::filesystem::path bundle = request.bundle.empty() ? DefaultBundle() : request.bundle;
    std::error_code error;
    std::filesystem::create_directories(bundle, error);
    if (error) throw RuntimeFailure("cannot create the bundle folder '" + bundle.string() + "': " + error.message());
    ReplaceFile(bundle / kPresetDescriptionFile, PresetDescriptions(presets));
    ReplaceFile(bundle / kPresetManifestFile, PresetManifest(presets));
    for (const Lv2Preset& preset : presets) std::printf("%s  %s\n", preset.name.c_str(), PresetUri(preset.name).c_str());
}
