#include "cli/enhancer.h"

Enhancer::Enhancer(const StoredTexts& stored, std::span<const InputAssignment> assignments)
    : engine_(std::make_unique<Engine>()), inputCopy_(kInputCopyValues) {
    engine_->inputCopy = inputCopy_.data();
    ApplyInputs(engine_->inputs, stored, assignments);
}

void Enhancer::Process(int16_t* samples, int32_t frames, int32_t channels, int32_t sampleRate) {
    EngineRun(*engine_, samples, frames, channels, sampleRate);
}
