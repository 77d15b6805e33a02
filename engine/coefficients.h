#pragma once
// Per-block gains and filter coefficients derived from the control values and the rate.

#include <cstdint>

#include "engine/engine_inputs.h"

// A one-pole section's coefficient with its complement, both in single precision; the
// complement is 1 - k computed from the stored k.
struct OnePole {
    float k = 0;
    float complement = 1;
};

// Everything a block needs besides the carried state, recomputed at every processed block.
struct BlockCoefficients {
    float rateFactor = 1;
    int32_t surroundDelay = 999;

    float bassAgcCeiling = 1;
    float bassSeparation = 0;
    float phattDrive = 0;
    float bassInputGain = 0;
    float bassCompDrive = 0;
    float resonanceDrive = 0;
    float colorGain = 0;
    float bassOutputGain = 0;

    float musicAgcCeiling = 1;
    float wideAmount = 0;
    float surroundAmount = 0;
    float trebleGain = 0;
    float musicCompDrive = 0;
    float compAttack = 0;
    float compRelease = 0;
    float musicOutputGain = 0;

    OnePole kBassIn, kBassLeak, kBassAgc, kBassDc;
    OnePole kColor1, kColor2, kColor3, kResonance1, kResonance2;
    OnePole kHipass, kSurround1, kSurround2, kTreble1, kTreble2, kLoudLow, kLoudHigh;
};

// The lowest rate at which every coefficient stays at or below 1.
inline constexpr int32_t kMinSampleRate = 4410;
// The surround ring holds 2,101 positions per channel, so its delay never exceeds 2,100.
inline constexpr int32_t kMaxSurroundDelay = 2100;

BlockCoefficients DeriveCoefficients(const EngineInputs& inputs, int32_t sampleRate);
