// velora.lv2: the engine as an LV2 plug-in, in stereo and in mono. The host's float samples go
// through the engine as 16-bit samples, in pieces that end where the clip meter's spans end.

#include <lv2/core/lv2.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

#include "engine/coefficients.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "lv2/denormals_flushed.h"
#include "lv2/plugin_ports.h"
#include "lv2/port_values.h"
#include "lv2/sample_blocks.h"

namespace {

constexpr int32_t kMaxChannels = 2;
// The bass and music rings delay the output by the same number of frames at every rate.
constexpr int32_t kLatencyFrames = kLookAheadRing - 1;

// The input as it left the plug-in when bypassed: delayed by the reported latency, so that a
// host's compensation lines up either way.
struct BypassDelay {
    float ring[kMaxChannels][kLatencyFrames] = {};
    int32_t position = 0;
};

// The clip meter: the share of clipped samples in each span of kClipSpanFrames frames, holding
// each new peak and then falling by 0.001 per span.
struct ClipMeter {
    int32_t spanClips = 0;
    uint32_t spanFrames = 0;
    float level = 0;
};

// Everything run() touches, allocated by instantiate: run() allocates nothing.
struct VeloraPlugin {
    const PluginVariant* variant = nullptr;
    int32_t sampleRate = 0;
    Engine engine;
    int16_t inputCopy[kInputCopyValues] = {};
    int16_t samples[kMaxChannels * kClipSpanFrames] = {};  // the frames of one piece, interleaved
    float delayed[kMaxChannels][kClipSpanFrames] = {};     // the bypass output of one piece
    BypassDelay bypassDelay;
    ClipMeter clipMeter;
    bool enabled = true;   // as the last block left it
    bool started = false;  // whether a block ran since activation; the first takes the switch as it is
    const float* audioIn[kMaxChannels] = {};
    float* audioOut[kMaxChannels] = {};
    float* latency = nullptr;
    float* clipLevel = nullptr;
    const float* controls[kEngineInputCount] = {};
    const float* enabledSwitch = nullptr;
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
    } else if (index == EnabledPort(variant)) {
        plugin.enabledSwitch = static_cast<const float*>(data);
    } else if (index - FirstControlPort(variant) < static_cast<int32_t>(kEngineInputCount)) {
        plugin.controls[index - FirstControlPort(variant)] = static_cast<const float*>(data);
    }
}

// The engine from its power-on state, as a host expects after activation.
void Activate(LV2_Handle handle) {
    VeloraPlugin& plugin = *static_cast<VeloraPlugin*>(handle);
    plugin.engine.state = EngineState();
    plugin.bypassDelay = BypassDelay();
    plugin.clipMeter = ClipMeter();
    plugin.started = false;
}

void ApplyControls(VeloraPlugin& plugin) {
    const std::span<const EngineInputInfo> table = EngineInputTable();
    for (size_t i = 0; i < kEngineInputCount; ++i) {
        if (plugin.controls[i] != nullptr) {
            SetEngineInput(plugin.engine.inputs, table[i], ControlToInput(*plugin.controls[i], table[i]));
        }
    }
}

// Takes the piece's input into the delay ring and leaves the frames it pushes out in `delayed`.
void DelayInput(VeloraPlugin& plugin, const float* const* in, uint32_t count) {
    BypassDelay& delay = plugin.bypassDelay;
    const int32_t channels = plugin.variant->channels;
    for (uint32_t frame = 0; frame < count; ++frame) {
        for (int32_t channel = 0; channel < channels; ++channel) {
            plugin.delayed[channel][frame] = delay.ring[channel][delay.position];
            delay.ring[channel][delay.position] = in[channel][frame];
        }
        delay.position = delay.position + 1 == kLatencyFrames ? 0 : delay.position + 1;
    }
}

