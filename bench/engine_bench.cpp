// The engine on 576-frame stereo blocks at 44,100 Hz with the default inputs, as the player
// delivers them. realtime_factor is seconds of audio per second of CPU.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/engine.h"
#include "settings/engine_input_table.h"

namespace {

constexpr int32_t kRate = 44100;
constexpr int32_t kBlockFrames = 576;

// Ten seconds of a bass line, a chord and noise, different on the two channels.
std::vector<int16_t> MakeMusic() {
    const int32_t frames = kRate * 10;
    std::vector<int16_t> samples(static_cast<size_t>(frames) * 2);
    uint32_t noise = 12345;
    for (int32_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        noise = noise * 1664525u + 1013904223u;
        const double hiss = (static_cast<int32_t>(noise >> 16) - 32768) / 32768.0;
        const double bass = std::sin(2 * M_PI * 55 * t) * (0.5 + 0.5 * std::sin(2 * M_PI * 2 * t));
        const double chord = std::sin(2 * M_PI * 261.6 * t) + std::sin(2 * M_PI * 329.6 * t) +
                             std::sin(2 * M_PI * 392.0 * t);
        samples[2 * i] = static_cast<int16_t>(9000 * bass + 3000 * chord + 1500 * hiss);
        samples[2 * i + 1] = static_cast<int16_t>(9000 * bass + 2500 * chord - 1500 * hiss);
    }
    return samples;
}

void EngineStereoBlocks(benchmark::State& state) {
    const std::vector<int16_t> music = MakeMusic();
    auto engine = std::make_unique<Engine>();
    std::vector<int16_t> inputCopy(kInputCopyValues);
    engine->inputCopy = inputCopy.data();
    ApplyEngineInputDefaults(engine->inputs);

    std::vector<int16_t> block(kBlockFrames * 2);
    const size_t blocks = music.size() / block.size();
    size_t next = 0;
    for (auto _ : state) {
        std::memcpy(block.data(), music.data() + next * block.size(), block.size() * sizeof(int16_t));
        EngineRun(*engine, block.data(), kBlockFrames, 2, kRate);
        benchmark::DoNotOptimize(block.data());
        next = (next + 1) % blocks;
    }
    const double frames = static_cast<double>(state.iterations()) * kBlockFrames;
    state.counters["frames_per_second"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["realtime_factor"] = benchmark::Counter(frames / kRate, benchmark::Counter::kIsRate);
}
BENCHMARK(EngineStereoBlocks)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
