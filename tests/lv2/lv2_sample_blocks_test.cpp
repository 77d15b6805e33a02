// The plug-in's float samples to 16 bits and back: rounding, clipping and odd values, the same in
// the four-frame SSE2 path and the one-by-one path; and its control values to the engine's levels.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "lv2/port_values.h"
#include "lv2/sample_blocks.h"

namespace {

struct Rounding {
    float in;
    int16_t pcm;
};

const std::vector<Rounding> kRoundings = {
    {0.0f, 0},
    {0.5f / 32768, 0},  // ties go to the even step
    {1.5f / 32768, 2},
    {-2.5f / 32768, -2},
    {100.4f / 32768, 100},
    {-100.6f / 32768, -101},
    {32766.5f / 32768, 32766},
    {32766.6f / 32768, 32767},
    {1.0f, 32767},
    {-1.0f, -32768},
    {1e10f, 32767},
    {-1e10f, -32768},
    {std::numeric_limits<float>::infinity(), 32767},
    {-std::numeric_limits<float>::infinity(), -32768},
    {std::numeric_limits<float>::quiet_NaN(), 0},
};

TEST(Lv2SampleBlocks, FloatsRoundToTheNearestStepAndClipInBothPaths) {
    std::vector<float> first, second;
    for (const Rounding& rounding : kRoundings) {
        EXPECT_EQ(FloatToPcm16(rounding.in), rounding.pcm) << rounding.in;
        first.push_back(rounding.in);
        second.push_back(-rounding.in);
    }
    // Fifteen frames: three groups of four and three one by one.
    for (const int32_t channels : {1, 2}) {
        const float* inputs[] = {first.data(), second.data()};
        std::vector<int16_t> pcm(first.size() * channels);
        ToPcm16Frames(inputs, channels, static_cast<uint32_t>(first.size()), pcm.data());
        for (size_t frame = 0; frame < first.size(); ++frame) {
            EXPECT_EQ(pcm[frame * channels], FloatToPcm16(first[frame])) << first[frame];
            if (channels == 2) {
                EXPECT_EQ(pcm[frame * 2 + 1], FloatToPcm16(second[frame])) << second[frame];
            }
        }
    }
    // Control values round to the nearest level too.
    EXPECT_EQ(ControlToInput(49.6f, *FindEngineInput("3d")), 50);
    EXPECT_EQ(ControlToInput(0.4f, *FindEngineInput("3d")), 0);
}

TEST(Lv2SampleBlocks, EverySixteenBitValueComesBackFromItsFloat) {
    std::vector<int16_t> all;
    for (int32_t value = -32768; value <= 32767; ++value) all.push_back(static_cast<int16_t>(value));
    all.push_back(1);  // an odd count of values, so that the last frames go one by one
    for (const int32_t channels : {1, 2}) {
        const auto frames = static_cast<uint32_t>(all.size() / channels);
        std::vector<float> first(frames), second(frames);
        float* outputs[] = {first.data(), second.data()};
        FromPcm16Frames(all.data(), channels, frames, outputs);
        EXPECT_EQ(first[1], Pcm16ToFloat(all[channels]));
        EXPECT_EQ(first[0], -1.0f);
        std::vector<int16_t> back(frames * channels);
        const float* inputs[] = {first.data(), second.data()};
        ToPcm16Frames(inputs, channels, frames, back.data());
        EXPECT_TRUE(std::equal(back.begin(), back.end(), all.begin())) << channels << " channels";
    }
}

}  // namespace
