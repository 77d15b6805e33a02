#pragma once
// An engine at power-on with its own scratch copy, for the engine tests.

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/engine.h"
#include "settings/engine_input_table.h"

struct TestEngine {
    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
    std::vector<int16_t> copy = std::vector<int16_t>(kInputCopyValues);

    explicit TestEngine(bool defaults = true) {
        engine->inputCopy = copy.data();
        if (defaults) ApplyEngineInputDefaults(engine->inputs);
    }

    void Set(const char* key, int32_t value) { SetEngineInput(engine->inputs, *FindEngineInput(key), value); }

    void Run(std::vector<int16_t>& samples, int32_t channels, int32_t rate = 44100) {
        const int32_t stored = channels == 2 ? 2 : 1;
        EngineRun(*engine, samples.data(), static_cast<int32_t>(samples.size()) / stored, channels, rate);
    }

    float ClipLevel() const { return engine->display.clipLevel.load(); }
    int32_t ScopeBlockStart() const { return engine->display.scopeBlockStart.load(); }
    int16_t Scope(int32_t index) const { return engine->display.scopeRing[index].load(); }
};

// Interleaved stereo: a bass tone on both channels and different treble on each.
inline std::vector<int16_t> StereoMusic(int32_t frames, int32_t offset = 0) {
    std::vector<int16_t> samples(static_cast<size_t>(frames) * 2);
    for (int32_t i = 0; i < frames; ++i) {
        const double t = (i + offset) / 44100.0;
        const double bass = 9000 * std::sin(2 * M_PI * 60 * t);
        samples[2 * i] = static_cast<int16_t>(bass + 4000 * std::sin(2 * M_PI * 3000 * t));
        samples[2 * i + 1] = static_cast<int16_t>(bass + 3000 * std::sin(2 * M_PI * 5000 * t));
    }
    return samples;
}
