#include <gtest/gtest.h>

#include <vector>

#include "controls/TextAnimColorCycle.h"
#include "controls/TextAnimLetters.h"

namespace {

std::vector<int> Start(TTextAnimStyle style, int letters, int maxStep) {
    std::mt19937 random(7);
    TextAnimLetterPhases phases;
    StartLetterPhases(phases, letters, style, maxStep, random);
    EXPECT_EQ(phases.directions, std::vector<signed char>(letters, 1));
    return phases.offsets;
}

TEST(TextAnimLetters, StartingOffsetsOfEachStyle) {
    EXPECT_EQ(Start(taWind, 4, 20), (std::vector<int>{0, 5, 10, 15}));
    EXPECT_EQ(Start(taWave, 4, 20), (std::vector<int>{0, 14, 20, 14}));
    EXPECT_EQ(Start(taAll, 3, 20), (std::vector<int>{0, 0, 0}));
    for (int offset : Start(taRandom, 50, 6)) {
        EXPECT_GE(offset, 0);
        EXPECT_LE(offset, 6);
    }
    EXPECT_TRUE(Start(taWind, 0, 20).empty());
}

TEST(TextAnimLetters, OffsetsReflectAtMaxStepAndAtZero) {
    std::mt19937 random(1);
    TextAnimLetterPhases phases;
    StartLetterPhases(phases, 4, taWind, 20, random);
    AdvanceLetterPhases(phases, 2, 20);
    EXPECT_EQ(phases.offsets, (std::vector<int>{2, 7, 12, 17}));
    AdvanceLetterPhases(phases, 2, 20);
    AdvanceLetterPhases(phases, 2, 20);
    EXPECT_EQ(phases.offsets[3], 19);  // 21 reflected from 20
    EXPECT_EQ(phases.directions[3], -1);
    AdvanceLetterPhases(phases, 2, 20);
    EXPECT_EQ(phases.offsets[3], 17);  // and shrinking from then on

    // Shrinking through zero turns round again.
    phases.offsets = {1};
    phases.directions = {-1};
    AdvanceLetterPhases(phases, 3, 20);
    EXPECT_EQ(phases.offsets[0], 2);
    EXPECT_EQ(phases.directions[0], 1);
}

TEST(TextAnimLetters, NoStepsKeepOffsetsStill) {
    std::mt19937 random(1);
    TextAnimLetterPhases phases;
    StartLetterPhases(phases, 3, taAll, 0, random);
    for (int tick = 0; tick < 5; ++tick) AdvanceLetterPhases(phases, 0, 0);
    EXPECT_EQ(phases.offsets, (std::vector<int>{0, 0, 0}));
}

TEST(TextAnimColorCycle, BlueToNavyRunsDownAndBackUp) {
    TextAnimColorCycle cycle;
    cycle.Setup(0xFF0000, 0x800000);  // RGB (0, 0, 255) and (0, 0, 128)
    EXPECT_EQ(cycle.MaxColorDelta(), 127);
    std::vector<int> blues;
    for (int letter = 0; letter < 130; ++letter) blues.push_back(cycle.Next() >> 16);
    EXPECT_EQ(blues[0], 255);
    EXPECT_EQ(blues[1], 254);
    EXPECT_EQ(blues[127], 128);
    EXPECT_EQ(blues[128], 129);
    EXPECT_EQ(blues[129], 130);
    // Back at the start colour after a full round, then down again.
    for (int letter = 130; letter < 254; ++letter) cycle.Next();
    EXPECT_EQ(cycle.Next() >> 16, 255u);
    EXPECT_EQ(cycle.Next() >> 16, 254u);
}

TEST(TextAnimColorCycle, ChannelsWithSmallerDeltasStopEarly) {
    TextAnimColorCycle cycle;
    cycle.Setup(0x0000FFFF, 0x000000FA);  // yellow to a red with a little less red
    EXPECT_EQ(cycle.MaxColorDelta(), 255);
    for (int letter = 0; letter < 5; ++letter)
        EXPECT_EQ(cycle.Next() & 0xFF, 255u - letter);
    for (int letter = 5; letter < 12; ++letter) {
        const std::uint32_t color = cycle.Next();
        EXPECT_EQ(color & 0xFF, 0xFAu) << letter;  // red reached its stop value and stays
        EXPECT_EQ((color >> 8) & 0xFF, 255u - letter);
    }
}

TEST(TextAnimColorCycle, EqualColoursKeepOneColourThroughTheWrap) {
    TextAnimColorCycle cycle;
    cycle.Setup(0x00123456, 0x00123456);
    EXPECT_EQ(cycle.MaxColorDelta(), 0);
    for (int letter = 0; letter < 600; ++letter) ASSERT_EQ(cycle.Next(), 0x00123456u);
}

}  // namespace
