// The engine on 576-frame stereo blocks at 44,100 Hz with the default inputs, as the player
// delivers them, and the frame-by-frame model of the tests on the same blocks; the run ends with
// the ratio of the two speeds. realtime_factor is seconds of audio per second of CPU.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_music.h"
#include "engine/engine.h"
#include "settings/engine_input_table.h"
#include "tests/native/engine_reference.h"

namespace {

template <typename Processor, typename Run>
void StereoBlocks(benchmark::State& state, Processor& processor, Run run) {
    const std::vector<int16_t> music = MakeMusic();
    ApplyEngineInputDefaults(processor.inputs);
    std::vector<int16_t> block(kBlockFrames * 2);
    const size_t blocks = music.size() / block.size();
    size_t next = 0;
    for (auto _ : state) {
        std::memcpy(block.data(), music.data() + next * block.size(), block.size() * sizeof(int16_t));
        run(processor, block.data(), kBlockFrames, 2, kRate);
        benchmark::DoNotOptimize(block.data());
        next = (next + 1) % blocks;
    }
    const double frames = static_cast<double>(state.iterations()) * kBlockFrames;
    state.counters["frames_per_second"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["realtime_factor"] = benchmark::Counter(frames / kRate, benchmark::Counter::kIsRate);
}

void EngineStereoBlocks(benchmark::State& state) {
    auto engine = std::make_unique<Engine>();
    std::vector<int16_t> inputCopy(kInputCopyValues);
    engine->inputCopy = inputCopy.data();
    StereoBlocks(state, *engine, EngineRun);
}
BENCHMARK(EngineStereoBlocks)->MinTime(2.0);

void ModelStereoBlocks(benchmark::State& state) {
    auto model = std::make_unique<ReferenceEngine>();
    StereoBlocks(state, *model, ReferenceRun);
}
BENCHMARK(ModelStereoBlocks)->MinTime(2.0);

// The console report, keeping each benchmark's realtime factor for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> factors;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto factor = run.counters.find("realtime_factor");
            if (factor != run.counters.end()) factors[run.run_name.function_name] = factor->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto engine = reporter.factors.find("EngineStereoBlocks");
    const auto model = reporter.factors.find("ModelStereoBlocks");
    if (engine != reporter.factors.end() && model != reporter.factors.end() && model->second > 0) {
        std::printf("engine speed / model speed: %.2f\n", engine->second / model->second);
    }
    return 0;
}
