#pragma once
// The engine as the file processor runs it: power-on state, inputs set once, blocks in order.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "cli/input_assignment.h"
#include "engine/engine.h"

class Enhancer {
public:
    Enhancer(const StoredTexts& stored, std::span<const InputAssignment> assignments);

    // Enhances one block of interleaved 16-bit frames in place (mono or stereo).
    void Process(int16_t* samples, int32_t frames, int32_t channels, int32_t sampleRate);

private:
    std::unique_ptr<Engine> engine_;
    std::vector<int16_t> inputCopy_;
};
