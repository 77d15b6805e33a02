#include "cli/output_format.h"

#include <sndfile.h>

#include <array>
#include <filesystem>

#include "settings/ascii_case.h"

namespace {

struct ExtensionFormat {
    const char* extension;
    OutputFormat format;
};

// Every format keeps 16-bit samples, except the lossy ones, which have no sample width.
const std::array<ExtensionFormat, 11> kFormats = {{
    {"wav", {SF_FORMAT_WAV | SF_FORMAT_PCM_16, "WAV 16-bit", false}},
    {"flac", {SF_FORMAT_FLAC | SF_FORMAT_PCM_16, "FLAC 16-bit", false}},
    {"ogg", {SF_FORMAT_OGG | SF_FORMAT_VORBIS, "Ogg Vorbis", true}},
    {"oga", {SF_FORMAT_OGG | SF_FORMAT_VORBIS, "Ogg Vorbis", true}},
    {"mp3", {SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, "MP3", true}},
    {"aiff", {SF_FORMAT_AIFF | SF_FORMAT_PCM_16, "AIFF 16-bit", false}},
    {"aif", {SF_FORMAT_AIFF | SF_FORMAT_PCM_16, "AIFF 16-bit", false}},
    {"au", {SF_FORMAT_AU | SF_FORMAT_PCM_16, "AU 16-bit", false}},
    {"snd", {SF_FORMAT_AU | SF_FORMAT_PCM_16, "AU 16-bit", false}},
    {"caf", {SF_FORMAT_CAF | SF_FORMAT_PCM_16, "CAF 16-bit", false}},
    {"w64", {SF_FORMAT_W64 | SF_FORMAT_PCM_16, "Wave64 16-bit", false}},
}};

}  // namespace

std::optional<OutputFormat> OutputFormatForExtension(std::string_view extension) {
    for (const ExtensionFormat& entry : kFormats) {
        if (SameIgnoringAsciiCase(extension, entry.extension)) return entry.format;
    }
    return std::nullopt;
}

std::optional<OutputFormat> OutputFormatForPath(std::string_view path) {
    const std::string extension = std::filesystem::path(path).extension().string();
    if (extension.empty()) return std::nullopt;
    return OutputFormatForExtension(std::string_view(extension).substr(1));
}

std::string KnownOutputExtensions() {
    std::string list;
    for (const ExtensionFormat& entry : kFormats) {
        if (!list.empty()) list += ", ";
        list += entry.extension;
    }
    return list;
}
