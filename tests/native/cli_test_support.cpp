#include "cli_test_support.h"

#include <fcntl.h>
#include <pty.h>
#include <sndfile.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "engine/engine.h"
#include "settings/engine_input_table.h"

extern char** environ;

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velora-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::set<std::string> ScratchFolder::Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

void WriteSound(const std::string& path, const Sound& sound, int format) {
    SF_INFO info{};
    info.samplerate = sound.sampleRate;
    info.channels = sound.channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    sf_writef_short(file, sound.samples.data(), sound.Frames());
    sf_close(file);
}

Sound ReadSound(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) throw std::runtime_error("cannot read " + path + ": " + sf_strerror(nullptr));
    Sound sound;
    sound.sampleRate = info.samplerate;
    sound.channels = info.channels;
    sound.format = info.format;
    sound.samples.resize(static_cast<size_t>(info.frames) * info.channels);
    sound.samples.resize(static_cast<size_t>(sf_readf_short(file, sound.samples.data(), info.frames)) *
                         info.channels);
    sf_close(file);
    return sound;
}

std::vector<int16_t> TestSignal(int64_t frames, int32_t channels) {
    std::vector<int16_t> samples(static_cast<size_t>(frames) * channels);
    uint32_t noise = 12345;
    for (int64_t frame = 0; frame < frames; ++frame) {
        const double time = static_cast<double>(frame) / 44100;
        const bool burst = frame % 20000 > 15000;
        for (int32_t channel = 0; channel < channels; ++channel) {
            noise = noise * 1664525u + 1013904223u;
            const double tone = std::sin(2 * M_PI * (55 + 30 * channel) * time) +
                                0.5 * std::sin(2 * M_PI * (440 + 110 * channel) * time);
            const double value = (burst ? 20000 : 6000) * tone + static_cast<int32_t>(noise >> 20) - 2048;
            samples[static_cast<size_t>(frame * channels + channel)] =
                static_cast<int16_t>(std::clamp(value, -32768.0, 32767.0));
        }
    }
    return samples;
}

std::vector<int16_t> EnhanceWithEngine(std::vector<int16_t> samples, int32_t channels, int32_t sampleRate,
                                       const InputValues& values, int32_t blockFrames) {
    auto engine = std::make_unique<Engine>();
    std::vector<int16_t> inputCopy(kInputCopyValues);
    engine->inputCopy = inputCopy.data();
    ApplyEngineInputDefaults(engine->inputs);
    for (const auto& [key, value] : values) SetEngineInput(engine->inputs, *FindEngineInput(key), value);
    const int64_t frames = static_cast<int64_t>(samples.size()) / channels;
    for (int64_t done = 0; done < frames; done += blockFrames) {
        const int32_t count = static_cast<int32_t>(std::min<int64_t>(blockFrames, frames - done));
        EngineRun(*engine, samples.data() + done * channels, count, channels, sampleRate);
    }
    return samples;
}

namespace {

std::vector<char*> ArgumentVector(std::vector<std::string>& arguments) {
    std::vector<char*> vector;
    for (std::string& argument : arguments) vector.push_back(argument.data());
    vector.push_back(nullptr);
    return vector;
}

std::string ReadAll(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// stderr goes to errPath, or to the open descriptor errDescriptor when that is not negative.
pid_t Spawn(std::vector<std::string> arguments, const std::string& outPath, const std::string& errPath,
            const std::filesystem::path& workingFolder, int errDescriptor = -1) {
    arguments.insert(arguments.begin(), VELORA_CLI);
    std::vector<char*> argv = ArgumentVector(arguments);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (errDescriptor >= 0) {
        posix_spawn_file_actions_adddup2(&actions, errDescriptor, STDERR_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
    pid_t pid = -1;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error("cannot start " + arguments[0]);
    return pid;
}

}  // namespace

VeloraRun RunVelora(const std::vector<std::string>& arguments, const std::filesystem::path& workingFolder) {
    const ScratchFolder streams;
    const pid_t pid = Spawn(arguments, streams / "out", streams / "err", workingFolder);
    int status = 0;
    ::waitpid(pid, &status, 0);
    VeloraRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadAll(streams / "out");
    run.err = ReadAll(streams / "err");
    return run;
}

VeloraRun RunVeloraOnTerminal(const std::vector<std::string>& arguments) {
    int controller = -1, terminal = -1;
    if (::openpty(&controller, &terminal, nullptr, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
    const ScratchFolder streams;
    const pid_t pid = Spawn(arguments, streams / "out", "", std::filesystem::current_path(), terminal);
    ::close(terminal);
    VeloraRun run;
    // The terminal reports an error once the last writer is gone.
    char buffer[4096];
    for (ssize_t count; (count = ::read(controller, buffer, sizeof buffer)) > 0;) run.err.append(buffer, count);
    ::close(controller);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadAll(streams / "out");
    return run;
}

pid_t StartVelora(const std::vector<std::string>& arguments) {
    return Spawn(arguments, "/dev/null", "/dev/null", std::filesystem::current_path());
}

bool IsOneMessageLine(const std::string& text) {
    return text.starts_with("velora: ") && text.find('\n') == text.size() - 1;
}
