#pragma once
// The stand-in player's command line:
// velora-standin PLUGIN.dll IN.wav OUT.wav [--block FRAMES] [--realtime] [--set KEY=VALUE]... [--ini FILE]

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The player hands its DSP plug-in blocks of 576 frames.
inline constexpr int32_t kPlayerBlockFrames = 576;

inline constexpr char kStandinUsage[] =
    "usage: velora-standin PLUGIN.dll IN.wav OUT.wav [--block FRAMES] [--realtime] [--set KEY=VALUE]... "
    "[--ini FILE]";

// One key of the player's settings section, written before the plug-in starts.
struct StoredSetting {
    std::string key;
    int32_t value;
};

struct StandinArguments {
    std::string pluginPath;
    std::string inputPath;
    std::string outputPath;
    int32_t blockFrames = kPlayerBlockFrames;
    bool realtime = false;  // each block no sooner than its start time in the audio, as a player plays
    std::vector<StoredSetting> settings;  // in the order given
    std::string settingsFile;  // the settings file the player reports using; empty: its own folder's
};

// A command line that names no run; the message says what is wrong with it.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Takes the arguments after the program's name.
StandinArguments ParseStandinArguments(std::span<const std::string_view> arguments);
