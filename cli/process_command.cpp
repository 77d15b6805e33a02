#include "cli/process_command.h"

#include <unistd.h>

#include <cstdio>

#include "cli/command_failure.h"
#include "cli/file_enhancement.h"
#include "cli/output_format.h"
#include "cli/process_steps.h"
#include "cli/progress_bar.h"

namespace {

// Shorter files are done before a bar would be worth drawing.
constexpr int64_t kProgressMinSeconds = 5;

}  // namespace

void RunProcessCommand(const ProcessRequest& request) {
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
