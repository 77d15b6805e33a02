#pragma once
// The engine as a straight frame-by-frame model, for checking the engine against.

#include <cstdint>
#include <vector>

#include "engine/engine.h"

// The carried state with one ring per channel.
struct ReferenceState {
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
    float bassRing[2][kLookAheadRing] = {};
    int32_t bassRingPos = 0;

    // Music channel.
    float hipassLp1[2] = {0, 0};
    float hipassLp2[2] = {0, 0};
    float musicAgcGain[2] = {1.3f, 1.3f};
    float surroundLp1[2] = {0, 0};
    float surroundLp2[2] = {0, 0};
    float surroundRing[2][kSurroundRing] = {};
    int32_t surroundRingPos = 0;
    float wideMemory = 0;
    float trebleLp1[2] = {0, 0};
    float trebleLp2[2] = {0, 0};
    float musicRing[2][kLookAheadRing] = {};
    int32_t musicRingPos = 0;
    float loudLowLp[2] = {0, 0};
    float loudHighLp[2] = {0, 0};
    float musicCompGain = 1.0f;
    float musicCompSmooth = 1.0f;
};

struct ReferenceEngine {
    EngineInputs inputs;
    ReferenceState state;
    std::vector<int16_t> scopeRing = std::vector<int16_t>(kScopeRingEntries);
    std::vector<int16_t> inputCopy = std::vector<int16_t>(kInputCopyValues);
    int32_t scopeWritePos = 0;
    int32_t scopeBlockStart = 0;
    int32_t blockSampleRate = 0;
    int32_t clipCount = 0;
    float clipRatio = 0;
    float clipLevel = 0;
};

void ReferenceRun(ReferenceEngine& engine, int16_t* samples, int32_t frames, int32_t channels,
                  int32_t sampleRate);
