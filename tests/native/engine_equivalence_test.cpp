// The engine's packed, restructured passes against the frame-by-frame model: every output
// sample, the scope ring and the clip statistics must agree bit for bit.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "engine/engine.h"
#include "settings/engine_input_table.h"
#include "tests/native/engine_reference.h"

namespace {

struct Pair {
    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
    std::unique_ptr<ReferenceEngine> reference = std::make_unique<ReferenceEngine>();
    std::vector<int16_t> inputCopy = std::vector<int16_t>(kInputCopyValues);

    Pair() { engine->inputCopy = inputCopy.data(); }

    void Set(const EngineInputInfo& info, int32_t value) {
        SetEngineInput(engine->inputs, info, value);
        SetEngineInput(reference->inputs, info, value);
    }
};

std::vector<int16_t> Signal(std::mt19937& random, int32_t values, int kind) {
    std::vector<int16_t> out(values);
    std::uniform_int_distribution<int> noise(-32768, 32767);
    for (int32_t i = 0; i < values; ++i) {
        switch (kind) {
            case 0: out[i] = static_cast<int16_t>(noise(random)); break;
            case 1: out[i] = (i / 37) % 2 ? 32767 : -32768; break;  // full-scale square
            case 2: out[i] = 0; break;
            default:
                out[i] = static_cast<int16_t>(12000 * std::sin(i * 0.013) + 6000 * std::sin(i * 0.31) +
                                              noise(random) / 16);
        }
    }
    return out;
}

void ExpectSameRun(Pair& pair, std::vector<int16_t> samples, int32_t frames, int32_t channels,
                   int32_t rate) {
    std::vector<int16_t> expected = samples;
    EngineRun(*pair.engine, samples.data(), frames, channels, rate);
    ReferenceRun(*pair.reference, expected.data(), frames, channels, rate);
    ASSERT_EQ(samples, expected) << frames << " frames, " << channels << " channels at " << rate;
    ASSERT_EQ(pair.engine->clipCount, pair.reference->clipCount);
    ASSERT_EQ(pair.engine->display.clipLevel.load(), pair.reference->clipLevel);
    ASSERT_EQ(pair.engine->scopeWritePos, pair.reference->scopeWritePos);
    ASSERT_EQ(pair.engine->display.scopeBlockStart.load(), pair.reference->scopeBlockStart);
    for (int32_t i = 0, pos = pair.reference->scopeBlockStart; i < 2 * frames && i < 4000; ++i) {
        ASSERT_EQ(pair.engine->display.scopeRing[pos + i].load(), pair.reference->scopeRing[pos + i]);
    }
}

TEST(EngineEquivalence, DefaultsOnMusicMatchTheModel) {
    Pair pair;
    ApplyEngineInputDefaults(pair.engine->inputs);
    ApplyEngineInputDefaults(pair.reference->inputs);
    std::mt19937 random(1);
    for (int block = 0; block < 200; ++block) {
        ExpectSameRun(pair, Signal(random, 576 * 2, 3), 576, 2, 44100);
    }
}

TEST(EngineEquivalence, RandomSettingsShapesAndRatesMatchTheModel) {
    Pair pair;
    std::mt19937 random(7);
    const auto table = EngineInputTable();
    const int32_t rates[] = {44100, 48000, 22050, 8000, 4410, 88200, 96000, 192000};
    const int32_t channelCounts[] = {2, 2, 2, 1, 6};
    for (int block = 0; block < 400; ++block) {
        for (int changes = 0; changes < 3; ++changes) {
            const EngineInputInfo& info = table[random() % table.size()];
            pair.Set(info, static_cast<int32_t>(random() % (info.maximum + 1)));
        }
        const int32_t rate = block % 50 < 40 ? 44100 : rates[random() % std::size(rates)];
        const int32_t channels = channelCounts[block / 20 % std::size(channelCounts)];
        const int32_t frames = block % 97 == 0 ? 0 : static_cast<int32_t>(random() % 1500);
        const int stored = channels == 2 ? 2 : channels;
        ExpectSameRun(pair, Signal(random, frames * stored, static_cast<int>(random() % 4)), frames,
                      channels, rate);
    }
}

TEST(EngineEquivalence, DecayIntoTinyValuesAfterMusicMatchesTheModel) {
    // Seconds of digital silence take every filter memory down through the smallest
    // single-precision values, where rounding works on fewer bits.
    Pair pair;
    ApplyEngineInputDefaults(pair.engine->inputs);
    ApplyEngineInputDefaults(pair.reference->inputs);
    pair.Set(*FindEngineInput("doubleresonance"), 1);
    pair.Set(*FindEngineInput("loudness"), 1);
    pair.Set(*FindEngineInput("widefilt"), 1);
    std::mt19937 random(5);
    ExpectSameRun(pair, Signal(random, 4410 * 2, 3), 4410, 2, 44100);
    for (int block = 0; block < 60; ++block) {
        ExpectSameRun(pair, Signal(random, 4410 * 2, 2), 4410, 2, 44100);
    }
    EXPECT_LT(std::fabs(pair.engine->state.hipassLp1[0]), 1e-30f);
}

TEST(EngineEquivalence, BlocksLargerThanTheScratchCopyMatchTheModel) {
    Pair pair;
    ApplyEngineInputDefaults(pair.engine->inputs);
    ApplyEngineInputDefaults(pair.reference->inputs);
    std::mt19937 random(3);
    ExpectSameRun(pair, Signal(random, 40000 * 2, 3), 40000, 2, 44100);
    ExpectSameRun(pair, Signal(random, 70000, 1), 70000, 1, 48000);
}

}  // namespace
