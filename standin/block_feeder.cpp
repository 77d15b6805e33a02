#include "standin/block_feeder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

void FeedBlocks(DspModule& module, PcmAudio& audio, int32_t blockFrames) {
    const int32_t frames = audio.Frames();
    int32_t start = 0;
    while (start < frames) {
        const int32_t count = std::min(blockFrames, frames - start);
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
