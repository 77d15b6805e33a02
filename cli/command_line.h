#pragma once
// What the command line asks for, parsed without touching a file.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/input_assignment.h"
#include "engine/engine.h"

// The block the player hands the plug-in most often.
inline constexpr int32_t kDefaultBlockFrames = 576;
// The largest stereo block the plug-in's scratch copy takes in one piece; the plug-in processes a
// larger block in pieces of that size, and so does the engine here.
inline constexpr int32_t kMaxPieceFrames = kInputCopyValues / 2;
// The largest block the file processor hands the engine at once.
inline constexpr int32_t kMaxBlockFrames = 1 << 20;
// The most files enhanced at the same time.
inline constexpr int32_t kMaxJobs = 64;

enum class HelpTopic { General, Process, Demo, PresetsToLv2 };

struct HelpRequest {
    HelpTopic topic;
};

struct VersionRequest {};

struct ProcessRequest {
    // One file into another; both empty when the request names an output folder.
    std::string input;
    std::string output;
    // Many files into one folder, each output named after its input.
    std::vector<std::string> inputs;
    std::string outFolder;
    std::string formatExtension;  // the extension of every output, or empty: each input's own
    int32_t jobs = 0;             // files at a time; 0 for one per processor
    std::string settingsFile;  // a player's settings file, or empty
    std::string presetFile;    // a preset file, or empty
    std::vector<InputAssignment> assignments;
    int32_t blockFrames = kDefaultBlockFrames;
    bool quiet = false;
};

struct DemoRequest {
    std::string folder = ".";
};

inline constexpr char kPresetsToLv2Command[] = "presets-to-lv2";

struct PresetsToLv2Request {
    std::string folder;
    std::string bundle;  // empty for ~/.lv2/velora-presets.lv2
};

using CommandRequest = std::variant<HelpRequest, VersionRequest, ProcessRequest, DemoRequest, PresetsToLv2Request>;

// The arguments after the program's name. Throws UsageError.
CommandRequest ParseCommandLine(std::span<const std::string_view> arguments);
