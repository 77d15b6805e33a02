#pragma once
// What the benchmarks play: stereo at 44,100 Hz in the blocks the player hands over.

#include <cstdint>
#include <vector>

inline constexpr int32_t kRate = 44100;
inline constexpr int32_t kBlockFrames = 576;

// Ten seconds of a bass line, a chord and noise, different on the two channels; interleaved.
std::vector<int16_t> MakeMusic();
