#pragma once
// A whole recording of interleaved signed 16-bit PCM, mono or stereo.

#include <cstdint>
#include <vector>

struct PcmAudio {
    int32_t channels = 0;
    int32_t sampleRate = 0;
    std::vector<int16_t> samples;  // channels interleaved, frame after frame

    int32_t Frames() const {
        return channels > 0 ? static_cast<int32_t>(samples.size() / static_cast<size_t>(channels)) : 0;
    }
};
