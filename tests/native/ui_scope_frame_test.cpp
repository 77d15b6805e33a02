// The oscilloscope's frame: its start in the scope ring, and its picture.

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "ui/scope_frame.h"

namespace {

constexpr int kWidth = 252;
constexpr int kHeight = 71;

TEST(ScopeFrame, StartsTheDelayLessOneTenthOfASecondBeforeTheLatestBlock) {
    struct Case {
        int32_t blockStart, rate, delay;
        bool sameBlockAsBefore;
        int32_t start;
    };
    const Case cases[] = {
        {5000, 44100, 100, false, 5000},
        // One second of frames (88,200 entries) earlier, wrapping below 0.
        {1000, 44100, 1100, false, 1000 - 88200 + 1000000},
        {200000, 44100, 1100, false, 200000 - 88200},
        {5000, 44100, 105, false, 5000 - 442},  // 220.5 frames: the frame holding the computed entry
        // Paused: the stretch 2 x W entries later, wrapping above 1,000,001.
        {5000, 44100, 100, true, 5000 + 2 * kWidth},
        {999900, 44100, 100, true, 999900 + 2 * kWidth - 1000000},
        {1000000, 48000, 100, true, 1000000 + 2 * kWidth - 1000000},
    };
    for (const Case& c : cases) {
        ScopeClock clock;
        clock.lastBlockStart = c.sameBlockAsBefore ? c.blockStart : c.blockStart + 2;
        EXPECT_EQ(clock.FrameStart(c.blockStart, c.rate, c.delay, kWidth), c.start)
            << c.blockStart << " " << c.rate << " " << c.delay;
        EXPECT_EQ(clock.lastBlockStart, c.blockStart);
    }
}

struct Picture {
    std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(kWidth * 3 * kHeight, 0xAA);
    ScopePicture View() { return {pixels.data(), kWidth, kHeight, kWidth * 3}; }
    std::uint32_t At(int x, int y) const {
        const std::uint8_t* p = &pixels[(y * kWidth + x) * 3];
        return p[2] << 16 | p[1] << 8 | p[0];
    }
};

TEST(ScopeFrame, AnyRateDelayOrWidthStartsAndDrawsInsideTheRing) {
    const auto display = std::make_unique<EngineDisplay>();
    Picture picture;
    const int32_t rates[] = {INT32_MIN, -1, 0, 1, 44100, 384000, INT32_MAX};
    const int32_t delays[] = {INT32_MIN, 0, 100, 10000, INT32_MAX};
    const int32_t blockStarts[] = {0, 2, 999998, 1000000};
    const int widths[] = {0, kWidth, INT32_MAX};
    for (int32_t rate : rates)
        for (int32_t delay : delays)
            for (int32_t blockStart : blockStarts)
                for (int width : widths)
                    for (bool paused : {false, true}) {
                        ScopeClock clock{paused ? blockStart : -1};
                        const int32_t start = clock.FrameStart(blockStart, rate, delay, width);
                        ASSERT_GE(start, 0);
                        ASSERT_LE(start, kScopeLastPair + 1) << rate << " " << delay << " " << width;
                        DrawScopeFrame(picture.View(), display->scopeRing, start);
                    }
}

TEST(ScopeFrame, DrawsGridAndBothChannelsAsSinglePixels) {
    const auto display = std::make_unique<EngineDisplay>();
    const int32_t start = 1000;
    // Column 0 shows two frames: first channel +16000 then full-scale negative; second channel
    // full-scale positive (one row below the picture), then silence. Column 1 starts with a
    // full-scale positive first channel. Every later sample is silent.
    display->scopeRing[start].store(16000);
    display->scopeRing[start + 1].store(32767);
    display->scopeRing[start + 2].store(-32768);
    display->scopeRing[start + 4].store(32767);
    Picture picture;
    DrawScopeFrame(picture.View(), display->scopeRing, start);

    const int mid = kHeight / 2;  // 35
    const struct {
        int x, y;
        std::uint32_t color;
    } expected[] = {
        {0, mid + 17, kScopeFirstColor},  // 16000 x 71 / 65565 = 17.3: positive lies below
        {0, 0, kScopeFirstColor},         // full-scale negative on the top row
        {1, kHeight - 1, kScopeFirstColor},  // full-scale positive on the bottom row
        {0, kHeight - 1, kScopeGridColor},
        {0, mid + 1, kScopeSecondColor},
        {5, mid, kScopeFirstColor},
        {5, mid + 1, kScopeSecondColor},
        {kWidth - 1, mid, kScopeFirstColor},
        {8, 0, kScopeGridColor},
        {kWidth - 4, 5, kScopeGridColor},
        {16, kHeight - 1, kScopeGridColor},
        {0, mid + 16, 0},
        {1, 1, 0},
        {kWidth - 1, kHeight - 2, 0},
    };
    for (const auto& e : expected) EXPECT_EQ(picture.At(e.x, e.y), e.color) << e.x << "," << e.y;
}

TEST(ScopeFrame, NoAudioYetGivesFlatTracesAtMidAndOneBelow) {
    const auto display = std::make_unique<EngineDisplay>();
    Picture picture;
    DrawScopeFrame(picture.View(), display->scopeRing, ScopeClock{}.FrameStart(0, 0, 1000, kWidth));
    for (int x = 0; x < kWidth; ++x) {
        int blue = 0, green = 0;
        for (int y = 0; y < kHeight; ++y) {
            blue += picture.At(x, y) == kScopeFirstColor;
            green += picture.At(x, y) == kScopeSecondColor;
        }
        ASSERT_EQ(blue, 1) << x;
        ASSERT_EQ(green, 1) << x;
        ASSERT_EQ(picture.At(x, kHeight / 2), kScopeFirstColor);
        ASSERT_EQ(picture.At(x, kHeight / 2 + 1), kScopeSecondColor);
    }
}

}  // namespace
