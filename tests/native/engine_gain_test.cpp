// The adaptive gains, the delays and the switches of the two channels, observed through the
// carried state and the output.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/native/engine_harness.h"

namespace {

void RunSilence(TestEngine& t, int32_t frames) {
    std::vector<int16_t> silence(2 * 4410, 0);
    for (int32_t done = 0; done < frames; done += 4410) t.Run(silence, 2);
}

TEST(EngineGains, SilenceRaisesTheAgcGainsToTheirCeilingsAndHoldsThere) {
    TestEngine t;
    RunSilence(t, 44100);
    // One second at 1.000003 and 1.000002 per frame.
    EXPECT_NEAR(t.engine->state.bassAgcGain, std::pow(1.000003, 44100), 1e-4);
    EXPECT_NEAR(t.engine->state.musicAgcGain[0], 1.3 * std::pow(1.000002, 44100), 1e-4);
    RunSilence(t, 44100 * 19);
    // Default depths: bass 50 gives a ceiling of 3, music 80 a ceiling of 5.
    EXPECT_NEAR(t.engine->state.bassAgcGain, 3.0, 0.001);
    EXPECT_NEAR(t.engine->state.musicAgcGain[0], 5.0, 0.001);
    EXPECT_NEAR(t.engine->state.musicAgcGain[1], 5.0, 0.001);
    std::vector<int16_t> samples(2 * 576, 0);
    t.Run(samples, 2);
    for (int16_t s : samples) ASSERT_EQ(s, 0);
}

TEST(EngineGains, LinkedMusicAgcKeepsBothChannelsAtTheSmallerGain) {
    TestEngine t;
    t.Set("stereoagc", 0);
    // Only the first channel is loud.
    std::vector<int16_t> samples(2 * 4410, 0);
    for (size_t i = 0; i < samples.size(); i += 2) samples[i] = static_cast<int16_t>(30000 * std::sin(i * 0.2));
    for (int block = 0; block < 20; ++block) {
        std::vector<int16_t> copy = samples;
        t.Run(copy, 2);
        ASSERT_EQ(t.engine->state.musicAgcGain[0], t.engine->state.musicAgcGain[1]);
    }
    EXPECT_LT(t.engine->state.musicAgcGain[0], 1.3f);

    TestEngine separate;
    for (int block = 0; block < 20; ++block) {
        std::vector<int16_t> copy = samples;
        separate.Run(copy, 2);
    }
    EXPECT_LT(separate.engine->state.musicAgcGain[0], 1.3f);
    EXPECT_GT(separate.engine->state.musicAgcGain[1], 1.3f);
}

TEST(EngineGains, AFullScaleSquareWaveDrivesTheBassCompressorDownByOnePercentPerFrame) {
    TestEngine t;
    t.Set("bassagc", 100);
    t.Set("phatt", 100);
    int32_t fallingFrames = 0;
    float previous = t.engine->state.bassCompGain;
    for (int32_t frame = 0; frame < 44100; ++frame) {
        const int16_t value = (frame / 200) % 2 ? 32767 : -32768;
        std::vector<int16_t> one = {value, value};
        t.Run(one, 2);
        const float gain = t.engine->state.bassCompGain;
        // Triggered frames fall by 1 %, the others rise by 0.01 % or settle by 0.01 %.
        if (gain == static_cast<float>(previous * 0.99)) {
            ++fallingFrames;
        } else {
            ASSERT_TRUE(gain == static_cast<float>(previous * 1.0001) ||
                        gain == static_cast<float>(previous * 0.9999));
        }
        previous = gain;
    }
    EXPECT_GT(fallingFrames, 10);
    EXPECT_LT(t.engine->state.bassCompGain, 1.0f);
}

TEST(EngineGains, TheSurroundSideArrivesSurroundDelayPlus199FramesLate) {
    for (const auto& [rate, delay] : {std::pair{44100, 999}, std::pair{48000, 1087}, std::pair{22050, 499}}) {
        TestEngine dry;
        TestEngine wet;
        dry.Set("prologic", 0);
        wet.Set("prologic", 100);
        std::vector<int16_t> a = StereoMusic(4000);
        std::vector<int16_t> b = a;
        dry.Run(a, 2, rate);
        wet.Run(b, 2, rate);
        const int32_t arrival = delay + 199;
        for (int32_t i = 0; i < 2 * arrival; ++i) ASSERT_EQ(a[i], b[i]) << rate << " Hz, value " << i;
        EXPECT_NE(std::vector<int16_t>(a.begin() + 2 * arrival, a.begin() + 2 * arrival + 20),
                  std::vector<int16_t>(b.begin() + 2 * arrival, b.begin() + 2 * arrival + 20));
    }
}

TEST(EngineGains, SurroundAboveTheRingsCapacityStaysInsideTheRing) {
    TestEngine t;
    t.Set("prologic", 100);
    for (int block = 0; block < 20; ++block) {
        std::vector<int16_t> samples = StereoMusic(576, block * 576);
        t.Run(samples, 2, 192000);
        ASSERT_LE(t.engine->state.surroundRingPos, kMaxSurroundDelay);
    }
    // Back at 44,100 Hz a position beyond the shorter ring steps to 0.
    std::vector<int16_t> samples = StereoMusic(1);
    t.engine->state.surroundRingPos = 2000;
    t.Run(samples, 2);
    EXPECT_EQ(t.engine->state.surroundRingPos, 0);
}

TEST(EngineGains, FilteredWideMemoryDecaysBySevenTenthsPerFrameWithoutWidth) {
    TestEngine t;
    t.Set("3d", 0);
    t.Set("widefilt", 1);
    t.engine->state.wideMemory = 1.0f;
    std::vector<int16_t> one = {0, 0};
    t.Run(one, 2);
    EXPECT_EQ(t.engine->state.wideMemory, 0.7f);
    t.Run(one, 2);
    EXPECT_EQ(t.engine->state.wideMemory, static_cast<float>(0.7 * 0.7f));
}

TEST(EngineGains, TheSecondResonanceStageKeepsItsMemoryWhileSwitchedOff) {
    TestEngine t;
    t.Set("doubleresonance", 1);
    std::vector<int16_t> samples = StereoMusic(4410);
    t.Run(samples, 2);
    const float kept = t.engine->state.resonanceLp2[0];
    EXPECT_NE(kept, 0.0f);
    t.Set("doubleresonance", 0);
    samples = StereoMusic(4410, 4410);
    t.Run(samples, 2);
    EXPECT_EQ(t.engine->state.resonanceLp2[0], kept);
    t.Set("doubleresonance", 1);
    samples = StereoMusic(1, 8820);
    t.Run(samples, 2);
    EXPECT_NE(t.engine->state.resonanceLp2[0], kept);
}

TEST(EngineGains, HardPhattIgnoresNegativeExcursions) {
    // With soft clear only positive colour values above 0.7 pull the phatt gain down: an input
    // whose bass swings far negative and never positive leaves the gain rising toward 1.
    TestEngine t;
    t.Set("soft", 0);
    t.Set("phatt", 100);
    t.engine->state.phattGain = 0.5f;
    std::vector<int16_t> samples(2 * 4410);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(-30000 * std::fabs(std::sin(i * 0.002)));
    t.Run(samples, 2);
    EXPECT_GT(t.engine->state.phattGain, 0.5f);
}

}  // namespace
