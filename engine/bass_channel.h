#pragma once

#include <cstdint>

#include "engine/coefficients.h"
#include "engine/engine_inputs.h"
#include "engine/engine_state.h"

// Runs the bass channel over a piece of the scratch copy and overwrites every frame there with
// its 16-bit bass result, delayed by 199 frames. With stereo false the copy holds one value
// per frame, fed to both paths.
void BassPass(EngineState& state, const BlockCoefficients& c, const EngineInputs& inputs,
              int16_t* copy, int32_t frames, bool stereo);
