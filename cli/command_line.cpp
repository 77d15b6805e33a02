#include "cli/command_line.h"

#include <charconv>

#include "cli/command_failure.h"
#include "cli/output_format.h"

namespace {

bool IsHelp(std::string_view argument) { return argument == "--help" || argument == "-h"; }

// Walks the arguments of one command: options first or among the files, "--" ends the options.
class ArgumentCursor {
public:
    explicit ArgumentCursor(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    bool AtEnd() const { return next_ >= arguments_.size(); }
    std::string_view Take() { return arguments_[next_++]; }

    std::string_view TakeValueOf(std::string_view option) {
        if (AtEnd()) throw UsageError(std::string(option) + " needs a value");
        return Take();
    }

    // True for an option; false for a file name, also for every argument after "--".
    bool NextIsOption() {
        if (optionsEnded_ || AtEnd()) return false;
        const std::string_view argument = arguments_[next_];
        if (argument == "--") {
            optionsEnded_ = true;
            ++next_;
            return false;
        }
        return argument.size() > 1 && argument[0] == '-';
    }

private:
    std::span<const std::string_view> arguments_;
    size_t next_ = 0;
    bool optionsEnded_ = false;
};

// A whole number from 1 to `most`, the value of `option`.
int32_t ParseCount(std::string_view option, std::string_view text, int32_t most) {
    int32_t count = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, count);
    if (error != std::errc() || stop != end || count < 1 || count > most) {
        throw UsageError(std::string(option) + " must be a whole number from 1 to " + std::to_string(most) +
                         ", got '" + std::string(text) + "'");
    }
    return count;
}

std::string ParseFormatExtension(std::string_view text) {
    if (!OutputFormatForExtension(text)) {
        throw UsageError("--format takes one of " + KnownOutputExtensions() + ", got '" + std::string(text) + "'");
    }
    return std::string(text);
}

std::string TakeFileName(ArgumentCursor& cursor, std::string_view option) {
    const std::string_view name = cursor.TakeValueOf(option);
    if (name.empty()) throw UsageError(std::string(option) + " needs a file name");
    return std::string(name);
}

[[noreturn]] void RejectOption(std::string_view command, std::string_view option) {
    throw UsageError("unknown option '" + std::string(option) + "' (try 'velora " + std::string(command) +
                     " --help')");
}

CommandRequest ParseProcess(std::span<const std::string_view> arguments) {
    ProcessRequest request;
    std::vector<std::string_view> files;
    ArgumentCursor cursor(arguments);
    while (!cursor.AtEnd()) {
        if (!cursor.NextIsOption()) {
            if (!cursor.AtEnd()) files.push_back(cursor.Take());
            continue;
        }
        const std::string_view option = cursor.Take();
        if (IsHelp(option)) return HelpRequest{HelpTopic::Process};
        if (option == "--set") {
            request.assignments.push_back(ParseInputAssignment(cursor.TakeValueOf(option)));
        } else if (option == "--settings") {
            request.settingsFile = TakeFileName(cursor, option);
        } else if (option == "--preset") {
            request.presetFile = TakeFileName(cursor, option);
        } else if (option == "--block") {
            request.blockFrames = ParseCount(option, cursor.TakeValueOf(option), kMaxBlockFrames);
        } else if (option == "--quiet") {
            request.quiet = true;
        } else if (option == "--out-dir") {
            request.outFolder = TakeFileName(cursor, option);
        } else if (option == "--format") {
            request.formatExtension = ParseFormatExtension(cursor.TakeValueOf(option));
        } else if (option == "--jobs") {
            request.jobs = ParseCount(option, cursor.TakeValueOf(option), kMaxJobs);
        } else {
            RejectOption("process", option);
        }
    }
    if (!request.outFolder.empty()) {
        if (files.empty()) throw UsageError("process --out-dir needs at least one input file");
        request.inputs.assign(files.begin(), files.end());
        return request;
    }
    if (!request.formatExtension.empty() || request.jobs != 0) {
        throw UsageError("--format and --jobs go with --out-dir (try 'velora process --help')");
    }
    if (files.size() != 2) {
        throw UsageError("process needs an input and an output file (try 'velora process --help')");
    }
    request.input = files[0];
    request.output = files[1];
    return request;
}

CommandRequest ParseDemo(std::span<const std::string_view> arguments) {
    std::vector<std::string_view> folders;
    ArgumentCursor cursor(arguments);
    while (!cursor.AtEnd()) {
        if (!cursor.NextIsOption()) {
            if (!cursor.AtEnd()) folders.push_back(cursor.Take());
            continue;
        }
        const std::string_view option = cursor.Take();
        if (IsHelp(option)) return HelpRequest{HelpTopic::Demo};
        RejectOption("demo", option);
    }
    if (folders.size() > 1) throw UsageError("demo takes at most one folder (try 'velora demo --help')");
    DemoRequest request;
    if (!folders.empty()) request.folder = folders[0];
    return request;
}

CommandRequest ParsePresetsToLv2(std::span<const std::string_view> arguments) {
    PresetsToLv2Request request;
    ArgumentCursor cursor(arguments);
    while (!cursor.AtEnd()) {
        if (!cursor.NextIsOption()) {
            if (cursor.AtEnd()) continue;
            const std::string_view folder = cursor.Take();
            if (!request.folder.empty()) {
                throw UsageError("presets-to-lv2 takes one preset folder, got also '" + std::string(folder) + "'");
            }
            request.folder = folder;
            continue;
        }
        const std::string_view option = cursor.Take();
        if (IsHelp(option)) return HelpRequest{HelpTopic::PresetsToLv2};
        if (option == "--out") {
            request.bundle = TakeFileName(cursor, option);
        } else {
            RejectOption(kPresetsToLv2Command, option);
        }
    }
    if (request.folder.empty()) throw UsageError("presets-to-lv2 needs the folder of the preset files");
    return request;
}

}  // namespace

CommandRequest ParseCommandLine(std::span<const std::string_view> arguments) {
    if (arguments.empty()) throw UsageError("no command given (try 'velora --help')");
    const std::string_view command = arguments[0];
    const std::span<const std::string_view> rest = arguments.subspan(1);
    if (IsHelp(command)) return HelpRequest{HelpTopic::General};
    if (command == "--version") return VersionRequest{};
    if (command == "process") return ParseProcess(rest);
    if (command == "demo") return ParseDemo(rest);
    if (command == kPresetsToLv2Command) return ParsePresetsToLv2(rest);
    throw UsageError("unknown command '" + std::string(command) + "' (try 'velora --help')");
}
