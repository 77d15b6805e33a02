#include "settings/preset_file.h"

#include "settings/profile_file.h"

namespace {

constexpr const char* kPresetKeys[] = {
    "bassagc", "phatt", "basslopass", "bass3d", "basscolor", "bassout", "basslim", "bassresonance",
    "hipass", "3d", "prologic", "treble", "dry", "speed", "comp", "agc",
    "doubleresonance", "stereoagc", "loudness", "widefilt", "soft",
};

constexpr std::string_view kExtension = kPresetExtension;
constexpr size_t kMaxListName = 255;

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsExtensionAt(std::string_view fileName, size_t at) {
    for (size_t i = 0; i < kExtension.size(); ++i) {
        if (AsciiLower(fileName[at + i]) != kExtension[i]) return false;
    }
    return true;
}

}  // namespace

std::span<const char* const> PresetKeys() { return kPresetKeys; }

int32_t ReadPresetValue(const std::string& file, const char* key) {
    return ReadProfileInt(file, kPresetSection, key);
}

bool WritePresetValue(const std::string& file, const char* key, int32_t value) {
    return WriteProfileInt(file, kPresetSection, key, value);
}

bool IsPresetFileName(std::string_view fileName) {
    return fileName.size() >= kExtension.size() && IsExtensionAt(fileName, fileName.size() - kExtension.size());
}

std::string PresetListName(std::string_view fileName) {
    std::string name(fileName);
    for (size_t at = 0; at + kExtension.size() <= fileName.size(); ++at) {
        if (IsExtensionAt(fileName, at)) {
            name.erase(at, kExtension.size());
            break;
        }
    }
    if (name.size() > kMaxListName) name.resize(kMaxListName);
    return name;
}
