// velora process refusing what it cannot do: one line on stderr, the right exit status, and no
// output or temporary file left behind.

#include <gtest/gtest.h>
#include <signal.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "cli_test_support.h"

namespace {

constexpr int kWav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

class ProcessRefusal : public testing::Test {
protected:
    void SetUp() override {
        WriteSound(folder_ / "in.wav", Sound{44100, 2, TestSignal(4410, 2)}, kWav16);
    }

    // Runs velora and checks the common shape of every refusal.
    VeloraRun Refused(const std::vector<std::string>& arguments, int exitCode) {
        const VeloraRun run = RunVelora(arguments);
        EXPECT_EQ(run.exitCode, exitCode) << run.err;
        EXPECT_TRUE(IsOneMessageLine(run.err)) << run.err;
        EXPECT_EQ(run.out, "");
        return run;
    }

    void ExpectFolderHoldsOnly(const std::set<std::string>& names) { EXPECT_EQ(folder_.Entries(), names); }

    ScratchFolder folder_;
};

TEST_F(ProcessRefusal, CommandLineMistakesAreUsageErrors) {
    const std::string in = folder_ / "in.wav", out = folder_ / "out.wav";
    EXPECT_NE(Refused({"process", in, out, "--set", "loud=1"}, 2).err.find("'loud'"), std::string::npos);
    EXPECT_NE(Refused({"process", in, out, "--set", "3d=101"}, 2).err.find("101"), std::string::npos);
    EXPECT_NE(Refused({"process", in, out, "--set", "soft=2"}, 2).err.find("0 or 1"), std::string::npos);
    Refused({"process", in, out, "--block", "0"}, 2);
    Refused({"process", in, out, "--settings"}, 2);
    Refused({"process", in, out, "--preset", ""}, 2);
    EXPECT_NE(Refused({"process", in, folder_ / "out.xyz"}, 2).err.find("wav, flac"), std::string::npos);
    ExpectFolderHoldsOnly({"in.wav"});
}

TEST_F(ProcessRefusal, InputsThatCannotBeReadAreFailures) {
    std::ofstream(folder_ / "notes.txt") << "not a sound at all\n";
    std::filesystem::create_directory(folder_ / "sub");
    const std::string out = folder_ / "out.wav";
    EXPECT_NE(Refused({"process", folder_ / "missing.wav", out}, 1).err.find("No such file"), std::string::npos);
    Refused({"process", folder_ / "notes.txt", out}, 1);
    Refused({"process", folder_ / "sub", out}, 1);
    const std::string in = folder_ / "in.wav";
    EXPECT_NE(Refused({"process", in, out, "--settings", folder_ / "winamp.ini"}, 1).err.find("No such file"),
              std::string::npos);
    EXPECT_NE(Refused({"process", in, out, "--preset", folder_ / "sub"}, 1).err.find("cannot read the preset file"),
              std::string::npos);
    EXPECT_NE(Refused({"process", in, out, "--settings", "/dev/zero"}, 1).err.find("too large"), std::string::npos);
    // A file without the preset section, a sound given by mistake, would render silence.
    for (const std::vector<std::string>& outputs : {std::vector<std::string>{out}, {"--out-dir", folder_ / "outs"}}) {
        std::vector<std::string> arguments = {"process", in, "--preset", in};
        arguments.insert(arguments.end(), outputs.begin(), outputs.end());
        EXPECT_NE(Refused(arguments, 1).err.find("'" + in + "' holds no \"Velora KDS preset\" section"),
                  std::string::npos);
    }
    ExpectFolderHoldsOnly({"in.wav", "notes.txt", "sub"});
}

TEST_F(ProcessRefusal, SoundsTheEngineCannotTakeAreFailures) {
    WriteSound(folder_ / "three.wav", Sound{44100, 3, TestSignal(1000, 3)}, kWav16);
    WriteSound(folder_ / "slow.wav", Sound{4000, 1, TestSignal(1000, 1)}, kWav16);
    const std::string out = folder_ / "out.wav";
    EXPECT_NE(Refused({"process", folder_ / "three.wav", out}, 1).err.find("3 channels"), std::string::npos);
    EXPECT_NE(Refused({"process", folder_ / "slow.wav", out}, 1).err.find("4000 Hz"), std::string::npos);
    ExpectFolderHoldsOnly({"in.wav", "three.wav", "slow.wav"});
    // The lowest rate the engine takes is accepted.
    WriteSound(folder_ / "lowest.wav", Sound{4410, 1, TestSignal(1000, 1)}, kWav16);
    EXPECT_EQ(RunVelora({"process", folder_ / "lowest.wav", out, "--quiet"}).exitCode, 0);
}

TEST_F(ProcessRefusal, OutputsThatCannotBeWrittenAreFailures) {
    std::ofstream(folder_ / "plain") << "a file, not a folder\n";
    std::filesystem::create_directory(folder_ / "taken.wav");
    const std::string in = folder_ / "in.wav";
    Refused({"process", in, folder_ / "no-such-folder/out.wav"}, 1);
    Refused({"process", in, folder_ / "plain/out.wav"}, 1);
    Refused({"process", in, folder_ / "taken.wav"}, 1);
    ExpectFolderHoldsOnly({"in.wav", "plain", "taken.wav"});
    EXPECT_TRUE(std::filesystem::is_empty(folder_ / "taken.wav"));
}

TEST_F(ProcessRefusal, OutputMustNotBeTheInput) {
    const Sound before = ReadSound(folder_ / "in.wav");
    std::filesystem::create_hard_link(folder_ / "in.wav", folder_ / "alias.wav");
    Refused({"process", folder_ / "in.wav", folder_ / "in.wav"}, 2);
    Refused({"process", folder_ / "in.wav", folder_ / "./in.wav"}, 2);
    Refused({"process", folder_ / "in.wav", folder_ / "alias.wav"}, 2);
    EXPECT_EQ(ReadSound(folder_ / "in.wav").samples, before.samples);
    ExpectFolderHoldsOnly({"in.wav", "alias.wav"});
}

TEST_F(ProcessRefusal, AFailedRunLeavesAnExistingOutputAsItWas) {
    WriteSound(folder_ / "three.wav", Sound{44100, 3, TestSignal(1000, 3)}, kWav16);
    std::ofstream(folder_ / "out.wav") << "the previous result\n";
    Refused({"process", folder_ / "three.wav", folder_ / "out.wav"}, 1);
    Refused({"process", folder_ / "missing.wav", folder_ / "out.wav"}, 1);
    // The MP3 encoder refuses this rate only once the temporary file is open.
    WriteSound(folder_ / "fast.wav", Sound{96000, 2, TestSignal(1000, 2)}, kWav16);
    std::ofstream(folder_ / "out.mp3") << "the previous result\n";
    Refused({"process", folder_ / "fast.wav", folder_ / "out.mp3"}, 1);
    std::ifstream kept(folder_ / "out.wav");
    std::string line;
    std::getline(kept, line);
    EXPECT_EQ(line, "the previous result");
    std::ifstream keptMp3(folder_ / "out.mp3");
    std::getline(keptMp3, line);
    EXPECT_EQ(line, "the previous result");
    ExpectFolderHoldsOnly({"in.wav", "three.wav", "out.wav", "fast.wav", "out.mp3"});
}

// An interrupted run removes its temporary file. The input is a pipe that the test keeps open,
// so that velora is certainly still working when the interruption comes.
TEST_F(ProcessRefusal, AnInterruptedRunLeavesNothingBehind) {
    const std::string pipe = folder_ / "live.wav";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const pid_t velora = StartVelora({"process", pipe, folder_ / "out.wav", "--quiet"});

    const std::string source = folder_ / "in.wav";
    std::ifstream header(source, std::ios::binary);
    const std::string start(std::istreambuf_iterator<char>(header), {});
    std::ofstream feed(pipe, std::ios::binary);
    feed.write(start.data(), static_cast<std::streamsize>(start.size() / 2));
    feed.flush();

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (folder_.Entries().size() < 3 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_EQ(folder_.Entries().size(), 3u) << "no temporary output appeared";
    ::kill(velora, SIGINT);
    int status = 0;
    ::waitpid(velora, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
    ExpectFolderHoldsOnly({"in.wav", "live.wav"});
}

}  // namespace
