#pragma once
// What the plug-in makes of a host's port values: float samples become the engine's 16-bit
// samples and come back as floats, control values become the engine's integers.

#include <cmath>
#include <cstdint>

#include "settings/engine_input_table.h"

// x × 32768 rounded to the nearest integer (ties to even) and clipped to the 16-bit range, so
// that a 16-bit sample read as s / 32768 comes back as s; not-a-number becomes 0.
inline int16_t FloatToPcm16(float x) {
    const float scaled = x * 32768.0f;
    if (scaled >= 32767.0f) return 32767;
    if (scaled > -32768.0f) return static_cast<int16_t>(std::lrintf(scaled));
    return scaled <= -32768.0f ? -32768 : 0;
}

inline float Pcm16ToFloat(int16_t sample) { return sample * (1.0f / 32768.0f); }

// A switch is on above 0, as LV2 reads a toggle; a level is rounded and held to its range
// (not-a-number gives 0).
inline int32_t ControlToInput(float value, const EngineInputInfo& input) {
    if (input.IsSwitch()) return value > 0.0f ? 1 : 0;
    if (!(value > 0.0f)) return 0;
    if (value >= static_cast<float>(input.maximum)) return input.maximum;
    return static_cast<int32_t>(std::lrintf(value));
}
