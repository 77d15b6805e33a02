#pragma once
// Hands a recording to a module's process entry block after block, in place, as the player's
// audio thread does.

#include <cstdint>

#include "host/dsp_records.h"
#include "standin/pcm_audio.h"

// When a block is handed over: as soon as the one before it is back, or, as a player does, no
// sooner than the block's start time in the audio, counted from the first block.
enum class BlockPace { kAtOnce, kRealtime };

// Blocks of blockFrames frames, the last one shorter. Throws std::runtime_error when the module
// gives back a block length other than the one it was handed.
void FeedBlocks(DspModule& module, PcmAudio& audio, int32_t blockFrames, BlockPace pace);
