// The engine's handling of whole blocks: what it leaves untouched, the delay rings, the scope
// ring and the clip meter.

#include <gtest/gtest.h>

#include <limits>

#include "tests/native/engine_harness.h"

namespace {

TEST(EngineBlock, BlocksTheEngineCannotProcessComeBackUntouched) {
    TestEngine t;
    const std::vector<int16_t> music = StereoMusic(576);
    struct Case { int32_t frames, channels, rate; } cases[] = {
        {-1, 2, 44100}, {576, 0, 44100}, {576, -2, 44100}, {576, 2, 0}, {576, 2, 4409}, {576, 2, -44100}};
    for (const Case& c : cases) {
        std::vector<int16_t> samples = music;
        EngineRun(*t.engine, samples.data(), c.frames, c.channels, c.rate);
        EXPECT_EQ(samples, music) << c.frames << " frames, " << c.channels << " channels at " << c.rate;
        EXPECT_EQ(t.engine->display.blockSampleRate.load(), c.rate);
    }
    EngineRun(*t.engine, nullptr, 576, 2, 44100);
    EXPECT_EQ(t.ClipLevel(), 0.0f);
    EXPECT_EQ(t.engine->scopeWritePos, 0);
}

TEST(EngineBlock, TheLowestRateIsProcessed) {
    TestEngine t;
    std::vector<int16_t> samples = StereoMusic(2000);
    const std::vector<int16_t> input = samples;
    t.Run(samples, 2, kMinSampleRate);
    EXPECT_NE(samples, input);
    for (int16_t s : samples) EXPECT_TRUE(s >= -32766 && s <= 32765);
}

TEST(EngineBlock, AZeroFrameBlockChangesNothingAndTheMeterStaysFinite) {
    TestEngine t;
    t.engine->display.clipLevel.store(0.25f);
    int16_t untouched[4] = {1, 2, 3, 4};
    EngineRun(*t.engine, untouched, 0, 2, 44100);
    EXPECT_EQ(untouched[0], 1);
    EXPECT_EQ(untouched[3], 4);
    EXPECT_EQ(t.engine->clipRatio, 0.0f);
    EXPECT_FLOAT_EQ(t.ClipLevel(), 0.249f);
    EXPECT_TRUE(std::isfinite(t.ClipLevel()));
}

TEST(EngineBlock, PowerOnOutputIsSilentUntilBothRingsHaveDelayedTheInput) {
    TestEngine t;
    std::vector<int16_t> samples = StereoMusic(576);
    t.Run(samples, 2);
    for (int i = 0; i < 2 * 199; ++i) ASSERT_EQ(samples[i], 0) << "value " << i;
    EXPECT_NE(samples[2 * 199] | samples[2 * 199 + 1] | samples[2 * 200], 0);
}

TEST(EngineBlock, TheScratchCopyHoldsTheBassResultAndBassOutZeroSilencesIt) {
    TestEngine t;
    t.Set("bassout", 0);
    for (int block = 0; block < 8; ++block) {
        std::vector<int16_t> samples = StereoMusic(576, block * 576);
        t.Run(samples, 2);
        for (int i = 0; i < 2 * 576; ++i) ASSERT_EQ(t.copy[i], 0);
    }
}

TEST(EngineBlock, EqualChannelsGiveAnEqualBassResultWhateverTheSeparation) {
    for (int32_t separation : {0, 35, 50, 100}) {
        TestEngine t;
        t.Set("bass3d", separation);
        for (int block = 0; block < 6; ++block) {
            std::vector<int16_t> samples = StereoMusic(576, block * 576);
            for (size_t i = 0; i < samples.size(); i += 2) samples[i + 1] = samples[i];
            t.Run(samples, 2);
            for (int i = 0; i < 576; ++i) ASSERT_EQ(t.copy[2 * i], t.copy[2 * i + 1]) << separation;
        }
    }
}

TEST(EngineBlock, BlocksLargerThanTheScratchCopyNeverWritePastIt) {
    TestEngine t;
    // The scratch copy holds exactly 65,535 bytes; a guard follows it.
    std::vector<int16_t> guarded(kInputCopyValues + 64, 0x5A5A);
    t.engine->inputCopy = guarded.data();
    std::vector<int16_t> stereo = StereoMusic(40000);
    t.Run(stereo, 2);
    std::vector<int16_t> mono(70000, 1000);
    t.Run(mono, 1);
    for (size_t i = kInputCopyValues; i < guarded.size(); ++i) ASSERT_EQ(guarded[i], 0x5A5A);
    // The scope start and the clip statistics describe the whole block.
    EXPECT_EQ(t.ScopeBlockStart(), 2 * 40000);
    EXPECT_EQ(t.engine->scopeWritePos, 2 * 40000 + 2 * 70000);
}

TEST(EngineBlock, MoreThanTwoChannelsProcessOnlyTheFirstFrameCountValues) {
    TestEngine t;
    const int32_t frames = 576;
    std::vector<int16_t> samples(static_cast<size_t>(frames) * 6);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>((i * 7919) % 20000 - 10000);
    const std::vector<int16_t> input = samples;
    for (int block = 0; block < 3; ++block) {
        std::vector<int16_t> next = input;
        EngineRun(*t.engine, next.data(), frames, 6, 44100);
        if (block == 2) samples = next;
    }
    EXPECT_NE(std::vector<int16_t>(samples.begin(), samples.begin() + frames),
              std::vector<int16_t>(input.begin(), input.begin() + frames));
    EXPECT_EQ(std::vector<int16_t>(samples.begin() + frames, samples.end()),
              std::vector<int16_t>(input.begin() + frames, input.end()));
}

TEST(EngineBlock, AMonoBlockCarriesTheSecondPathAndTheScopeBothPaths) {
    // With surround on, the first path adds the side signal and the second subtracts it, so
    // the two paths of a mono input differ; the buffer keeps the second.
    TestEngine mono;
    mono.Set("prologic", 100);
    mono.Set("inverted", 1);
    TestEngine stereo;
    stereo.Set("prologic", 100);
    stereo.Set("inverted", 1);
    for (int block = 0; block < 6; ++block) {
        std::vector<int16_t> single(576);
        std::vector<int16_t> doubled(2 * 576);
        const std::vector<int16_t> music = StereoMusic(576, block * 576);
        for (int i = 0; i < 576; ++i) single[i] = doubled[2 * i] = doubled[2 * i + 1] = music[2 * i];
        mono.Run(single, 1);
        stereo.Run(doubled, 2);
        for (int i = 0; i < 576; ++i) {
            ASSERT_EQ(single[i], doubled[2 * i + 1]) << "frame " << i;
            ASSERT_EQ(mono.Scope(mono.ScopeBlockStart() + 2 * i), doubled[2 * i]);
            ASSERT_EQ(mono.Scope(mono.ScopeBlockStart() + 2 * i + 1), doubled[2 * i + 1]);
        }
    }
}

TEST(EngineBlock, InvertedNegatesTheFirstChannelInBufferAndScopeOnly) {
    TestEngine plain;
    TestEngine inverted;
    inverted.Set("inverted", 1);
    for (int block = 0; block < 4; ++block) {
        std::vector<int16_t> a = StereoMusic(576, block * 576);
        std::vector<int16_t> b = a;
        plain.Run(a, 2);
        inverted.Run(b, 2);
        for (int i = 0; i < 576; ++i) {
            ASSERT_EQ(b[2 * i], -a[2 * i]);
            ASSERT_EQ(b[2 * i + 1], a[2 * i + 1]);
            ASSERT_EQ(inverted.Scope(inverted.ScopeBlockStart() + 2 * i), b[2 * i]);
        }
    }
}

TEST(EngineBlock, TheScopeRingWrapsAfter500001Frames) {
    TestEngine t;
    std::vector<int16_t> samples = StereoMusic(500001 - 7);
    t.Run(samples, 2);
    std::vector<int16_t> last = StereoMusic(7);
    t.Run(last, 2);
    EXPECT_EQ(t.engine->scopeWritePos, 0);
    EXPECT_EQ(t.Scope(kScopeLastPair), last[12]);
    EXPECT_EQ(t.Scope(kScopeLastPair + 1), last[13]);
    EXPECT_EQ(t.ScopeBlockStart(), 2 * (500001 - 7));
}

TEST(EngineBlock, TheClipLevelHoldsPeaksAndFallsByOneThousandthPerBlock) {
    TestEngine t;
    t.engine->display.clipLevel.store(0.5f);
    std::vector<int16_t> silence(2 * 576, 0);
    for (int block = 0; block < 499; ++block) {
        std::vector<int16_t> samples = silence;
        t.Run(samples, 2);
    }
    EXPECT_NEAR(t.ClipLevel(), 0.001, 1e-5);
    std::vector<int16_t> samples = silence;
    t.Run(samples, 2);
    EXPECT_NEAR(t.ClipLevel(), 0.0, 1e-5);
    // A level below zero is replaced by the next block's ratio.
    t.engine->display.clipLevel.store(-0.0005f);
    samples = silence;
    t.Run(samples, 2);
    EXPECT_EQ(t.ClipLevel(), 0.0f);
}

TEST(EngineBlock, TheClipRatioCountsEveryLimitedConversionAndSum) {
    // Full-scale square waves with every gain up drive the sums into the limits.
    TestEngine t;
    t.Set("bassout", 100);
    t.Set("dry", 100);
    t.Set("treble", 100);
    std::vector<int16_t> samples(2 * 4000);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = (i / 2 / 40) % 2 ? 32767 : -32768;
    t.Run(samples, 2);
    int32_t limited = 0;
    for (int16_t s : samples) limited += s == 32765 || s == -32766 || s == 32766;
    EXPECT_GT(limited, 0);
    EXPECT_GE(t.engine->clipCount, limited);
    EXPECT_EQ(t.engine->clipRatio, static_cast<float>(t.engine->clipCount / (2.0 * 4000)));
    EXPECT_EQ(t.ClipLevel(), t.engine->clipRatio);
}

}  // namespace
