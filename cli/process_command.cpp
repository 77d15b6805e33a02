#include "cli/process_command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "cli/audio_reader.h"
#include "cli/audio_writer.h"
#include "cli/command_failure.h"
#include "cli/enhancer.h"
#include "cli/output_format.h"
#include "cli/progress_bar.h"
#include "engine/coefficients.h"
#include "settings/ini_file.h"
#include "settings/ini_text.h"
#include "settings/settings_section.h"

namespace {

// Shorter files are done before a bar would be worth drawing.
constexpr int64_t kProgressMinSeconds = 5;

bool SameFile(const std::string& first, const std::string& second) {
    struct stat a {}, b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

const char* ChannelWord(int32_t channels) { return channels == 1 ? "mono" : "stereo"; }

void CheckEnhanceable(const AudioReader& reader, const std::string& path) {
    if (reader.Channels() > 2) {
        throw RuntimeFailure("cannot enhance '" + path + "': it has " + std::to_string(reader.Channels()) +
                             " channels, velora takes mono and stereo only");
    }
    if (reader.SampleRate() < kMinSampleRate) {
        throw RuntimeFailure("cannot enhance '" + path + "': its sample rate of " +
                             std::to_string(reader.SampleRate()) + " Hz is below the lowest the engine takes, " +
                             std::to_string(kMinSampleRate) + " Hz");
    }
}

std::optional<std::string> ReadStoredText(const std::string& path, const char* what) {
    if (path.empty()) return std::nullopt;
    std::optional<std::string> text = ReadIniFile(path);
    if (!text) throw RuntimeFailure(std::string("cannot read the ") + what + " '" + path + "': " + std::strerror(errno));
    return text;
}

StoredTexts ReadStoredTexts(const ProcessRequest& request) {
    StoredTexts stored{ReadStoredText(request.settingsFile, "settings file"),
                       ReadStoredText(request.presetFile, "preset file")};
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

}  // namespace

void RunProcessCommand(const ProcessRequest& request) {
    const std::optional<OutputFormat> format = OutputFormatForPath(request.output);
    if (!format) {
        throw UsageError("cannot tell the format of '" + request.output + "' from its name (use " +
                         KnownOutputExtensions() + ")");
    }
    const StoredTexts stored = ReadStoredTexts(request);
    AudioReader reader(request.input);
    if (SameFile(request.input, request.output)) {
        throw UsageError("'" + request.input + "' and '" + request.output +
                         "' are the same file; write the result to a new one");
    }
    CheckEnhanceable(reader, request.input);

    const int32_t channels = reader.Channels();
    const int32_t rate = reader.SampleRate();
    AudioWriter writer(request.output, *format, rate, channels);
    Enhancer enhancer(stored, request.assignments);
    const bool showProgress = !request.quiet && ::isatty(STDERR_FILENO) &&
                              reader.Frames() > kProgressMinSeconds * rate;
    ProgressBar progress(reader.Frames(), showProgress);

    std::vector<int16_t> block(static_cast<size_t>(request.blockFrames) * channels);
    int64_t done = 0;
    while (const int64_t frames = reader.Read(block.data(), request.blockFrames)) {
        enhancer.Process(block.data(), static_cast<int32_t>(frames), channels, rate);
        writer.Write(block.data(), frames);
        done += frames;
        progress.Update(done);
    }
    progress.Finish();
    writer.Commit();

    if (!request.quiet) {
        std::printf("wrote '%s': %s, %d Hz %s, %.1f s\n", request.output.c_str(), format->name, rate,
                    ChannelWord(channels), static_cast<double>(done) / rate);
    }
}
