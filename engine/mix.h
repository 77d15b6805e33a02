#pragma once
// The mix of a frame: bass plus music, limited to the 16-bit output range and counted.

#include <cstdint>

#include "engine/channel_pair.h"

struct MixedFrame {
    int16_t first;
    int16_t second;
};

// Adds the two channels' bass and music samples, limits each sum with counting (the limits
// themselves count), and negates the first result when inverted.
inline MixedFrame MixFrame(SamplePair bass, SamplePair music, bool inverted, int32_t& clipCount) {
    const LimitedPair limited = LimitedSum(bass, music, clipCount);
    return {static_cast<int16_t>(inverted ? -limited.first : limited.first), limited.second};
}
