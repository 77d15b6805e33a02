#pragma once

#include <cstdint>

#include "engine/engine.h"

// The second pass over a piece of a block: the music channel of every frame from the untouched
// input in `samples`, plus the bass result left in the scratch copy, limited, counted and
// written back into `samples` and the scope ring.
void MusicPass(Engine& engine, const BlockCoefficients& c, int16_t* samples, int32_t frames,
               bool stereo);
