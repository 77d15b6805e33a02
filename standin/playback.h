#pragma once
// Plays a recording through a started module the way the player does: the blocks go to the process
// entry from an audio thread of their own while the calling thread, the player's window thread,
// keeps dispatching its messages (the plug-in's windows and timers live on it).

#include <windows.h>

#include <cstdint>

#include "host/dsp_records.h"
#include "standin/block_feeder.h"
#include "standin/pcm_audio.h"

// Returns when the last block is through; rethrows a failure of the audio thread.
void PlayThroughModule(DspModule& module, PcmAudio& audio, int32_t blockFrames, BlockPace pace,
                       HWND playerWindow);
