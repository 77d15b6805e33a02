#pragma once
// Conversion of engine values to 16-bit samples and the two limiting operations.

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

// Like Clamp16, and counts every limited value, the exact limits included.
inline int32_t Clamp16Counted(int32_t value, int32_t& clipCount) {
    if (value <= kSampleLow) { ++clipCount; return kSampleLow; }
    if (value >= kSampleHigh) { ++clipCount; return kSampleHigh; }
    return value;
}

// v x 32766 truncated toward zero. Values far outside the 16-bit range (and a NaN) come back
// as the nearest limit beyond it, so the conversion itself never overflows.
inline int32_t ScaleToSample(float v) {
    const double scaled = static_cast<double>(v) * 32766.0;
    if (scaled > 65536.0) return 65536;
    if (!(scaled >= -65536.0)) return -65536;
    return static_cast<int32_t>(scaled);
}
