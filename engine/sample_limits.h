#pragma once
// The 16-bit output range, the input scale and the two limiting operations.

#include <cstdint>

inline constexpr int32_t kSampleLow = -32766;
inline constexpr int32_t kSampleHigh = 32765;

// 1/32767 in single precision: a 16-bit sample times this enters the engine.
inline constexpr float kSampleIn = static_cast<float>(1.0 / 32767.0);

inline int32_t Clamp16(int32_t value) {
    if (value <= kSampleLow) return kSampleLow;
    if (value >= kSampleHigh) return kSampleHigh;
    return value;
}

// A frame's two values limited to the 16-bit output range.
struct LimitedPair {
    int16_t first;
    int16_t second;
};

// Like Clamp16, and counts every limited value, the exact limits included.
inline int32_t Clamp16Counted(int32_t value, int32_t& clipCount) {
    if (value <= kSampleLow) { ++clipCount; return kSampleLow; }
    if (value >= kSampleHigh) { ++clipCount; return kSampleHigh; }
    return value;
}

