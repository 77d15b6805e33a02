// velora process IN... --out-dir DIR: many files at once, each as a single run makes it, the bad
// ones named while the good ones complete.

#include <gtest/gtest.h>
#include <signal.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "cli/batch_plan.h"
#include "cli/command_failure.h"
#include "cli_test_support.h"

namespace {

constexpr int kWav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

struct GoodInput {
    const char* name;
    Sound sound;
    int format;
};

const std::vector<GoodInput>& GoodInputs() {
    static const std::vector<GoodInput> inputs = {
        {"one.wav", Sound{44100, 2, TestSignal(70000, 2)}, kWav16},
        {"two.flac", Sound{48000, 1, TestSignal(50000, 1)}, SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
        {"three.aiff", Sound{22050, 2, TestSignal(30000, 2)}, SF_FORMAT_AIFF | SF_FORMAT_PCM_16},
        {"four.wav", Sound{44100, 2, TestSignal(16384, 2)}, kWav16},
    };
    return inputs;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

class BatchCommand : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(folder_ / "in");
        for (const GoodInput& input : GoodInputs()) {
            WriteSound(In(input.name), input.sound, input.format);
            good_.push_back(In(input.name));
        }
    }

    std::string In(const std::string& name) const { return folder_ / ("in/" + name); }
    std::string Out(const std::string& name) const { return folder_ / ("out/" + name); }

    VeloraRun Batch(std::vector<std::string> inputs, const std::vector<std::string>& options) {
        inputs.insert(inputs.begin(), "process");
        inputs.insert(inputs.end(), {"--out-dir", folder_ / "out"});
        inputs.insert(inputs.end(), options.begin(), options.end());
        return RunVelora(inputs);
    }

    ScratchFolder folder_;
    std::vector<std::string> good_;
};

TEST_F(BatchCommand, GoodFilesComeOutAsSingleRunsMakeThemAndTheBadOnesAreNamed) {
    std::ofstream(In("notes.txt")) << "not a sound at all\n";
    std::ofstream(In("cut.wav")) << ReadBytes(In("one.wav")).substr(0, 20);
    std::filesystem::create_directory(In("folder.wav"));
    const std::vector<std::string> bad = {In("notes.txt"), In("cut.wav"), In("folder.wav"), In("missing.flac")};
    std::vector<std::string> inputs = good_;
    inputs.insert(inputs.begin() + 1, bad.begin(), bad.end());

    std::ofstream(folder_ / "Rock.velora", std::ios::binary) << "[Velora KDS preset]\nbassout=70\ndry=80\n";
    const std::vector<std::string> options = {"--preset", folder_ / "Rock.velora", "--set", "3d=40", "--block", "1000"};
    const VeloraRun run = Batch(inputs, options);
    EXPECT_EQ(run.exitCode, 1);
    for (const std::string& name : bad) EXPECT_NE(run.err.find("'" + name + "'"), std::string::npos) << name;
    EXPECT_NE(run.err.find("velora: 4 of 8 files failed\n"), std::string::npos) << run.err;

    std::set<std::string> expected;
    for (const GoodInput& input : GoodInputs()) {
        expected.insert(input.name);
        EXPECT_NE(run.out.find("wrote '" + Out(input.name) + "'"), std::string::npos) << run.out;
        const std::string single = folder_ / input.name;
        std::vector<std::string> alone = {"process", In(input.name), single, "--quiet"};
        alone.insert(alone.end(), options.begin(), options.end());
        ASSERT_EQ(RunVelora(alone).exitCode, 0);
        const Sound batch = ReadSound(Out(input.name));
        EXPECT_EQ(batch.format, input.format) << input.name;
        EXPECT_EQ(batch.Frames(), input.sound.Frames()) << input.name;
        EXPECT_EQ(batch.samples, ReadSound(single).samples) << input.name;
    }
    // Nothing partial is left: no temporary, no output for a bad input.
    std::set<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(folder_ / "out")) {
        written.insert(entry.path().filename().string());
    }
    EXPECT_EQ(written, expected);
}

TEST_F(BatchCommand, OneJobAndAllProcessorsGiveTheSameFiles) {
    std::map<std::string, std::string> first;
    for (const std::vector<std::string>& options : {std::vector<std::string>{"--jobs", "1"}, {}, {"--jobs", "3"}}) {
        std::filesystem::remove_all(folder_ / "out");
        std::vector<std::string> all = options;
        all.insert(all.end(), {"--format", "caf", "--quiet"});
        const VeloraRun run = Batch(good_, all);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        for (const GoodInput& input : GoodInputs()) {
            const std::string name = std::filesystem::path(input.name).stem().string() + ".caf";
            const auto [entry, isNew] = first.emplace(name, ReadBytes(Out(name)));
            EXPECT_EQ(ReadBytes(Out(name)), entry->second) << name;
            EXPECT_EQ(ReadSound(Out(name)).format, SF_FORMAT_CAF | SF_FORMAT_PCM_16) << name;
        }
    }
}

