#include "settings/preset_file.h"

#include "settings/ascii_case.h"
#include "settings/profile_file.h"

namespace {

constexpr const char* kPresetKeys[] = {
    "bassagc", "phatt", "basslopass", "bass3d", "basscolor", "bassout", "basslim", "bassresonance",
    "hipass", "3d", "prologic", "treble", "dry", "speed", "comp", "agc",
    "doubleresonance", "stereoagc", "loudness", "widefilt", "soft",
};

constexpr std::string_view kExtension = kPresetExtension;
constexpr size_t kMaxListName = 255;

bool IsExtensionAt(std::string_view fileName, size_t at) {
    return SameIgnoringAsciiCase(fileName.substr(at, kExtension.size()), kExtension);
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
