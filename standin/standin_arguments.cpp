#include "standin/standin_arguments.h"

#include <charconv>
#include <vector>

#include "settings/settings_section.h"

namespace {

int32_t ParseBlockFrames(std::string_view text) {
    int32_t frames = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), frames);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || frames <= 0) {
        throw UsageError("--block needs a positive number of frames, not '" + std::string(text) + "'");
    }
    return frames;
}

// "KEY=VALUE" for one of the settings section's keys; the value is stored as given, since the
// plug-in's window clamps what it loads.
StoredSetting ParseStoredSetting(std::string_view text) {
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) throw UsageError("--set needs KEY=VALUE, not '" + std::string(text) + "'");
    const std::string_view key = text.substr(0, equals);
    const std::string_view valueText = text.substr(equals + 1);
    bool known = false;
    for (const SettingsDefault& setting : SettingsDefaults()) known = known || key == setting.key;
    if (!known) throw UsageError("unknown setting '" + std::string(key) + "'");
    int32_t value = 0;
    const char* end = valueText.data() + valueText.size();
    const auto [stop, error] = std::from_chars(valueText.data(), end, value);
    if (valueText.empty() || error != std::errc() || stop != end) {
        throw UsageError("--set " + std::string(key) + " needs a whole number, not '" + std::string(valueText) + "'");
    }
    return {std::string(key), value};
}

}  // namespace

StandinArguments ParseStandinArguments(std::span<const std::string_view> arguments) {
    StandinArguments parsed;
    std::vector<std::string_view> paths;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--block") {
            if (i + 1 == arguments.size()) throw UsageError("--block needs a number of frames");
            parsed.blockFrames = ParseBlockFrames(arguments[++i]);
        } else if (argument == "--realtime") {
            parsed.realtime = true;
        } else if (argument == "--set") {
            if (i + 1 == arguments.size()) throw UsageError("--set needs KEY=VALUE");
            parsed.settings.push_back(ParseStoredSetting(arguments[++i]));
        } else if (argument == "--ini") {
            if (i + 1 == arguments.size()) throw UsageError("--ini needs a file");
            parsed.settingsFile = arguments[++i];
        } else if (argument.starts_with("--")) {
            throw UsageError("unknown option '" + std::string(argument) + "'");
        } else {
            paths.push_back(argument);
        }
    }
    if (paths.size() != 3) throw UsageError(kStandinUsage);
    parsed.pluginPath = paths[0];
    parsed.inputPath = paths[1];
    parsed.outputPath = paths[2];
    return parsed;
}
