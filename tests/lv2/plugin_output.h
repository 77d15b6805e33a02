#pragma once
// What the tests of velora.lv2 in its hosts share: the plug-in's float output read back as the
// 16-bit samples it must be, and velora process on the same input, which it must equal.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "../native/cli_test_support.h"

inline std::vector<float> ReadFloats(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) throw std::runtime_error("cannot read " + path);
    std::vector<float> samples(static_cast<size_t>(info.frames) * info.channels);
    sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    return samples;
}

// The plug-in's output is 16-bit samples divided by 32768: every value times 32768 is whole.
inline std::vector<int16_t> ToPcm16Exactly(const std::vector<float>& samples) {
    std::vector<int16_t> pcm;
    size_t fractions = 0;
    for (const float sample : samples) {
        const float scaled = sample * 32768.0f;
        fractions += scaled != std::floor(scaled);
        pcm.push_back(static_cast<int16_t>(scaled));
    }
    EXPECT_EQ(fractions, 0u) << "output samples that are not 16-bit steps";
    return pcm;
}

// velora process on the file `input` with `values` set and then the `more` arguments, into
// `folder`; the output's samples.
inline std::vector<int16_t> RenderWithVelora(const ScratchFolder& folder, const std::string& input,
                                             const InputValues& values, const std::vector<std::string>& more = {}) {
    std::vector<std::string> arguments = {"process", input, folder / "velora.wav", "--quiet"};
    for (const auto& [key, value] : values) arguments.insert(arguments.end(), {"--set", key + "=" + std::to_string(value)});
    arguments.insert(arguments.end(), more.begin(), more.end());
    const VeloraRun run = RunVelora(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return ReadSound(folder / "velora.wav").samples;
}
