#include "standin/block_feeder.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

void FeedBlocks(DspModule& module, PcmAudio& audio, int32_t blockFrames, BlockPace pace) {
    const auto playStart = std::chrono::steady_clock::now();
    const int32_t frames = audio.Frames();
    int32_t start = 0;
    while (start < frames) {
        const int32_t count = std::min(blockFrames, frames - start);
        if (pace == BlockPace::kRealtime) {
            const std::chrono::microseconds startInAudio(int64_t{start} * 1'000'000 / audio.sampleRate);
            const auto due = playStart + startInAudio;
            // The sleep may end up to a millisecond early where it counts in whole milliseconds.
            while (std::chrono::steady_clock::now() < due) std::this_thread::sleep_until(due);
        }
        int16_t* block = audio.samples.data() + static_cast<size_t>(start) * audio.channels;
        const int32_t played =
            module.ModifySamples(&module, block, count, 16, audio.channels, audio.sampleRate);
        if (played != count) {
            throw std::runtime_error("the plug-in gave back " + std::to_string(played) +
                                     " frames for a block of " + std::to_string(count));
        }
        start += count;
    }
}
