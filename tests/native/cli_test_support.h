#pragma once
// Helpers for the velora tests: scratch folders, sound files, running the executable, and the
// engine run directly as the reference the executable must match.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // The names in the folder, hidden ones included.
    std::set<std::string> Entries() const;

private:
    std::filesystem::path path_;
};

struct Sound {
    int32_t sampleRate = 44100;
    int32_t channels = 2;
    std::vector<int16_t> samples;  // interleaved
    int format = 0;                // libsndfile's major format and encoding

    int64_t Frames() const { return static_cast<int64_t>(samples.size()) / channels; }
};

void WriteSound(const std::string& path, const Sound& sound, int format);
Sound ReadSound(const std::string& path);

// A reproducible signal: tones that differ between the channels, noise, and a burst loud enough
// to make the engine limit its output.
std::vector<int16_t> TestSignal(int64_t frames, int32_t channels);

using InputValues = std::vector<std::pair<std::string, int32_t>>;

// The engine from its power-on state with the settings defaults and then `values`, in blocks of
// `blockFrames` frames, as the plug-in runs it.
std::vector<int16_t> EnhanceWithEngine(std::vector<int16_t> samples, int32_t channels, int32_t sampleRate,
                                       const InputValues& values = {}, int32_t blockFrames = 576);

struct VeloraRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the velora executable to its end.
VeloraRun RunVelora(const std::vector<std::string>& arguments,
                    const std::filesystem::path& workingFolder = std::filesystem::current_path());

// Runs the velora executable to its end with a terminal as its stderr; `err` is what it showed there.
VeloraRun RunVeloraOnTerminal(const std::vector<std::string>& arguments);

// Starts the velora executable without waiting; its output is discarded.
pid_t StartVelora(const std::vector<std::string>& arguments);

// "velora: ...\n": exactly one line, as every refusal must be.
bool IsOneMessageLine(const std::string& text);
