#pragma once
// The engine as a straight frame-by-frame model, for checking the engine against.

#include <cstdint>
#include <vector>

#include "engine/engine.h"

struct ReferenceEngine {
    EngineInputs inputs;
    EngineState state;
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
