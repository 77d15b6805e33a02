#pragma once
// The audio engine: one block of interleaved 16-bit PCM in, the enhanced block out, in place.

#include <atomic>
#include <cstdint>

#include "engine/coefficients.h"
#include "engine/engine_inputs.h"
#include "engine/engine_state.h"

// The scratch copy of a block holds 65,535 bytes: at most 16,383 stereo or 32,767 mono frames
// at a time. Larger blocks are processed in pieces of that size.
inline constexpr int32_t kInputCopyBytes = 65535;
inline constexpr int32_t kInputCopyValues = kInputCopyBytes / 2;

// The oscilloscope ring: one pair of entries per frame, pairs at the even indices 0..1,000,000.
inline constexpr int32_t kScopeRingEntries = 1000006;
inline constexpr int32_t kScopeLastPair = 1000000;

// What the engine leaves for the window's timers. The window thread reads these at any moment
// without a lock; each value is one indivisible access of its natural width.
struct EngineDisplay {
    std::atomic<int16_t> scopeRing[kScopeRingEntries];
    std::atomic<int32_t> scopeBlockStart{0};
    std::atomic<int32_t> blockSampleRate{0};
    std::atomic<float> clipLevel{0.0f};
};

struct Engine {
    EngineInputs inputs;
    EngineState state;
    EngineDisplay display;
    int32_t scopeWritePos = 0;
    int32_t clipCount = 0;
    float clipRatio = 0;
    // The scratch copy of kInputCopyBytes that the bass pass works in; owned by the caller.
    int16_t* inputCopy = nullptr;
};

// Block entry: records the block's rate and where its first frame will land in the scope ring.
// Runs for every block, processed or not.
void EngineEnterBlock(Engine& engine, int32_t sampleRate);

// Processes one block of 16-bit samples in place. A block the engine cannot process (no buffer,
// negative frames, no channels, a rate below kMinSampleRate, or no scratch copy) is left as it is.
void EngineProcessBlock(Engine& engine, int16_t* samples, int32_t frames, int32_t channels,
                        int32_t sampleRate);

// Both steps at once, for callers without a bypass of their own (the file processor, tests).
inline void EngineRun(Engine& engine, int16_t* samples, int32_t frames, int32_t channels,
                      int32_t sampleRate) {
    EngineEnterBlock(engine, sampleRate);
    EngineProcessBlock(engine, samples, frames, channels, sampleRate);
}
