#include "cli/presets_to_lv2.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "cli/command_failure.h"
#include "lv2/preset_folder.h"
#include "lv2/preset_turtle.h"

namespace {

std::string DefaultBundle() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') throw UsageError("HOME is not set: name the bundle with --out BUNDLE");
    return std::string(home) + "/.lv2/velora-presets.lv2";
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
    const std::vector<Lv2Preset> presets = ReadPresetFolder(request.folder);
    const std::filesystem::path bundle = request.bundle.empty() ? DefaultBundle() : request.bundle;
    std::error_code error;
    std::filesystem::create_directories(bundle, error);
    if (error) throw RuntimeFailure("cannot create the bundle folder '" + bundle.string() + "': " + error.message());
    ReplaceFile(bundle / kPresetDescriptionFile, PresetDescriptions(presets));
    ReplaceFile(bundle / kPresetManifestFile, PresetManifest(presets));
    for (const Lv2Preset& preset : presets) std::printf("%s  %s\n", preset.name.c_str(), PresetUri(preset.name).c_str());
}
