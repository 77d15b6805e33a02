// The stand-in player's command line.

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "standin/standin_arguments.h"

namespace {

StandinArguments Parse(std::vector<std::string_view> arguments) {
    return ParseStandinArguments(arguments);
}

std::string Refusal(std::vector<std::string_view> arguments) {
    try {
        Parse(arguments);
    } catch (const UsageError& error) {
        return error.what();
    }
    return "accepted";
}

}  // namespace

TEST(StandinArguments, TakesThreePathsAndAnOptionalBlockSize) {
    const StandinArguments plain = Parse({"dsp_vlra.dll", "in.wav", "out.wav"});
    EXPECT_EQ(plain.pluginPath, "dsp_vlra.dll");
    EXPECT_EQ(plain.inputPath, "in.wav");
    EXPECT_EQ(plain.outputPath, "out.wav");
    EXPECT_EQ(plain.blockFrames, 576);
    EXPECT_FALSE(plain.realtime);
    EXPECT_TRUE(Parse({"p.dll", "--realtime", "in.wav", "out.wav"}).realtime);

    EXPECT_EQ(Parse({"p.dll", "in.wav", "out.wav", "--block", "1000"}).blockFrames, 1000);
    const StandinArguments blockFirst = Parse({"--block", "1", "p.dll", "in.wav", "out.wav"});
    EXPECT_EQ(blockFirst.blockFrames, 1);
    EXPECT_EQ(blockFirst.pluginPath, "p.dll");
    EXPECT_EQ(blockFirst.outputPath, "out.wav");
    EXPECT_EQ(Parse({"p.dll", "in.wav", "out.wav", "--block", "2147483647"}).blockFrames, 2147483647);

    const StandinArguments settings =
        Parse({"--set", "bassagc=150", "p.dll", "in.wav", "out.wav", "--set", "x=-40", "--set", "bassagc=7"});
    std::string given;
    for (const auto& setting : settings.settings) given += setting.key + "=" + std::to_string(setting.value) + " ";
    EXPECT_EQ(given, "bassagc=150 x=-40 bassagc=7 ");
}

TEST(StandinArguments, RefusesWhatNamesNoRun) {
    const std::string usage = kStandinUsage;
    EXPECT_EQ(Refusal({}), usage);
    EXPECT_EQ(Refusal({"p.dll", "in.wav"}), usage);
    EXPECT_EQ(Refusal({"p.dll", "in.wav", "out.wav", "extra.wav"}), usage);
    EXPECT_EQ(Refusal({"p.dll", "in.wav", "out.wav", "--block"}), "--block needs a number of frames");
    for (const std::string_view bad : {"0", "-1", "abc", "12x", "", "2147483648", " 5"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(Refusal({"p.dll", "in.wav", "out.wav", "--block", bad}),
                  "--block needs a positive number of frames, not '" + std::string(bad) + "'");
    }
    EXPECT_EQ(Refusal({"p.dll", "in.wav", "out.wav", "--blocks", "5"}), "unknown option '--blocks'");
    EXPECT_EQ(Refusal({"p.dll", "in.wav", "out.wav", "--set"}), "--set needs KEY=VALUE");
    EXPECT_EQ(Refusal({"p.dll", "in.wav", "out.wav", "--set", "bassagc"}), "--set needs KEY=VALUE, not 'bassagc'");
    EXPECT_EQ(Refusal({"p.dll", "in.wav", "out.wav", "--set", "devil=666"}), "unknown setting 'devil'");
    EXPECT_EQ(Refusal({"p.dll", "in.wav", "out.wav", "--set", "soft=1.5"}), "--set soft needs a whole number, not '1.5'");
}
