#include "cli/process_steps.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/command_failure.h"
#include "settings/ini_file.h"
#include "settings/ini_text.h"
#include "settings/preset_file.h"
#include "settings/settings_section.h"

namespace {

const char* ChannelWord(int32_t channels) { return channels == 1 ? "mono" : "stereo"; }

std::optional<std::string> ReadStoredText(const std::string& path, const char* what) {
    if (path.empty()) return std::nullopt;
    std::optional<std::string> text = ReadIniFile(path);
    if (!text) throw RuntimeFailure(std::string("cannot read the ") + what + " '" + path + "': " + std::strerror(errno));
    return text;
}

}  // namespace

StoredTexts ReadStoredTexts(const ProcessRequest& request) {
    StoredTexts stored{ReadStoredText(request.settingsFile, "settings file"),
                       ReadStoredText(request.presetFile, "preset file")};
    // Every level of a file without the section would read 0: silence, likely from a wrong file.
    if (stored.preset && !IniTextHasSection(*stored.preset, kPresetSection)) {
        throw RuntimeFailure("'" + request.presetFile + "' holds no \"" + kPresetSection +
                             "\" section; it is not a preset file");
    }
    // The player's window replaces a section without the marker with the defaults when it first
    // shows, so such a file renders at the defaults too; the user likely named the wrong file.
    if (stored.settings && !request.quiet &&
        IniTextReadInt(*stored.settings, kSettingsSection, kMarkerKey) != kMarkerValue) {
        std::fprintf(stderr,
                     "velora: warning: '%s' holds no \"%s\" section saved by the player's window; "
                     "using the defaults, as the player would\n",
                     request.settingsFile.c_str(), kSettingsSection);
    }
    return stored;
}

std::string WroteLine(const std::string& output, const OutputFormat& format, const FileEnhancement& enhancement) {
    char details[128];
    std::snprintf(details, sizeof details, "%s, %d Hz %s, %.1f s\n", format.name, enhancement.SampleRate(),
                  ChannelWord(enhancement.Channels()), static_cast<double>(enhancement.Done()) / enhancement.SampleRate());
    return "wrote '" + output + "': " + details;
}
