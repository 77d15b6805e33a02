// velora process, run as the user runs it, against the engine run directly.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <tuple>

#include "cli/audio_reader.h"
#include "cli/audio_writer.h"
#include "cli/output_format.h"
#include "cli_test_support.h"
#include "settings/engine_input_table.h"

namespace {

constexpr int kWav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

class ProcessCommand : public testing::Test {
protected:
    // A stereo WAV of 1.5 seconds at 44,100 Hz.
    std::string WriteStereoInput() {
        input_.samples = TestSignal(66150, 2);
        WriteSound(folder_ / "in.wav", input_, kWav16);
        return folder_ / "in.wav";
    }

    Sound Process(const std::vector<std::string>& extraArguments, const std::string& outName = "out.wav") {
        std::vector<std::string> arguments = {"process", folder_ / "in.wav", folder_ / outName, "--quiet"};
        arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
        const VeloraRun run = RunVelora(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
        return ReadSound(folder_ / outName);
    }

    ScratchFolder folder_;
    Sound input_;
};

TEST_F(ProcessCommand, StereoWavComesOutAsTheEngineMakesIt) {
    WriteStereoInput();
    const Sound out = Process({"--set", "3d=40", "--set", "loudness=1"});
    EXPECT_EQ(out.sampleRate, 44100);
    EXPECT_EQ(out.channels, 2);
    EXPECT_EQ(out.format, kWav16);
    EXPECT_EQ(out.Frames(), input_.Frames());
    EXPECT_EQ(out.samples, EnhanceWithEngine(input_.samples, 2, 44100, {{"3d", 40}, {"loudness", 1}}));
}

TEST_F(ProcessCommand, DefaultsAreTheSettingsDefaultsAndSetChangesTheResult) {
    WriteStereoInput();
    const Sound defaults = Process({});
    EXPECT_EQ(defaults.samples, EnhanceWithEngine(input_.samples, 2, 44100));
    const Sound noBass = Process({"--set", "bassout=0"});
    EXPECT_NE(noBass.samples, defaults.samples);
    EXPECT_EQ(noBass.samples, EnhanceWithEngine(input_.samples, 2, 44100, {{"bassout", 0}}));
}

TEST_F(ProcessCommand, BlockSizeDoesNotChangeTheResult) {
    WriteStereoInput();
    const Sound usual = Process({});
    for (const char* block : {"1", "577", "16383"}) {
        EXPECT_EQ(Process({"--block", block}).samples, usual.samples) << "block " << block;
    }
    // Blocks larger than the scratch copy go through the engine in pieces, as in the plug-in.
    for (const int32_t block : {20000, 1048576}) {
        const Sound out = Process({"--block", std::to_string(block)});
        EXPECT_EQ(out.samples, EnhanceWithEngine(input_.samples, 2, 44100, {}, block)) << "block " << block;
        EXPECT_EQ(out.samples, usual.samples) << "block " << block;
    }
}

InputValues Then(InputValues values, const InputValues& more) {
    values.insert(values.end(), more.begin(), more.end());
    return values;
}

TEST_F(ProcessCommand, SettingsThenPresetThenSet) {
    WriteStereoInput();
    std::ofstream(folder_ / "winamp.ini", std::ios::binary)
        << "[winamp]\r\nvolume=200\r\n[Velora KDS]\r\nbassout=20\r\nbassagc=150\r\nsoft=0\r\ninverted=1\r\n"
           "devil=666\r\n";
    std::ofstream(folder_ / "Rock.velora", std::ios::binary) << "[Velora KDS preset]\nbassout=70\ndry=80\n";
    std::ofstream(folder_ / "fresh.ini", std::ios::binary) << "[Velora KDS]\nbassout=20\n";
    const std::string ini = folder_ / "winamp.ini", preset = folder_ / "Rock.velora";
    InputValues everyInputZero;
    for (const EngineInputInfo& info : EngineInputTable()) everyInputZero.push_back({info.key, 0});
    const InputValues fromIni = Then(everyInputZero, {{"bassout", 20}, {"bassagc", 100}, {"inverted", 1}});
    // A preset sets every key but "inverted"; those it lacks read as 0.
    const InputValues fromPreset =
        Then(everyInputZero, {{"bassout", 70}, {"dry", 80}, {"inverted", 1}, {"bassagc", 10}});
    const std::tuple<const char*, std::vector<std::string>, InputValues> runs[] = {
        {"settings", {"--settings", ini}, fromIni},
        {"set wins wherever it stands", {"--set", "dry=30", "--settings", ini}, Then(fromIni, {{"dry", 30}})},
        {"preset over settings, inverted kept", {"--preset", preset, "--settings", ini, "--set", "bassagc=10"},
         fromPreset},
        {"unsaved section gives the defaults", {"--settings", folder_ / "fresh.ini"}, {}},
    };
    for (const auto& [name, arguments, expected] : runs)
        EXPECT_EQ(Process(arguments).samples, EnhanceWithEngine(input_.samples, 2, 44100, expected)) << name;
    const VeloraRun unsaved = RunVelora({"process", folder_ / "in.wav",
                                         folder_ / "out.wav", "--settings", folder_ / "fresh.ini"});
    EXPECT_NE(unsaved.err.find("warning: '" + (folder_ / "fresh.ini") + "' holds no \"Velora KDS\" section"),
              std::string::npos) << unsaved.err;
}

TEST_F(ProcessCommand, MonoStaysMono) {
    input_.channels = 1;
    input_.sampleRate = 22050;
    input_.samples = TestSignal(30000, 1);
    WriteSound(folder_ / "in.wav", input_, kWav16);
    const Sound out = Process({});
    EXPECT_EQ(out.channels, 1);
    EXPECT_EQ(out.sampleRate, 22050);
    EXPECT_EQ(out.samples, EnhanceWithEngine(input_.samples, 1, 22050));
}

TEST_F(ProcessCommand, FlacInWavOut) {
    input_.samples = TestSignal(40000, 2);
    input_.sampleRate = 48000;
    WriteSound(folder_ / "in.flac", input_, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    const VeloraRun run = RunVelora({"process", folder_ / "in.flac", folder_ / "out.wav", "--quiet"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Sound out = ReadSound(folder_ / "out.wav");
    EXPECT_EQ(out.format, kWav16);
    EXPECT_EQ(out.sampleRate, 48000);
    EXPECT_EQ(out.samples, EnhanceWithEngine(input_.samples, 2, 48000));
}

TEST_F(ProcessCommand, OutputFormatFollowsTheExtension) {
    WriteStereoInput();
    const Sound lossless = Process({}, "out.flac");
    EXPECT_EQ(lossless.format, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    EXPECT_EQ(lossless.samples, EnhanceWithEngine(input_.samples, 2, 44100));
    EXPECT_EQ(Process({}, "out.AIFF").format, SF_FORMAT_AIFF | SF_FORMAT_PCM_16);
    const Sound vorbis = Process({}, "out.ogg");
    EXPECT_EQ(vorbis.format, SF_FORMAT_OGG | SF_FORMAT_VORBIS);
    EXPECT_EQ(vorbis.Frames(), input_.Frames());
}

TEST_F(ProcessCommand, SummaryNamesTheWrittenFileUnlessQuiet) {
    WriteStereoInput();
    const VeloraRun run = RunVelora({"process", folder_ / "in.wav", folder_ / "out.flac"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "wrote '" + folder_ / "out.flac" + "': FLAC 16-bit, 44100 Hz stereo, 1.5 s\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(ProcessCommand, ReplacesAnExistingOutputAndLeavesNoTemporary) {
    WriteStereoInput();
    WriteSound(folder_ / "out.wav", Sound{8000, 1, std::vector<int16_t>(100, 7)}, kWav16);
    EXPECT_EQ(Process({}).Frames(), input_.Frames());
    EXPECT_EQ(folder_.Entries(), (std::set<std::string>{"in.wav", "out.wav"}));
}

TEST_F(ProcessCommand, ProgressBarOnlyOnATerminalForLongFilesUnlessQuiet) {
    input_.samples = TestSignal(6 * 44100, 2);
    WriteSound(folder_ / "long.wav", input_, kWav16);
    WriteSound(folder_ / "short.wav", Sound{44100, 2, TestSignal(2 * 44100, 2)}, kWav16);

    const VeloraRun shown = RunVeloraOnTerminal({"process", folder_ / "long.wav", folder_ / "out.wav"});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_NE(shown.err.find("\r[#"), std::string::npos) << shown.err;
    EXPECT_NE(shown.err.find("] 100%"), std::string::npos) << shown.err;
    EXPECT_NE(shown.out.find("6.0 s"), std::string::npos) << shown.out;

    const VeloraRun quiet = RunVeloraOnTerminal({"process", folder_ / "long.wav", folder_ / "out.wav", "--quiet"});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(quiet.out, "");
    EXPECT_EQ(RunVeloraOnTerminal({"process", folder_ / "short.wav", folder_ / "out.wav"}).err, "");
    // Not a terminal: no bar, however long the file.
    EXPECT_EQ(RunVelora({"process", folder_ / "long.wav", folder_ / "out.wav"}).err, "");
}

// Floating-point files hold full scale as 1.0 and may go beyond it: they must reach the engine
// scaled to 16 bits and limited, neither as near silence nor wrapped around to the other sign.
TEST(AudioFiles, FloatSamplesAreScaledAndLimited) {
    ScratchFolder folder;
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open((folder / "loud.wav").c_str(), SFM_WRITE, &info);
    const float values[] = {0.5f, -0.25f, 1.5f, -3.0f, 32767.0f / 32768.0f};
    sf_writef_float(file, values, 5);
    sf_close(file);

    AudioReader reader(folder / "loud.wav");
    int16_t samples[5] = {};
    ASSERT_EQ(reader.Read(samples, 5), 5);
    EXPECT_EQ(samples[0], 16384);
    EXPECT_EQ(samples[1], -8192);
    EXPECT_EQ(samples[2], 32767);
    EXPECT_EQ(samples[3], -32768);
    EXPECT_EQ(samples[4], 32767);
}

// A tone on the left and silence on the right must stay that way through the lossy encoders.
TEST(AudioFiles, LossyStereoKeepsTheChannelsApart) {
    ScratchFolder folder;
    std::vector<int16_t> samples(2 * 44100);
    for (size_t frame = 0; frame < 44100; ++frame) {
        samples[2 * frame] = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440 * frame / 44100.0));
    }
    for (const char* name : {"tone.mp3", "tone.ogg"}) {
        {
            AudioWriter writer(folder / name, *OutputFormatForPath(name), 44100, 2);
            writer.Write(samples.data(), 44100);
            writer.Commit();
        }
        const Sound sound = ReadSound(folder / name);
        double left = 0, right = 0;
        for (int64_t frame = 0; frame < sound.Frames(); ++frame) {
            left += std::abs(sound.samples[2 * frame]);
            right += std::abs(sound.samples[2 * frame + 1]);
        }
        EXPECT_GT(left / sound.Frames(), 4000) << name;
        EXPECT_LT(right / sound.Frames(), 50) << name;
    }
}

}  // namespace
