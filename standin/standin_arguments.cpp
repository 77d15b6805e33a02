#include "standin/standin_arguments.h"

#include <charconv>
#include <vector>

namespace {

int32_t ParseBlockFrames(std::string_view text) {
    int32_t frames = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), frames);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || frames <= 0) {
        throw UsageError("--block needs a positive number of frames, not '" + std::string(text) + "'");
    }
    return frames;
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
