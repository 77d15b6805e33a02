#include <gtest/gtest.h>

#include <algorithm>

#include "controls/MyKnob2Blend.h"
#include "controls/MyKnob2Geometry.h"

namespace {

TEST(KnobGeometry, AngleAndValueMapOntoEachOtherOverThreeHundredDegrees) {
    const float perUnit = KnobDegreesPerUnit(0, 100);
    EXPECT_FLOAT_EQ(perUnit, 3.0f);
    EXPECT_EQ(KnobAngle(0, 0, perUnit), 240);
    EXPECT_EQ(KnobAngle(50, 0, perUnit), 90);
    EXPECT_EQ(KnobAngle(100, 0, perUnit), -60);
    EXPECT_EQ(KnobPositionFromAngle(240, 0, perUnit), 0);
    EXPECT_EQ(KnobPositionFromAngle(90, 0, perUnit), 50);
    EXPECT_EQ(KnobPositionFromAngle(-60, 0, perUnit), 100);
    // An offset range maps its own ends onto the same angles.
    const float offsetPerUnit = KnobDegreesPerUnit(-20, 40);
    EXPECT_EQ(KnobAngle(-20, -20, offsetPerUnit), 240);
    EXPECT_EQ(KnobAngle(40, -20, offsetPerUnit), -60);
    EXPECT_EQ(KnobPositionFromAngle(90, -20, offsetPerUnit), 10);
}

TEST(KnobGeometry, EmptyRangeHoldsThePointerAtTheMinEnd) {
    EXPECT_EQ(KnobDegreesPerUnit(7, 7), 0.0f);
    EXPECT_EQ(KnobAngle(7, 7, 0.0f), 240);
    EXPECT_EQ(KnobPositionFromAngle(90, 7, 0.0f), 7);
    EXPECT_EQ(KnobClampedPosition(50, 7, 7, 0.0f), 7);
}

TEST(KnobGeometry, HalvesRoundToTheEvenNeighbour) {
    // Two degrees per unit over 0..150.
    const float perUnit = KnobDegreesPerUnit(0, 150);
    EXPECT_EQ(KnobPositionFromAngle(239, 0, perUnit), 0);  // 0.5
    EXPECT_EQ(KnobPositionFromAngle(237, 0, perUnit), 2);  // 1.5
    EXPECT_EQ(KnobWheelTarget(0, 30), 0);                  // 0.5
    EXPECT_EQ(KnobWheelTarget(1, 30), 2);                  // 1.5
    EXPECT_EQ(KnobWheelTarget(10, 120), 12);               // one notch away from the user
    EXPECT_EQ(KnobWheelTarget(10, 60), 11);
    EXPECT_EQ(KnobWheelTarget(10, -120), 8);
}

TEST(KnobGeometry, ClampingKeepsValuesInsideTheRangeEitherWayRound) {
    const float perUnit = KnobDegreesPerUnit(0, 100);
    EXPECT_EQ(KnobClampedPosition(-1, 0, 100, perUnit), 0);
    EXPECT_EQ(KnobClampedPosition(130, 0, 100, perUnit), 100);
    const float reversed = KnobDegreesPerUnit(100, 0);
    EXPECT_LT(reversed, 0.0f);
    EXPECT_EQ(KnobClampedPosition(-5, 100, 0, reversed), 0);
    EXPECT_EQ(KnobClampedPosition(150, 100, 0, reversed), 100);
    EXPECT_EQ(KnobClampedPosition(30, 100, 0, reversed), 30);
}

TEST(KnobGeometry, MouseAngleAroundTheCentreWithTheDeadZoneSnapped) {
    // A 60 x 60 knob has its centre at (30, 30).
    EXPECT_EQ(KnobMouseAngle(30, 2, 60, 60), 90);    // straight above
    EXPECT_EQ(KnobMouseAngle(30, 30, 60, 60), 90);   // the centre itself counts as above
    EXPECT_EQ(KnobMouseAngle(30, 58, 60, 60), 240);  // straight below: the Min end
    EXPECT_EQ(KnobMouseAngle(31, 58, 60, 60), -60);  // just right of below: the Max end
    EXPECT_EQ(KnobMouseAngle(29, 58, 60, 60), 240);  // just left of below
    EXPECT_EQ(KnobMouseAngle(58, 30, 60, 60), 0);
    EXPECT_EQ(KnobMouseAngle(2, 30, 60, 60), 180);
    EXPECT_EQ(KnobMouseAngle(10, 50, 60, 60), 225);  // lower left, still live
    EXPECT_EQ(KnobMouseAngle(50, 50, 60, 60), -45);  // lower right, still live
}

TEST(KnobGeometry, PointerEndPointsForRadiusThirty) {
    const float perUnit = KnobDegreesPerUnit(0, 100);
    const KnobPointer middle = KnobPointerEnds(KnobAngle(50, 0, perUnit), 30);
    EXPECT_EQ(middle.outer, (KnobPoint{30, 8}));
    EXPECT_EQ(middle.inner, (KnobPoint{30, 21}));
    const KnobPointer low = KnobPointerEnds(KnobAngle(0, 0, perUnit), 30);
    EXPECT_EQ(low.outer, (KnobPoint{19, 49}));
    EXPECT_EQ(low.inner, (KnobPoint{26, 38}));
    const KnobPointer high = KnobPointerEnds(KnobAngle(100, 0, perUnit), 30);
    EXPECT_EQ(high.outer, (KnobPoint{41, 49}));
    EXPECT_EQ(high.inner, (KnobPoint{34, 38}));
}

TEST(KnobGeometry, SquareSideGrowthWinsOverShrinking) {
    EXPECT_EQ(KnobSquareSide(0, 40, 40), 40);    // the first size message
    EXPECT_EQ(KnobSquareSide(60, 80, 60), 80);   // wider
    EXPECT_EQ(KnobSquareSide(80, 40, 80), 40);   // narrower
    EXPECT_EQ(KnobSquareSide(60, 80, 50), 80);   // one grows, one shrinks: growth wins
    EXPECT_EQ(KnobSquareSide(59, 59, 59), 59);   // nothing to do
}

TEST(KnobBlend, OffsetColorAddsToEachStoredByteAndClamps) {
    EXPECT_EQ(OffsetColor(11382735, 20), 0x00C1C3E3u);
    EXPECT_EQ(OffsetColor(11382735, -20), 0x00999BBBu);
    EXPECT_EQ(OffsetColor(0x00FFFFFF, 50), 0x00FFFFFFu);
    EXPECT_EQ(OffsetColor(0x00FFFFFF, -50), 0x00CDCDCDu);
    EXPECT_EQ(OffsetColor(0x00000A14, -15), 0x00000005u);
    // A system colour reference is taken byte by byte, not resolved: 0xFF000002.
    EXPECT_EQ(OffsetColor(0xFF000002, 10), 0x000A0A0Cu);
}

TEST(KnobBlend, RowsMixByWeightWithTruncationAndCap) {
    std::uint8_t dest[6] = {0, 100, 255, 10, 20, 30};
    const std::uint8_t src[6] = {255, 0, 255, 11, 21, 31};
    BlendRow(dest, src, 2, 50);
    const std::uint8_t expected[6] = {127, 50, 255, 10, 20, 30};
    EXPECT_TRUE(std::equal(dest, dest + 6, expected));

    std::uint8_t opaque[3] = {1, 2, 3};
    const std::uint8_t face[3] = {200, 150, 100};
    BlendRow(opaque, face, 1, 100);
    EXPECT_EQ(opaque[0], 200);
    BlendRow(opaque, face, 1, 0);
    EXPECT_EQ(opaque[2], 100);

    // Weights beyond 100 are capped at 255 above and held at 0 below.
    std::uint8_t over[3] = {250, 0, 255};
    const std::uint8_t strong[3] = {255, 255, 0};
    BlendRow(over, strong, 1, 150);
    EXPECT_EQ(over[0], 255);
    EXPECT_EQ(over[1], 255);
    EXPECT_EQ(over[2], 0);
}

}  // namespace
