// The engine on 576-frame stereo blocks at 44,100 Hz with the default inputs, as the player
// delivers them. realtime_factor is seconds of audio per second of CPU.

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "bench/bench_music.h"
#include "engine/engine.h"
#include "settings/engine_input_table.h"

namespace {

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
