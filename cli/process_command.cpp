#include "cli/process_command.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/batch_command.h"
#include "cli/command_failure.h"
#include "cli/file_enhancement.h"
#include "cli/output_format.h"
#include "cli/progress_bar.h"
#include "settings/ini_file.h"
#include "settings/ini_text.h"
#include "settings/settings_section.h"

namespace {

// Shorter files are done before a bar would be worth drawing.
constexpr int64_t kProgressMinSeconds = 5;

const char* ChannelWord(int32_t channels) { return channels == 1 ? "mono" : "stereo"; }

std::optional<std::string> ReadStoredText(const std::string& path, const char* what) {
    if (path.empty()) return std::nullopt;
    std::optional<std::string> text = ReadIniFile(path);
    if (!text) throw RuntimeFailure(std::string("cannot read the ") + what + " '" + path + "': " + std::strerror(errno));
    return text;
}

}  // namespace

std::string WroteLine(const std::string& output, const OutputFormat& format, const FileEnhancement& enhancement) {
    char details[128];
    std::snprintf(details, sizeof details, "%s, %d Hz %s, %.1f s\n", format.name, enhancement.SampleRate(),
                  ChannelWord(enhancement.Channels()), static_cast<double>(enhancement.Done()) / enhancement.SampleRate());
    return "wrote '" + output + "': " + details;
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

void RunProcessCommand(const ProcessRequest& request) {
    if (!request.outFolder.empty()) return RunBatchCommand(request);
    const std::optional<OutputFormat> format = OutputFormatForPath(request.output);
    if (!format) {
        throw UsageError("cannot tell the format of '" + request.output + "' from its name (use " +
                         KnownOutputExtensions() + ")");
    }
    const StoredTexts stored = ReadStoredTexts(request);
    FileEnhancement enhancement(request.input, request.output, *format, stored, request.assignments,
                                request.blockFrames);
    const bool showProgress = !request.quiet && ::isatty(STDERR_FILENO) &&
                              enhancement.Frames() > kProgressMinSeconds * enhancement.SampleRate();
    ProgressBar progress(enhancement.Frames(), showProgress);
    while (enhancement.Advance()) progress.Update(enhancement.Done());
    progress.Finish();
    enhancement.Commit();

    if (!request.quiet) std::fputs(WroteLine(request.output, *format, enhancement).c_str(), stdout);
}
