// velora.lv2 in LV2 hosts against velora process: the same samples through lv2apply and through
// our own lilv host, the ports as the table describes them, a bundle that passes validation.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "../native/cli_test_support.h"
#include "lv2/plugin_ports.h"
#include "lv2/preset_turtle.h"
#include "lv2_test_host.h"
#include "plugin_output.h"
#include "settings/engine_input_table.h"

namespace {

constexpr int kWav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
constexpr int kWavFloat = SF_FORMAT_WAV | SF_FORMAT_FLOAT;

const PluginVariant& Variant(int32_t channels) { return PluginVariants()[channels == 2 ? 0 : 1]; }

struct ToolRun {
    int exitCode = -1;
    std::string output;  // stdout and stderr
};

ToolRun RunTool(const std::string& commandLine) {
    ToolRun run;
    FILE* pipe = ::popen((commandLine + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    for (size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, count);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string BundleFolders() { return VELORA_LV2_BUNDLES; }

Lv2RenderRequest BuildBundleRequest(int32_t channels, double sampleRate, uint32_t blockFrames) {
    Lv2RenderRequest request;
    request.bundleFolders = {BundleFolders() + "/velora.lv2"};
    request.pluginUri = Variant(channels).uri;
    request.sampleRate = sampleRate;
    request.channels = channels;
    request.blockFrames = blockFrames;
    return request;
}

std::vector<float> ToFloats(const std::vector<int16_t>& samples) {
    std::vector<float> floats;
    for (const int16_t sample : samples) floats.push_back(sample / 32768.0f);
    return floats;
}

void WriteFloats(const std::string& path, const Sound& sound) {
    SF_INFO info{};
    info.samplerate = sound.sampleRate;
    info.channels = sound.channels;
    info.format = kWavFloat;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) throw std::runtime_error("cannot write " + path);
    sf_writef_float(file, ToFloats(sound.samples).data(), sound.Frames());
    sf_close(file);
}

PortValues ToPortValues(const InputValues& values) {
    PortValues ports;
    for (const auto& [key, value] : values) {
        ports.emplace_back(ControlPortSymbol(*FindEngineInput(key)), static_cast<float>(value));
    }
    return ports;
}

struct RenderCase {
    int32_t sampleRate;
    int32_t channels;
    InputValues values;
};

std::string Describe(const RenderCase& render) {
    std::ostringstream text;
    text << render.sampleRate << " Hz, " << render.channels << " channels,";
    for (const auto& [key, value] : render.values) text << " " << key << "=" << value;
    return text.str();
}

const std::vector<RenderCase> kRenderCases = {
    {44100, 2, {}},
    {44100, 2, {{"3d", 80}, {"bassout", 40}, {"loudness", 1}, {"stereoagc", 0}}},
    {48000, 2, {}},
    {48000, 2, {{"phatt", 90}, {"widefilt", 1}, {"inverted", 1}, {"comp", 60}, {"speed", 50}}},
    {48000, 1, {{"prologic", 60}, {"basscolor", 70}}},
};

class Lv2Plugin : public testing::Test {
protected:
    // A 16-bit WAV for velora and the same samples as floats s / 32768 for the host.
    Sound WriteInput(const RenderCase& render, int64_t frames) {
        Sound input;
        input.sampleRate = render.sampleRate;
        input.channels = render.channels;
        input.samples = TestSignal(frames, render.channels);
        WriteSound(folder_ / "in.wav", input, kWav16);
        WriteFloats(folder_ / "in-float.wav", input);
        return input;
    }

    std::vector<int16_t> VeloraProcess(const InputValues& values, int32_t blockFrames,
                                       const std::vector<std::string>& more = {}) {
        std::vector<std::string> arguments = {"--block", std::to_string(blockFrames)};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return RenderWithVelora(folder_, folder_ / "in.wav", values, arguments);
    }

    ScratchFolder folder_;
};

// lv2apply hands the plug-in one frame per run (lilv 0.24), so velora runs one-frame blocks too.
TEST_F(Lv2Plugin, Lv2applyRendersAsVeloraProcess) {
    for (const RenderCase& render : kRenderCases) {
        SCOPED_TRACE(Describe(render));
        WriteInput(render, render.sampleRate);
        std::string command = "LV2_PATH=" + BundleFolders() + " lv2apply -i " + (folder_ / "in-float.wav") +
                              " -o " + (folder_ / "lv2.wav");
        for (const auto& [symbol, value] : ToPortValues(render.values)) {
            command += " -c " + symbol + " " + std::to_string(static_cast<int>(value));
        }
        const ToolRun run = RunTool(command + " " + Variant(render.channels).uri);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        EXPECT_EQ(ToPcm16Exactly(ReadFloats(folder_ / "lv2.wav")), VeloraProcess(render.values, 1));
    }
}

// Blocks as a player hands them, and blocks larger than the engine's scratch copy, which both
// go through the engine in pieces.
TEST_F(Lv2Plugin, TestHostRendersAsVeloraProcessInBlocksOfTheSameSize) {
    const std::vector<std::pair<uint32_t, const RenderCase*>> cases = {
        {576, &kRenderCases[0]}, {576, &kRenderCases[3]}, {20000, &kRenderCases[1]},
        {20000, &kRenderCases[2]}, {576, &kRenderCases[4]}, {40000, &kRenderCases[4]},
    };
    for (const auto& [blockFrames, render] : cases) {
        SCOPED_TRACE(Describe(*render) + " in blocks of " + std::to_string(blockFrames));
        const Sound input = WriteInput(*render, 90000);
        Lv2RenderRequest request = BuildBundleRequest(render->channels, render->sampleRate, blockFrames);
        request.values = ToPortValues(render->values);
        const Lv2Render out = RenderWithLilv(request, ToFloats(input.samples));
        ASSERT_TRUE(out.instantiated);
        EXPECT_EQ(ToPcm16Exactly(out.samples), VeloraProcess(render->values, static_cast<int32_t>(blockFrames)));
        EXPECT_EQ(out.latency, 199);
        if (render->values.empty() && blockFrames == 576) {
            EXPECT_GT(out.peakClipLevel, 0.0f) << "at the defaults the loud bursts clip";
        }
    }
}

// The player's preset files as the window applies them: levels held to 0..100, a switch on for
// any value but 0, a missing key 0, "inverted" not part of a preset.
TEST_F(Lv2Plugin, ConvertedPresetsRenderAsVeloraProcessWithThePresetFile) {
    const std::filesystem::path presets = folder_.Path() / "presets";
    std::filesystem::create_directory(presets);
    const std::map<std::string, std::string> files = {
        {"Late \"night\".velora", "[Velora KDS preset]\nbassagc=10\nphatt=150\n3d=77\nloudness=3\ninverted=1\n"},
        {"rock.VELORA", "[Velora KDS preset]\nbassout=20\ndry=90\nsoft=1\nstereoagc=1\n"},
        {"notes.txt", "[Velora KDS preset]\nbassout=0\n"},
    };
    for (const auto& [name, text] : files) std::ofstream(presets / name) << text;
    const std::string bundle = folder_ / "velora-presets.lv2";
    const VeloraRun run = RunVelora({"presets-to-lv2", presets.string(), "--out", bundle});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Late \"night\"  urn:velora:enhancer:preset:Late%20%22night%22\n"
                       "rock  urn:velora:enhancer:preset:rock\n");
    const ToolRun validation = RunTool("lv2_validate " + bundle + "/*.ttl " + BundleFolders() + "/velora.lv2/*.ttl");
    EXPECT_NE(validation.output.find("Found 0 errors"), std::string::npos) << validation.output;

    const Sound input = WriteInput(kRenderCases[0], 30000);
    for (const auto& [file, uri] : std::vector<std::pair<std::string, std::string>>{
             {"Late \"night\".velora", "urn:velora:enhancer:preset:Late%20%22night%22"},
             {"rock.VELORA", "urn:velora:enhancer:preset:rock"}}) {
        SCOPED_TRACE(file);
        Lv2RenderRequest request = BuildBundleRequest(2, 44100, 576);
        request.bundleFolders.push_back(bundle);
        request.presetUri = uri;
        EXPECT_EQ(ToPcm16Exactly(RenderWithLilv(request, ToFloats(input.samples)).samples),
                  VeloraProcess({}, 576, {"--preset", (presets / file).string()}));
    }

    const VeloraRun empty = RunVelora({"presets-to-lv2", folder_ / "velora-presets.lv2", "--out", folder_ / "other"});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(IsOneMessageLine(empty.err)) << empty.err;
    EXPECT_FALSE(std::filesystem::exists(folder_ / "other"));
}

// The factory presets of the bundle render as the preset files they come from.
TEST_F(Lv2Plugin, FactoryPresetsRenderAsVeloraProcessWithTheirFiles) {
    const Sound input = WriteInput(kRenderCases[0], 30000);
    size_t presets = 0;
    for (const auto& file : std::filesystem::directory_iterator(VELORA_FACTORY_PRESETS)) {
        SCOPED_TRACE(file.path().string());
        Lv2RenderRequest request = BuildBundleRequest(2, 44100, 576);
        request.presetUri = PresetUri(file.path().stem().string());
        EXPECT_EQ(ToPcm16Exactly(RenderWithLilv(request, ToFloats(input.samples)).samples),
                  VeloraProcess({}, 576, {"--preset", file.path().string()}));
        ++presets;
    }
    EXPECT_GE(presets, 6u);
}

float MaxStep(const std::vector<float>& samples) {
    float step = 0;
    for (size_t i = 2; i < samples.size(); ++i) step = std::max(step, std::abs(samples[i] - samples[i - 2]));
    return step;
}

// Bypassed, the output is the input as late as the reported latency; switched off and on again
// it crossfades within the block, and once on again the engine has kept up.
TEST_F(Lv2Plugin, BypassGivesTheInputAsLateAsTheLatencyAndSwitchesWithoutAStep) {
    std::vector<float> tone(2 * 44100);
    for (size_t i = 0; i < tone.size(); ++i) tone[i] = 0.3f * std::sin(2 * M_PI * 220 * (i / 2) / 44100.0 + i % 2);
    std::vector<float> late(tone.size());
    std::copy(tone.begin(), tone.end() - 2 * 199, late.begin() + 2 * 199);
    Lv2RenderRequest request = BuildBundleRequest(2, 44100, 576);
    const Lv2Render on = RenderWithLilv(request, tone);
    request.values = {{"enabled", 0}};
    EXPECT_EQ(RenderWithLilv(request, tone).samples, late);

    request.values = {};
    request.changes = {{20 * 576, {{"enabled", 0}}}, {50 * 576, {{"enabled", 1}}}};
    const std::vector<float> switched = RenderWithLilv(request, tone).samples;
    auto part = [](const std::vector<float>& samples, size_t from, size_t to) {
        return std::vector<float>(samples.begin() + 2 * from, samples.begin() + 2 * to);
    };
    EXPECT_EQ(part(switched, 21 * 576, 50 * 576), part(late, 21 * 576, 50 * 576));
    EXPECT_EQ(part(switched, 51 * 576, 76 * 576), part(on.samples, 51 * 576, 76 * 576));
    EXPECT_LE(MaxStep(switched), std::max(MaxStep(on.samples), MaxStep(late)));
}

// The meter shows the same after the same frames however the host cuts them into blocks, and
// an empty run changes nothing.
TEST_F(Lv2Plugin, ClipMeterReadsTheSameAtEveryBlockSize) {
    std::vector<float> input = ToFloats(TestSignal(90000, 2));
    for (float& sample : input) sample *= 4;
    std::map<size_t, float> levels;
    for (const uint32_t blockFrames : {32u, 576u, 8192u}) {
        SCOPED_TRACE(blockFrames);
        Lv2RenderRequest request = BuildBundleRequest(2, 48000, blockFrames);
        request.emptyRuns = blockFrames == 32;
        const Lv2Render render = RenderWithLilv(request, input);
        for (const auto& [frame, level] : render.clipLevels) {
            if (blockFrames == 32) levels[frame] = level;
            else EXPECT_EQ(levels.at(frame), level) << frame;
        }
        EXPECT_GT(render.peakClipLevel, 0.0f);
    }
}

TEST_F(Lv2Plugin, RefusesRatesBelowTheEnginesLowest) {
    for (const auto& [rate, instantiated] : std::vector<std::pair<double, bool>>{{4409, false}, {4410, true}}) {
        EXPECT_EQ(RenderWithLilv(BuildBundleRequest(2, rate, 64), std::vector<float>(256)).instantiated, instantiated)
            << rate;
    }
}

// The lines lv2info prints about each port, by symbol: "Name", "Minimum", "Properties", ...
std::map<std::string, std::map<std::string, std::string>> Lv2infoPorts(const std::string& output) {
    std::map<std::string, std::map<std::string, std::string>> ports;
    std::map<std::string, std::string> port;
    std::istringstream lines(output);
    std::string line;
    auto finish = [&] {
        if (port.count("Symbol") > 0) ports[port["Symbol"]] = port;
        port.clear();
    };
    while (std::getline(lines, line)) {
        const size_t start = line.find_first_not_of('\t');
        if (start == std::string::npos) continue;
        if (line.compare(start, 5, "Port ") == 0) finish();
        const size_t colon = line.find(':', start);
        if (colon == std::string::npos) continue;
        const std::string field = line.substr(start, colon - start);
        const size_t value = line.find_first_not_of(' ', colon + 1);
        if (value != std::string::npos) port[field] += line.substr(value);
    }
    finish();
    return ports;
}

TEST_F(Lv2Plugin, Lv2infoListsEveryEngineInputWithTheTablesRangeAndDefault) {
    for (const PluginVariant& variant : PluginVariants()) {
        SCOPED_TRACE(variant.uri);
        const ToolRun run = RunTool("LV2_PATH=" + BundleFolders() + " lv2info " + variant.uri);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        EXPECT_NE(run.output.find("Has latency:       yes, reported by port " +
                                  std::to_string(LatencyPort(variant)) + "\n"),
                  std::string::npos)
            << run.output;
        auto ports = Lv2infoPorts(run.output);
        EXPECT_EQ(ports.size(), 2 * variant.channels + 3 + kEngineInputCount);
        for (const EngineInputInfo& input : EngineInputTable()) {
            const std::string symbol = ControlPortSymbol(input);
            ASSERT_EQ(ports.count(symbol), 1u) << symbol;
            auto& port = ports[symbol];
            EXPECT_EQ(port["Name"], ControlPortName(input));
            EXPECT_EQ(port["Minimum"], "0.000000");
            EXPECT_EQ(port["Maximum"], std::to_string(input.maximum) + ".000000");
            EXPECT_EQ(port["Default"], std::to_string(input.defaultValue) + ".000000");
            EXPECT_EQ(port["Properties"], std::string("http://lv2plug.in/ns/lv2core#") +
                                              (input.IsSwitch() ? "toggled" : "integer"));
            EXPECT_EQ(port["Group"], PortGroupUri(variant, PageGroupSymbol(input.page)));
        }
        EXPECT_EQ(ports["wide3d"]["Name"], "Music wide (3D)");
        EXPECT_EQ(ports["bassagc"]["Name"], "Bass AGC depth");
        EXPECT_EQ(ports["agc"]["Name"], "Music AGC depth");
    }
}

TEST_F(Lv2Plugin, BundlePassesLv2Validate) {
    const std::string bundle = BundleFolders() + "/velora.lv2";
    const ToolRun run = RunTool("lv2_validate " + bundle + "/*.ttl");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("Found 0 errors"), std::string::npos) << run.output;
}

}  // namespace
