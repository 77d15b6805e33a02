// velora.lv2 as a host runs it: loaded from the build's bundle, float buffers of 576 frames at
// 44,100 Hz with the default control values, the same music as the engine's benchmark.

#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <lv2/core/lv2.h>

#include <vector>

#include "bench/bench_music.h"
#include "lv2/plugin_ports.h"
#include "settings/engine_input_table.h"

namespace {

void Lv2PluginStereoBlocks(benchmark::State& state) {
    void* library = ::dlopen(VELORA_LV2_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        state.SkipWithError(::dlerror());
        return;
    }
    const auto descriptorAt = reinterpret_cast<LV2_Descriptor_Function>(::dlsym(library, "lv2_descriptor"));
    const LV2_Descriptor* descriptor = descriptorAt(0);
    const LV2_Feature* features[] = {nullptr};
    LV2_Handle plugin = descriptor->instantiate(descriptor, kRate, VELORA_LV2_BUNDLE, features);

    const PluginVariant& variant = PluginVariants()[0];
    std::vector<float> controls;
    for (const EngineInputInfo& input : EngineInputTable()) controls.push_back(static_cast<float>(input.defaultValue));
    float latency = 0, clipLevel = 0;
    for (size_t i = 0; i < controls.size(); ++i) {
        descriptor->connect_port(plugin, FirstControlPort(variant) + static_cast<uint32_t>(i), &controls[i]);
    }
    descriptor->connect_port(plugin, LatencyPort(variant), &latency);
    descriptor->connect_port(plugin, ClipLevelPort(variant), &clipLevel);

    // The host's buffers: each channel of the music on its own, and the outputs.
    const std::vector<int16_t> music = MakeMusic();
    std::vector<std::vector<float>> channels(2, std::vector<float>(music.size() / 2));
    for (size_t i = 0; i < music.size(); ++i) channels[i % 2][i / 2] = music[i] / 32768.0f;
    std::vector<std::vector<float>> outputs(2, std::vector<float>(kBlockFrames));
    for (int32_t channel = 0; channel < 2; ++channel) {
        descriptor->connect_port(plugin, AudioOutputPort(variant, channel), outputs[channel].data());
    }
    descriptor->activate(plugin);

    const size_t blocks = channels[0].size() / kBlockFrames;
    size_t next = 0;
    for (auto _ : state) {
        for (int32_t channel = 0; channel < 2; ++channel) {
            descriptor->connect_port(plugin, AudioInputPort(channel), channels[channel].data() + next * kBlockFrames);
        }
        descriptor->run(plugin, kBlockFrames);
        benchmark::DoNotOptimize(outputs[0].data());
        benchmark::DoNotOptimize(outputs[1].data());
        next = (next + 1) % blocks;
    }
    descriptor->cleanup(plugin);
    ::dlclose(library);

    const double frames = static_cast<double>(state.iterations()) * kBlockFrames;
    state.counters["frames_per_second"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["realtime_factor"] = benchmark::Counter(frames / kRate, benchmark::Counter::kIsRate);
}
BENCHMARK(Lv2PluginStereoBlocks)->MinTime(2.0);

}  // namespace