// One bar for the whole run; a failure's line takes the bar's place instead of running into it.
TEST_F(BatchCommand, OneBarOnATerminalWithEachFailureOnALineOfItsOwn) {
    WriteSound(In("long.wav"), Sound{44100, 2, TestSignal(8 * 44100, 2)}, kWav16);
    std::ofstream(In("notes.txt")) << "not a sound at all\n";
    const VeloraRun run = RunVeloraOnTerminal(
        {"process", In("long.wav"), In("notes.txt"), "--out-dir", folder_ / "out", "--format", "wav", "--jobs", "1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("] 100%"), std::string::npos) << run.err;
    for (size_t at = run.err.find("velora: "); at != std::string::npos; at = run.err.find("velora: ", at + 1)) {
        EXPECT_TRUE(at == 0 || run.err[at - 1] == '\r' || run.err[at - 1] == '\n') << run.err;
    }
    EXPECT_NE(run.err.find("'" + In("notes.txt") + "'"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("wrote '" + Out("long.wav") + "'"), std::string::npos) << run.out;
}

TEST_F(BatchCommand, RefusedBeforeAnyWork) {
    std::filesystem::create_directory(folder_ / "other");
    WriteSound(folder_ / "other/one.flac", GoodInputs()[1].sound, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    std::filesystem::create_hard_link(In("one.wav"), folder_ / "link.wav");
    const std::string one = In("one.wav");
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"process", one, folder_ / "other/one.flac", "--out-dir", folder_ / "out", "--format", "wav"},
         "would both be written"},
        {{"process", one, one, "--out-dir", folder_ / "out"}, "would both be written"},
        {{"process", one, "--out-dir", folder_ / "in"}, "would replace the input"},
        {{"process", folder_ / "other/one.flac", "--format", "flac", "--out-dir", folder_ / "other/"},
         "would replace the input"},
        {{"process", folder_ / "link.wav", folder_ / "other/one.flac", "--format", "wav", "--out-dir",
          folder_ / "in"},
         "would replace the input '" + folder_ / "link.wav" + "'"},
        {{"process", "--out-dir", folder_ / "out"}, "at least one input"},
        {{"process", one, "--out-dir", folder_ / "out", "--jobs", "0"}, "--jobs"},
        {{"process", one, "--out-dir", folder_ / "out", "--format", "txt"}, "--format"},
        {{"process", one, folder_ / "out.wav", "--jobs", "2"}, "go with --out-dir"},
        {{"process", one, folder_ / "out.wav", "--format", "wav"}, "go with --out-dir"},
    };
    for (const auto& [arguments, message] : cases) {
        const VeloraRun run = RunVelora(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.back();
        EXPECT_TRUE(IsOneMessageLine(run.err)) << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(folder_ / "out"));
    EXPECT_EQ(folder_.Entries(), (std::set<std::string>{"in", "other", "link.wav"}));
}

TEST(BatchPlan, OutputsAreNamedAfterTheInputs) {
    const struct {
        const char* input;
        const char* format;
        const char* output;
    } cases[] = {
        {"music/Song.FLAC", "", "out/Song.FLAC"},
        {"music/Song.FLAC", "wav", "out/Song.wav"},
        {"take.2.aif", "", "out/take.2.aif"},
        {"album/", "ogg", "out/album.ogg"},
        {"notes.txt", "", ""},
        {"README", "", ""},
    };
    for (const auto& [input, format, output] : cases) {
        const std::vector<std::string> inputs = {input};
        const std::vector<BatchJob> jobs = PlanBatch(inputs, "out", format);
        ASSERT_EQ(jobs.size(), 1u);
        EXPECT_EQ(jobs[0].output, output) << input << " " << format;
        EXPECT_EQ(jobs[0].format.has_value(), *output != '\0') << input;
    }
    const std::vector<std::string> clash = {"a/x.wav", "b/x.flac"};
    EXPECT_NO_THROW(PlanBatch(clash, "out", ""));
    EXPECT_THROW(PlanBatch(clash, "out", "wav"), UsageError);
}

// Every worker's temporary file goes when the run is interrupted. The inputs are pipes that the
// test keeps open, so that both workers are certainly writing when the interruption comes.
TEST_F(BatchCommand, AnInterruptedRunLeavesNothingInTheFolder) {
    const std::string start = ReadBytes(In("one.wav"));
    std::vector<std::string> pipes = {In("live1.wav"), In("live2.wav")};
    for (const std::string& pipe : pipes) ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_directory(folder_ / "out");
    const pid_t velora =
        StartVelora({"process", pipes[0], pipes[1], "--out-dir", folder_ / "out", "--jobs", "2", "--quiet"});
    std::vector<std::ofstream> feeds;
    for (const std::string& pipe : pipes) {
        feeds.emplace_back(pipe, std::ios::binary);
        feeds.back().write(start.data(), static_cast<std::streamsize>(start.size() / 2));
        feeds.back().flush();
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    auto temporaries = [&] {
        return std::distance(std::filesystem::directory_iterator(folder_ / "out"), {});
    };
    while (temporaries() < 2 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_EQ(temporaries(), 2) << "no temporary outputs appeared";
    ::kill(velora, SIGINT);
    int status = 0;
    ::waitpid(velora, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
    EXPECT_EQ(temporaries(), 0);
}

}  // namespace
