#pragma once
// The LV2 plug-in's two variants and their ports: the audio inputs and outputs, the latency and
// clip meter outputs, one control input per engine input in the table's order, then the bypass
// switch. The plug-in, its description files and the converted presets all take them from here.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "settings/engine_input_table.h"

struct PluginVariant {
    const char* uri;
    const char* name;
    int32_t channels;        // 2, or 1 for the engine's one-value-per-frame path
    int32_t clipLevelMaximum;  // every frame makes four counted limits: up to 2 per stereo sample, 4 per mono
};

// The stereo plug-in first, then the mono one.
std::span<const PluginVariant> PluginVariants();

// Port indices: the inputs, the outputs, the latency, the clip meter, the 22 engine inputs, the
// bypass switch. The switch comes last so that the ports before it keep the indices they had
// before it came.
inline int32_t AudioInputPort(int32_t channel) { return channel; }
inline int32_t AudioOutputPort(const PluginVariant& variant, int32_t channel) { return variant.channels + channel; }
inline int32_t LatencyPort(const PluginVariant& variant) { return 2 * variant.channels; }
inline int32_t ClipLevelPort(const PluginVariant& variant) { return 2 * variant.channels + 1; }
inline int32_t FirstControlPort(const PluginVariant& variant) { return 2 * variant.channels + 2; }
inline int32_t EnabledPort(const PluginVariant& variant) {
    return FirstControlPort(variant) + static_cast<int32_t>(kEngineInputCount);
}
inline constexpr char kEnabledPortSymbol[] = "enabled";

// The clip meter takes the clipped share of fixed spans of this many frames of the stream, the
// player's usual block, whatever blocks the host hands over.
inline constexpr uint32_t kClipSpanFrames = 576;

// The audio ports' symbols and names: "in_l"/"Left in" ... for stereo, "in"/"In" for mono.
std::string AudioPortSymbol(const PluginVariant& variant, bool output, int32_t channel);
std::string AudioPortName(const PluginVariant& variant, bool output, int32_t channel);

// The URI of a port group of the variant: "in" and "out" for the audio, "bass", "music" and
// "settings" for the controls of each window page.
std::string PortGroupUri(const PluginVariant& variant, std::string_view group);
// The group of the control ports of a window page: the page's name in lower case.
std::string PageGroupSymbol(std::string_view page);

// A control port's symbol: the settings key, but "wide3d" for "3d", since a symbol must start
// with a letter.
std::string ControlPortSymbol(const EngineInputInfo& input);
// A control port's name: the window caption with its page in front ("Bass AGC depth",
// "Music AGC depth"), as the same caption appears on both pages and a host shows one list.
std::string ControlPortName(const EngineInputInfo& input);
