// velora.lv2: the engine as an LV2 plug-in, in stereo and in mono. The host's float samples go
// through the engine as 16-bit samples, in pieces that fit its scratch copy.

#include <lv2/core/lv2.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

#include "engine/coefficients.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "lv2/plugin_ports.h"
#include "lv2/port_values.h"
#include "lv2/sample_blocks.h"

namespace {

constexpr int32_t kMaxChannels = 2;
// The bass and music rings delay the output by the same number of frames at every rate.
constexpr float kLatencyFrames = kLookAheadRing - 1;

// Everything run() touches, allocated by instantiate: run() allocates nothing.
struct VeloraPlugin {
    const PluginVariant* variant = nullptr;
    int32_t sampleRate = 0;
    Engine engine;
    int16_t inputCopy[kInputCopyValues] = {};
    int16_t samples[kInputCopyValues] = {};  // the frames of one piece, interleaved
    const float* audioIn[kMaxChannels] = {};
    float* audioOut[kMaxChannels] = {};
    float* latency = nullptr;
    float* clipLevel = nullptr;
    const float* controls[kEngineInputCount] = {};
};

const PluginVariant* FindVariant(const char* uri) {
    for (const PluginVariant& variant : PluginVariants()) {
        if (std::strcmp(variant.uri, uri) == 0) return &variant;
    }
    return nullptr;
}

LV2_Handle Instantiate(const LV2_Descriptor* descriptor, double rate, const char*, const LV2_Feature* const*) {
    const PluginVariant* variant = FindVariant(descriptor->URI);
    // Below the engine's lowest rate it would pass the audio through untouched: refuse instead.
    if (variant == nullptr || !(rate >= kMinSampleRate) || rate > std::numeric_limits<int32_t>::max()) {
        return nullptr;
    }
    auto* plugin = new (std::nothrow) VeloraPlugin();
    if (plugin == nullptr) return nullptr;
    plugin->variant = variant;
    plugin->sampleRate = static_cast<int32_t>(std::lround(rate));
    plugin->engine.inputCopy = plugin->inputCopy;
    ApplyEngineInputDefaults(plugin->engine.inputs);
    return plugin;
}

void ConnectPort(LV2_Handle handle, uint32_t port, void* data) {
    VeloraPlugin& plugin = *static_cast<VeloraPlugin*>(handle);
    const PluginVariant& variant = *plugin.variant;
    const int32_t index = static_cast<int32_t>(port);
    if (index < variant.channels) {
        plugin.audioIn[index] = static_cast<const float*>(data);
    } else if (index < 2 * variant.channels) {
        plugin.audioOut[index - variant.channels] = static_cast<float*>(data);
    } else if (index == LatencyPort(variant)) {
        plugin.latency = static_cast<float*>(data);
    } else if (index == ClipLevelPort(variant)) {
        plugin.clipLevel = static_cast<float*>(data);
    } else if (index - FirstControlPort(variant) < static_cast<int32_t>(kEngineInputCount)) {
        plugin.controls[index - FirstControlPort(variant)] = static_cast<const float*>(data);
    }
}

// The engine from its power-on state, as a host expects after activation.
void Activate(LV2_Handle handle) {
    Engine& engine = static_cast<VeloraPlugin*>(handle)->engine;
    engine.state = EngineState();
    engine.clipCount = 0;
    engine.clipRatio = 0;
    engine.display.clipLevel.store(0.0f, std::memory_order_relaxed);
}

void ApplyControls(VeloraPlugin& plugin) {
    const std::span<const EngineInputInfo> table = EngineInputTable();
    for (size_t i = 0; i < kEngineInputCount; ++i) {
        if (plugin.controls[i] != nullptr) {
            SetEngineInput(plugin.engine.inputs, table[i], ControlToInput(*plugin.controls[i], table[i]));
        }
    }
}

void Run(LV2_Handle handle, uint32_t sampleCount) {
    VeloraPlugin& plugin = *static_cast<VeloraPlugin*>(handle);
    const int32_t channels = plugin.variant->channels;
    ApplyControls(plugin);
    EngineEnterBlock(plugin.engine, plugin.sampleRate);

    const uint32_t pieceFrames = kInputCopyValues / channels;
    for (uint32_t done = 0; done < sampleCount; done += pieceFrames) {
        const uint32_t count = sampleCount - done < pieceFrames ? sampleCount - done : pieceFrames;
        const float* in[kMaxChannels] = {};
        float* out[kMaxChannels] = {};
        for (int32_t channel = 0; channel < channels; ++channel) {
            in[channel] = plugin.audioIn[channel] + done;
            out[channel] = plugin.audioOut[channel] + done;
        }
        // The whole piece is read before any of it is written, as the host may hand one buffer
        // for both.
        ToPcm16Frames(in, channels, count, plugin.samples);
        EngineProcessBlock(plugin.engine, plugin.samples, static_cast<int32_t>(count), channels, plugin.sampleRate);
        FromPcm16Frames(plugin.samples, channels, count, out);
    }

    if (plugin.latency != nullptr) *plugin.latency = kLatencyFrames;
    if (plugin.clipLevel != nullptr) {
        // The level may dip just below 0 for one block before the next ratio replaces it.
        const float level = plugin.engine.display.clipLevel.load(std::memory_order_relaxed);
        *plugin.clipLevel = level > 0.0f ? level : 0.0f;
    }
}

void Cleanup(LV2_Handle handle) { delete static_cast<VeloraPlugin*>(handle); }

const void* ExtensionData(const char*) { return nullptr; }

const std::array<LV2_Descriptor, 2> kDescriptors = {{
    {PluginVariants()[0].uri, Instantiate, ConnectPort, Activate, Run, nullptr, Cleanup, ExtensionData},
    {PluginVariants()[1].uri, Instantiate, ConnectPort, Activate, Run, nullptr, Cleanup, ExtensionData},
}};

}  // namespace

extern "C" LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index) {
    return index < kDescriptors.size() ? &kDescriptors[index] : nullptr;
}