void CountClips(VeloraPlugin& plugin, uint32_t count) {
    ClipMeter& meter = plugin.clipMeter;
    meter.spanClips += plugin.engine.clipCount;
    meter.spanFrames += count;
    if (meter.spanFrames < kClipSpanFrames) return;
    const float ratio = static_cast<float>(meter.spanClips / (static_cast<double>(kClipSpanFrames) * plugin.variant->channels));
    const float fallen = meter.level > 0.001f ? meter.level - 0.001f : 0.0f;
    meter.level = ratio > fallen ? ratio : fallen;
    meter.spanClips = 0;
    meter.spanFrames = 0;
}

// The piece's output while the block crossfades: the share of the engine's output runs from
// 0 to 1 over the block when switching on and from 1 to 0 when switching off.
void WriteCrossfade(VeloraPlugin& plugin, float* const* out, uint32_t count, uint32_t blockStart, uint32_t blockFrames) {
    const int32_t channels = plugin.variant->channels;
    for (uint32_t frame = 0; frame < count; ++frame) {
        const float ramp = static_cast<float>(blockStart + frame + 1) / static_cast<float>(blockFrames);
        const float wetShare = plugin.enabled ? 1.0f - ramp : ramp;
        for (int32_t channel = 0; channel < channels; ++channel) {
            const float dry = plugin.delayed[channel][frame];
            const float wet = Pcm16ToFloat(plugin.samples[frame * channels + channel]);
            out[channel][frame] = dry + wetShare * (wet - dry);
        }
    }
}

void Run(LV2_Handle handle, uint32_t sampleCount) {
    const DenormalsFlushed denormalsFlushed;
    VeloraPlugin& plugin = *static_cast<VeloraPlugin*>(handle);
    const int32_t channels = plugin.variant->channels;
    ApplyControls(plugin);
    EngineEnterBlock(plugin.engine, plugin.sampleRate);
    const bool enable = plugin.enabledSwitch == nullptr || *plugin.enabledSwitch > 0.0f;
    if (!plugin.started) plugin.enabled = enable;
    plugin.started = true;

    for (uint32_t done = 0; done < sampleCount;) {
        const uint32_t spanLeft = kClipSpanFrames - plugin.clipMeter.spanFrames;
        const uint32_t count = sampleCount - done < spanLeft ? sampleCount - done : spanLeft;
        const float* in[kMaxChannels] = {};
        float* out[kMaxChannels] = {};
        for (int32_t channel = 0; channel < channels; ++channel) {
            in[channel] = plugin.audioIn[channel] + done;
            out[channel] = plugin.audioOut[channel] + done;
        }
        // The whole piece is read before any of it is written, as the host may hand one buffer
        // for both.
        DelayInput(plugin, in, count);
        ToPcm16Frames(in, channels, count, plugin.samples);
        EngineProcessBlock(plugin.engine, plugin.samples, static_cast<int32_t>(count), channels, plugin.sampleRate);
        CountClips(plugin, count);
        if (enable != plugin.enabled) {
            WriteCrossfade(plugin, out, count, done, sampleCount);
        } else if (enable) {
            FromPcm16Frames(plugin.samples, channels, count, out);
        } else {
            for (int32_t channel = 0; channel < channels; ++channel) {
                std::memcpy(out[channel], plugin.delayed[channel], count * sizeof(float));
            }
        }
        done += count;
    }
    if (sampleCount > 0) plugin.enabled = enable;

    if (plugin.latency != nullptr) *plugin.latency = kLatencyFrames;
    if (plugin.clipLevel != nullptr) *plugin.clipLevel = plugin.clipMeter.level;
}

void Cleanup(LV2_Handle handle) { delete static_cast<VeloraPlugin*>(handle); }

const void* ExtensionData(const char*) { return nullptr; }

const std::array<LV2_Descriptor, 2> kDescriptors = {{
    {PluginVariants()[0].uri, Instantiate, ConnectPort, Activate, Run, nullptr, Cleanup, ExtensionData},
    {PluginVariants()[1].uri, Instantiate, ConnectPort, Activate, Run, nullptr, Cleanup, ExtensionData},
}};

}  // namespace

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index) {
    return index < kDescriptors.size() ? &kDescriptors[index] : nullptr;
}
