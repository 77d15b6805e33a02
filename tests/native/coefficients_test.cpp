#include <gtest/gtest.h>

#include "engine/coefficients.h"
#include "settings/engine_input_table.h"

namespace {

BlockCoefficients Derive(int32_t rate, void (*set)(EngineInputs&) = nullptr) {
    EngineInputs inputs;
    ApplyEngineInputDefaults(inputs);
    if (set) set(inputs);
    return DeriveCoefficients(inputs, rate);
}

TEST(Coefficients, RateFactorAndSurroundDelayAtTheCommonRates) {
    EXPECT_EQ(Derive(44100).rateFactor, 1.0f);
    EXPECT_EQ(Derive(44100).surroundDelay, 999);
    EXPECT_EQ(Derive(44100).kSurround2.k, static_cast<float>(1.0 / 30.0));
    EXPECT_EQ(Derive(22050).rateFactor, 0.5f);
    EXPECT_EQ(Derive(22050).surroundDelay, 499);
    EXPECT_EQ(Derive(48000).surroundDelay, 1087);
    EXPECT_EQ(Derive(88200).surroundDelay, 1998);
}

TEST(Coefficients, SurroundDelayNeverOutgrowsItsRing) {
    EXPECT_EQ(Derive(92745).surroundDelay, 2100);
    EXPECT_EQ(Derive(96000).surroundDelay, kMaxSurroundDelay);
    EXPECT_EQ(Derive(192000).surroundDelay, kMaxSurroundDelay);
}

TEST(Coefficients, DefaultCornersMatchTheirNominalDenominators) {
    const BlockCoefficients c = Derive(44100);
    EXPECT_FLOAT_EQ(1.0f / c.kBassIn.k, 64.0f);
    EXPECT_NEAR(1.0 / c.kBassLeak.k, 57.3, 0.05);
    EXPECT_EQ(c.kBassAgc.k, c.kBassLeak.k);
    EXPECT_NEAR(1.0 / c.kBassDc.k, 36840, 1);
    EXPECT_NEAR(1.0 / c.kColor1.k, 55.8, 0.05);
    EXPECT_NEAR(1.0 / c.kColor2.k, 20.3, 0.05);
    EXPECT_NEAR(1.0 / c.kResonance1.k, 19943, 1);
    EXPECT_NEAR(1.0 / c.kResonance2.k, 22792, 1);
    EXPECT_FLOAT_EQ(1.0f / c.kHipass.k, 30.0f);
    EXPECT_EQ(c.kTreble1.k, 0.25f);
    EXPECT_EQ(c.kTreble2.k, 0.5f);
    EXPECT_EQ(c.kLoudHigh.k, 0.5f);
    // The complement comes from the stored coefficient.
    EXPECT_EQ(c.kBassIn.complement, static_cast<float>(1.0 - static_cast<double>(c.kBassIn.k)));
}

TEST(Coefficients, DerivedValuesAtTheEndsOfTheirSliders) {
    auto separation = [](int v) {
        EngineInputs in;
        WriteInput(in.bass3d, v);
        return DeriveCoefficients(in, 44100).bassSeparation;
    };
    EXPECT_EQ(separation(0), -0.5f);
    EXPECT_EQ(separation(50), 0.5f);
    EXPECT_EQ(separation(100), 3.5f);

    const BlockCoefficients fullResonance = Derive(44100, [](EngineInputs& in) {
        WriteInput(in.bassresonance, 100);
    });
    const double co5 = 0.2 * 0.2 * 0.2 * 0.2 * 0.2;
    EXPECT_EQ(fullResonance.resonanceDrive,
              static_cast<float>((1.0 + 10.0 * co5) * fullResonance.bassCompDrive));

    const BlockCoefficients noColor = Derive(44100, [](EngineInputs& in) {
        WriteInput(in.basscolor, 0);
    });
    EXPECT_EQ(noColor.kColor1.k, static_cast<float>(1.0 / 20.0));

    const BlockCoefficients slow = Derive(44100);
    EXPECT_EQ(slow.compAttack, 0.997f);
    EXPECT_EQ(slow.compRelease, 1.00004f);

    const BlockCoefficients fullPhatt = Derive(44100, [](EngineInputs& in) {
        WriteInput(in.phatt, 100);
    });
    EXPECT_FLOAT_EQ(fullPhatt.phattDrive, 10.465625f);
}

}  // namespace
