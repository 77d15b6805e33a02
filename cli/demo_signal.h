#pragma once
// The built-in demo: ten seconds of a small stereo groove that shows what the enhancer does.
// A bass line an octave below the chords (for the bass channel to thicken), chords that move
// between the speakers and a hi-hat on the right (for the widening to spread).

#include <cstdint>
#include <vector>

inline constexpr int32_t kDemoSampleRate = 44100;
inline constexpr int32_t kDemoChannels = 2;
inline constexpr int32_t kDemoSeconds = 10;
inline constexpr int32_t kDemoFrames = kDemoSampleRate * kDemoSeconds;

// Interleaved stereo, kDemoFrames frames, peaking at half of full scale. Always the same.
std::vector<int16_t> RenderDemoSignal();
