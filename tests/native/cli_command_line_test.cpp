// The command line, the --set values, the output formats and the progress bar, without files.

#include <gtest/gtest.h>
#include <sndfile.h>

#include "cli/command_failure.h"
#include "cli/command_line.h"
#include "cli/input_assignment.h"
#include "cli/output_format.h"
#include "cli/progress_bar.h"

namespace {

CommandRequest Parse(std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> list(arguments);
    return ParseCommandLine(list);
}

ProcessRequest ParseProcess(std::initializer_list<std::string_view> arguments) {
    return std::get<ProcessRequest>(Parse(arguments));
}

TEST(CommandLine, ProcessTakesOptionsBeforeBetweenAndAfterTheFiles) {
    const ProcessRequest request =
        ParseProcess({"process", "--set", "3d=40", "in.flac", "--quiet", "out.wav", "--block", "1024", "--settings",
                      "winamp.ini", "--preset", "Rock.velora"});
    EXPECT_EQ(request.settingsFile, "winamp.ini");
    EXPECT_EQ(request.presetFile, "Rock.velora");
    EXPECT_EQ(request.input, "in.flac");
    EXPECT_EQ(request.output, "out.wav");
    EXPECT_TRUE(request.quiet);
    EXPECT_EQ(request.blockFrames, 1024);
    ASSERT_EQ(request.assignments.size(), 1u);
    EXPECT_STREQ(request.assignments[0].input->key, "3d");
    EXPECT_EQ(request.assignments[0].value, 40);

    const ProcessRequest plain = ParseProcess({"process", "a.wav", "b.wav"});
    EXPECT_FALSE(plain.quiet);
    EXPECT_EQ(plain.blockFrames, 576);
    EXPECT_TRUE(plain.assignments.empty());
    EXPECT_EQ(plain.settingsFile, "");
}

TEST(CommandLine, DoubleDashLetsFileNamesStartWithADash) {
    const ProcessRequest request = ParseProcess({"process", "--quiet", "--", "-in.wav", "--out.wav"});
    EXPECT_EQ(request.input, "-in.wav");
    EXPECT_EQ(request.output, "--out.wav");
    EXPECT_EQ(std::get<DemoRequest>(Parse({"demo", "--", "-folder"})).folder, "-folder");
}

TEST(CommandLine, BlockRangeIsOneToAMillionFrames) {
    for (const int32_t good : {1, 16383, 20000, 1048576}) {
        EXPECT_EQ(ParseProcess({"process", "a.wav", "b.wav", "--block", std::to_string(good)}).blockFrames, good);
    }
    for (std::string_view bad : {"0", "1048577", "-5", "12k", "", "2147483648"}) {
        EXPECT_THROW(ParseProcess({"process", "a.wav", "b.wav", "--block", bad}), UsageError) << bad;
    }
    EXPECT_THROW(ParseProcess({"process", "a.wav", "b.wav", "--block"}), UsageError);
}

TEST(CommandLine, HelpAndVersionWinOverEverythingElse) {
    EXPECT_EQ(std::get<HelpRequest>(Parse({"--help"})).topic, HelpTopic::General);
    EXPECT_EQ(std::get<HelpRequest>(Parse({"process", "--help"})).topic, HelpTopic::Process);
    EXPECT_EQ(std::get<HelpRequest>(Parse({"process", "in.wav", "-h"})).topic, HelpTopic::Process);
    EXPECT_EQ(std::get<HelpRequest>(Parse({"demo", "--help"})).topic, HelpTopic::Demo);
    EXPECT_TRUE(std::holds_alternative<VersionRequest>(Parse({"--version"})));
}

TEST(CommandLine, MistakesAreUsageErrors) {
    EXPECT_THROW(Parse({}), UsageError);
    EXPECT_THROW(Parse({"enhance", "a.wav", "b.wav"}), UsageError);
    EXPECT_THROW(Parse({"process", "a.wav"}), UsageError);
    EXPECT_THROW(Parse({"process", "a.wav", "b.wav", "c.wav"}), UsageError);
    EXPECT_THROW(Parse({"process", "a.wav", "b.wav", "--loud"}), UsageError);
    EXPECT_THROW(Parse({"process", "a.wav", "b.wav", "--set"}), UsageError);
    EXPECT_THROW(Parse({"process", "a.wav", "b.wav", "--set", "loud=1"}), UsageError);
    EXPECT_THROW(Parse({"demo", "one", "two"}), UsageError);
    EXPECT_THROW(Parse({"demo", "--quiet"}), UsageError);
    EXPECT_EQ(std::get<DemoRequest>(Parse({"demo"})).folder, ".");
}

TEST(InputAssignment, AcceptsEveryKeyAcrossItsWholeRange) {
    for (const EngineInputInfo& input : EngineInputTable()) {
        const std::string key = input.key;
        EXPECT_EQ(ParseInputAssignment(key + "=0").value, 0) << key;
        EXPECT_EQ(ParseInputAssignment(key + "=" + std::to_string(input.maximum)).value, input.maximum) << key;
        EXPECT_EQ(ParseInputAssignment(key + "=1").input, &input) << key;
        EXPECT_THROW(ParseInputAssignment(key + "=" + std::to_string(input.maximum + 1)), UsageError) << key;
    }
}

TEST(InputAssignment, RejectsMalformedText) {
    for (std::string_view bad : {"3d", "3d=", "=40", "3d=-1", "3d=4.5", "3d= 40", "3d=40 ", "3d=0x10", "3D=40",
                                 "soft=2", "soft=true", "bass=50", "3d=99999999999"}) {
        EXPECT_THROW(ParseInputAssignment(bad), UsageError) << bad;
    }
}

TEST(InputAssignment, DefaultsFirstThenTheAssignmentsInOrder) {
    const std::vector<InputAssignment> assignments = {ParseInputAssignment("bassout=10"),
                                                      ParseInputAssignment("bassout=0")};
    EngineInputs inputs;
    ApplyInputs(inputs, {}, assignments);
    EXPECT_EQ(GetEngineInput(inputs, *FindEngineInput("bassout")), 0);
    EXPECT_EQ(GetEngineInput(inputs, *FindEngineInput("3d")), 30);
}

TEST(OutputFormat, ChosenByTheExtensionWhateverItsCase) {
    EXPECT_EQ(OutputFormatForPath("out.wav")->sndfileFormat, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(OutputFormatForPath("dir.flac/Out.WAV")->sndfileFormat, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(OutputFormatForPath("a.b.FLAC")->sndfileFormat, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    EXPECT_EQ(OutputFormatForPath("x.ogg")->sndfileFormat, SF_FORMAT_OGG | SF_FORMAT_VORBIS);
    EXPECT_EQ(OutputFormatForPath("x.aif")->sndfileFormat, SF_FORMAT_AIFF | SF_FORMAT_PCM_16);
    EXPECT_EQ(OutputFormatForPath("x.mp3")->sndfileFormat, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
    for (std::string_view none : {"out", "out.", ".wav", "out.wav/", "out.txt", "out.wavx", "dir.wav/out"}) {
        EXPECT_FALSE(OutputFormatForPath(none).has_value()) << none;
    }
}

TEST(ProgressBar, FillsInProportionAndNeverOverflows) {
    EXPECT_EQ(FormatProgressBar(0, 200, 10), "[----------]   0%");
    EXPECT_EQ(FormatProgressBar(100, 200, 10), "[#####-----]  50%");
    EXPECT_EQ(FormatProgressBar(199, 200, 10), "[#########-]  99%");
    EXPECT_EQ(FormatProgressBar(200, 200, 10), "[##########] 100%");
    EXPECT_EQ(FormatProgressBar(300, 200, 10), "[##########] 100%");
    EXPECT_EQ(FormatProgressBar(5, 0, 4), "[####] 100%");
    // A long file must not overflow the arithmetic: ten hours at 192,000 Hz.
    const int64_t frames = int64_t{192000} * 36000;
    EXPECT_EQ(FormatProgressBar(frames / 4, frames, 40), "[##########------------------------------]  25%");
}

}  // namespace
