// The 16-bit limits of the mix: the range is -32766..32765 and reaching a limit counts.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/channel_pair.h"
#include "engine/mix.h"
#include "engine/sample_limits.h"

namespace {

MixedFrame Mix(int32_t bassFirst, int32_t musicFirst, int32_t bassSecond, int32_t musicSecond,
               bool inverted, int32_t& clipCount) {
    return MixFrame(SamplePair::Of(bassFirst, bassSecond), SamplePair::Of(musicFirst, musicSecond), inverted,
                    clipCount);
}

TEST(EngineMix, SumsAtTheLimitsAreWrittenAsTheLimitsAndCounted) {
    int32_t clips = 0;
    MixedFrame out = Mix(30000, 2765, 30000, 2764, false, clips);
    EXPECT_EQ(out.first, 32765);
    EXPECT_EQ(out.second, 32764);
    EXPECT_EQ(clips, 1);

    clips = 0;
    out = Mix(-30000, -10000, -30000, -2766, false, clips);
    EXPECT_EQ(out.first, -32766);
    EXPECT_EQ(out.second, -32766);
    EXPECT_EQ(clips, 2);

    clips = 0;
    out = Mix(-32765, 0, 32766 * 2, 32766 * 2, false, clips);
    EXPECT_EQ(out.first, -32765);
    EXPECT_EQ(out.second, 32765);
    EXPECT_EQ(clips, 1);
}

TEST(EngineMix, InvertedNegatesOnlyTheFirstResultAfterLimiting) {
    int32_t clips = 0;
    const MixedFrame out = Mix(-30000, -10000, 100, 23, true, clips);
    EXPECT_EQ(out.first, 32766);
    EXPECT_EQ(out.second, 123);
    EXPECT_EQ(clips, 1);
}

TEST(EngineMix, ConversionsTruncateTowardZeroAndCountAtTheLimits) {
    int32_t out[2];
    auto convert = [&](double first, double second) {
        const ChannelPair scaled = ChannelPair::Of(first, second);
        const int counted = CountLimited(scaled);
        const SamplePair values = ToSamples(scaled);
        out[0] = values.First();
        out[1] = values.Second();
        return counted;
    };
    EXPECT_EQ(convert(1.9, -1.9), 0);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[1], -1);
    EXPECT_EQ(convert(32764.99, -32765.99), 0);
    EXPECT_EQ(out[0], 32764);
    EXPECT_EQ(out[1], -32765);
    EXPECT_EQ(convert(32765.0, -32766.0), 2);
    EXPECT_EQ(out[0], 32765);
    EXPECT_EQ(out[1], -32766);
    EXPECT_EQ(convert(1e30, -1e30), 2);
    EXPECT_EQ(out[0], 32765);
    EXPECT_EQ(out[1], -32766);
    EXPECT_EQ(convert(std::nan(""), 0.0), 1);
    EXPECT_EQ(out[0], -32766);
}

TEST(EngineMix, TheScalarLimitsMatchTheMix) {
    int32_t clips = 0;
    EXPECT_EQ(Clamp16(32765), 32765);
    EXPECT_EQ(Clamp16(32764), 32764);
    EXPECT_EQ(Clamp16(-40000), -32766);
    EXPECT_EQ(Clamp16Counted(32765, clips), 32765);
    EXPECT_EQ(Clamp16Counted(32764, clips), 32764);
    EXPECT_EQ(Clamp16Counted(-32766, clips), -32766);
    EXPECT_EQ(clips, 2);
}

}  // namespace
