// velora: enhances audio files with the engine of the Velora plug-in.

#include <cstdio>
#include <exception>
#include <string_view>
#include <type_traits>
#include <vector>

#include "cli/batch_command.h"
#include "cli/command_failure.h"
#include "cli/command_line.h"
#include "cli/demo_command.h"
#include "cli/help_text.h"
#include "cli/presets_to_lv2.h"
#include "cli/process_command.h"

namespace {

int Fail(const char* message, int exitCode) {
    std::fprintf(stderr, "velora: %s\n", message);
    return exitCode;
}

void Run(const CommandRequest& request) {
    std::visit(
        [](const auto& command) {
            using Command = std::decay_t<decltype(command)>;
            if constexpr (std::is_same_v<Command, HelpRequest>) {
                std::fputs(HelpText(command.topic).c_str(), stdout);
            } else if constexpr (std::is_same_v<Command, VersionRequest>) {
                std::fputs(VersionText().c_str(), stdout);
            } else if constexpr (std::is_same_v<Command, ProcessRequest>) {
                if (command.outFolder.empty()) {
                    RunProcessCommand(command);
                } else {
                    RunBatchCommand(command);
                }
            } else if constexpr (std::is_same_v<Command, DemoRequest>) {
                RunDemoCommand(command);
            } else {
                RunPresetsToLv2(command);
            }
        },
        request);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    try {
        Run(ParseCommandLine(arguments));
    } catch (const UsageError& error) {
        return Fail(error.what(), kExitUsage);
    } catch (const std::exception& error) {
        return Fail(error.what(), kExitFailure);
    }
    return std::fflush(stdout) == 0 ? kExitOk : Fail("cannot write to standard output", kExitFailure);
}
