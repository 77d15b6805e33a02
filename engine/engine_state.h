#pragma once
// Everything the engine carries from one block to the next.

#include <cstdint>

inline constexpr int kLookAheadRing = 200;      // bass and music rings: 199 frames of delay
inline constexpr int kSurroundRing = 2101;      // surround ring: up to 2,100 frames of delay

// Filter memories, gains, delay rings and their positions. Index 0 is the first channel of a
// frame, index 1 the second; the rings hold one such pair per position. Set to the start
// values once and never reset.
struct EngineState {
    // Bass channel.
    float bassLp[2] = {0, 0};
    float bassDcLp[2] = {0, 0};
    float bassAgcLp[2] = {0, 0};
    float colorLp1[2] = {0, 0};
    float colorLp2[2] = {0, 0};
    float colorLp3[2] = {0, 0};
    float resonanceLp1[2] = {0, 0};
    float resonanceLp2[2] = {0, 0};
    float bassAgcGain = 1.0f;
    float phattGain = 1.0f;
    float bassCompGain = 1.0f;
    float bassCompSmooth1 = 1.0f;
    float bassCompSmooth2 = 1.0f;
    float bassRing[kLookAheadRing][2] = {};
    int32_t bassRingPos = 0;

    // Music channel.
    float hipassLp1[2] = {0, 0};
    float hipassLp2[2] = {0, 0};
    float musicAgcGain[2] = {1.3f, 1.3f};
    float surroundLp1[2] = {0, 0};
    float surroundLp2[2] = {0, 0};
    float surroundRing[kSurroundRing][2] = {};
    int32_t surroundRingPos = 0;
    float wideMemory = 0;
    float trebleLp1[2] = {0, 0};
    float trebleLp2[2] = {0, 0};
    float musicRing[kLookAheadRing][2] = {};
    int32_t musicRingPos = 0;
    float loudLowLp[2] = {0, 0};
    float loudHighLp[2] = {0, 0};
    float musicCompGain = 1.0f;
    float musicCompSmooth = 1.0f;
};
