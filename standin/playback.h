#pragma once
// Plays a recording through a started module the way the player does: the blocks go to the process
// entry from an audio thread of their own while the calling thread, the player's window thread,
// keeps dispatching its messages (the plug-in's windows and timers live on it).

#include <windows.h>

#include <cstdint>

#include "host/dsp_records.h"
#include "standin/block_feeder.h"
#include "standin/pcm_audio.h"

// A player starts its plug-ins before the user plays a song; the plug-in's window settles meanwhile
// (it reloads its settings just after it shows, moving every control away and back).
inline constexpr DWORD kStartToPlayMs = 500;

// Dispatches the calling thread's messages for a while, playing nothing.
void DispatchMessagesFor(DWORD milliseconds);

// Returns when the last block is through; rethrows a failure of the audio thread.
void PlayThroughModule(DspModule& module, PcmAudio& audio, int32_t blockFrames, BlockPace pace,
                       HWND playerWindow);
