// velora.lv2 where Linux listeners meet it: ffmpeg's lv2 filter, and PipeWire's filter chain
// loaded from the drop-in the README shows, each against velora process.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "../native/cli_test_support.h"
#include "lv2/plugin_ports.h"
#include "plugin_output.h"

namespace {

std::vector<int16_t> ProcessWithVelora(const ScratchFolder& scratch, const Sound& sound, const InputValues& values) {
    WriteSound(scratch / "velora-in.wav", sound, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    return RenderWithVelora(scratch, scratch / "velora-in.wav", values);
}

size_t LeadingZeroFrames(const std::vector<int16_t>& samples) {
    size_t index = 0;
    while (index < samples.size() && samples[index] == 0) ++index;
    return index / 2;
}

Sound TestSound(double seconds) {
    Sound sound;
    sound.samples = TestSignal(static_cast<int64_t>(seconds * sound.sampleRate), sound.channels);
    return sound;
}

TEST(FfmpegLv2Filter, RendersAsVeloraProcess) {
    const ScratchFolder scratch;
    const Sound sound = TestSound(3.0);
    WriteSound(scratch / "in.wav", sound, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    // The filter graph and then the filter's options each take one level of escapes off the URI.
    const std::string uri = std::regex_replace(PluginVariants()[0].uri, std::regex(":"), R"(\\\:)");
    const std::string command = "LV2_PATH=" VELORA_LV2_BUNDLES " ffmpeg -nostdin -loglevel error -y -i " +
                                scratch / "in.wav" + " -af 'lv2=p=" + uri + ":c=bassout=70|wide3d=60' -c:a pcm_f32le " +
                                scratch / "out.wav";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(ToPcm16Exactly(ReadFloats(scratch / "out.wav")), ProcessWithVelora(scratch, sound, {{"bassout", 70}, {"3d", 60}}));
}

// The controls the drop-in sets, as settings keys.
InputValues ChainControls(const std::string& chainPath) {
    std::ifstream file(chainPath);
    std::stringstream text;
    text << file.rdbuf();
    std::smatch controls;
    const std::string chain = text.str();
    if (!std::regex_search(chain, controls, std::regex(R"(control = \{([^}]*)\})"))) return {};
    InputValues values;
    const std::regex control(R"x("(\w+)" = (\d+))x");
    const std::string list = controls[1];
    for (std::sregex_iterator it(list.begin(), list.end(), control), end; it != end; ++it) {
        for (const EngineInputInfo& input : EngineInputTable()) {
            if (ControlPortSymbol(input) == (*it)[1]) values.emplace_back(input.key, std::stoi((*it)[2]));
        }
    }
    return values;
}

// PipeWire runs the chain from the moment the recording is linked, so silence goes through the
// engine before the file does; that silence is part of the engine's history. pw-play does not hand
// over the file's last partial cycle, so the file ends in a second of silence that need not arrive.
TEST(PipeWireFilterChain, PlaysAsVeloraProcessAfterTheLeadingSilence) {
    const ScratchFolder scratch;
    Sound sound = TestSound(2.0);
    const size_t compared = sound.samples.size() + 2 * 4096;
    sound.samples.resize(sound.samples.size() + 2 * 44100, 0);
    WriteSound(scratch / "in.wav", sound, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    const std::string command = std::string(VELORA_PIPEWIRE_RECORD " " VELORA_PIPEWIRE_CHAIN " " VELORA_LV2_BUNDLES " ") +
                                scratch / "in.wav" + " " + scratch / "recorded.wav";
    const int status = std::system(command.c_str());
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) GTEST_SKIP() << "PipeWire cannot start here";
    ASSERT_EQ(status, 0) << command;

    const InputValues controls = ChainControls(VELORA_PIPEWIRE_CHAIN);
    ASSERT_FALSE(controls.empty());
    const std::vector<int16_t> recorded = ToPcm16Exactly(ReadFloats(scratch / "recorded.wav"));
    const size_t silence = LeadingZeroFrames(recorded) - LeadingZeroFrames(ProcessWithVelora(scratch, sound, controls));
    Sound afterSilence = sound;
    afterSilence.samples.insert(afterSilence.samples.begin(), 2 * silence, 0);
    const std::vector<int16_t> expected = ProcessWithVelora(scratch, afterSilence, controls);
    ASSERT_GE(recorded.size(), 2 * silence + compared) << "the recording ends before the file's music";
    const auto end = expected.begin() + 2 * silence + compared;
    const auto difference = std::mismatch(expected.begin(), end, recorded.begin());
    EXPECT_EQ(difference.first, end) << "after " << silence << " frames of silence, the frames differ from "
                                     << (difference.first - expected.begin()) / 2;
}

}  // namespace
