#include "cli/presets_to_lv2.h"

#include <unistd.h>

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

struct PresetsToLv2Request {
    std::string folder;
    std::string bundle;
    bool help = false;
};

std::string DefaultBundle() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') throw UsageError("HOME is not set: name the bundle with --out BUNDLE");
    return std::string(home) + "/.lv2/velora-presets.lv2";
}

PresetsToLv2Request ParseRequest(std::span<const std::string_view> arguments) {
    PresetsToLv2Request request;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help") {
            request.help = true;
        } else if (argument == "--out") {
            if (i + 1 == arguments.size()) throw UsageError("--out needs a bundle folder");
            request.bundle = arguments[++i];
        } else if (argument.starts_with("-") && argument.size() > 1) {
            throw UsageError("unknown option '" + std::string(argument) + "' (velora presets-to-lv2 --help)");
        } else if (request.folder.empty()) {
            request.folder = argument;
        } else {
            throw UsageError("presets-to-lv2 takes one preset folder, got also '" + std::string(argument) + "'");
        }
    }
    if (request.help) return request;
    if (request.folder.empty()) throw UsageError("presets-to-lv2 needs the folder of the preset files");
    if (request.bundle.empty()) request.bundle = DefaultBundle();
    return request;
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

std::string PresetsToLv2Help() {
    return "usage: velora presets-to-lv2 FOLDER [--out BUNDLE]\n"
           "\n"
           "Turns the preset files NAME" + std::string(kPresetExtension) +
           " in FOLDER (the player's Plugins\\Velora folder) into LV2 presets\n"
           "of the velora.lv2 plug-in, named NAME, with the values the player's window would set: levels\n"
           "held to 0..100, a switch on for any value but 0, a missing key 0. \"inverted\" is not part of\n"
           "a preset and stays as it is in the host.\n"
           "\n"
           "  --out BUNDLE  the bundle folder to write (default ~/.lv2/velora-presets.lv2, where hosts\n"
           "                look); its manifest.ttl and presets.ttl are replaced, so run it again after\n"
           "                adding or removing presets\n";
}

void RunPresetsToLv2(std::span<const std::string_view> arguments) {
    const PresetsToLv2Request request = ParseRequest(arguments);
    if (request.help) {
        std::fputs(PresetsToLv2Help().c_str(), stdout);
        return;
    }
    const std::vector<Lv2Preset> presets = ReadPresets(request.folder);
    const std::filesystem::path bundle = request.bundle;
    std::error_code error;
    std::filesystem::create_directories(bundle, error);
    if (error) throw RuntimeFailure("cannot create the bundle folder '" + request.bundle + "': " + error.message());
    ReplaceFile(bundle / kPresetDescriptionFile, PresetDescriptions(presets));
    ReplaceFile(bundle / kPresetManifestFile, PresetManifest(presets));
    for (const Lv2Preset& preset : presets) std::printf("%s  %s\n", preset.name.c_str(), PresetUri(preset.name).c_str());
}
