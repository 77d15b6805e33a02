// Loads velora.lv2's library as a host does and runs both variants over a fixed signal, first
// with the default controls, then with every control at its maximum; the outputs and clip levels
// go raw into a file, to be compared between builds. The signal is integer arithmetic only, so
// every machine makes the same one.
//
// velora-lv2-raw-run LIBRARY BUNDLE/ OUTPUT

#include <dlfcn.h>
#include <lv2/core/lv2.h>

#include <cstdio>
#include <vector>

#include "lv2/plugin_ports.h"
#include "settings/engine_input_table.h"

int main(int argc, char** argv) {
    void* library = argc == 4 ? ::dlopen(argv[1], RTLD_NOW | RTLD_LOCAL) : nullptr;
    FILE* output = library != nullptr ? std::fopen(argv[3], "wb") : nullptr;
    if (output == nullptr) return 1;
    const auto descriptorAt = reinterpret_cast<LV2_Descriptor_Function>(::dlsym(library, "lv2_descriptor"));
    const int32_t kFrames = 1500;
    uint32_t noise = 1;
    for (uint32_t index = 0; index < PluginVariants().size(); ++index) {
        const PluginVariant& variant = PluginVariants()[index];
        const LV2_Descriptor* descriptor = descriptorAt(index);
        const LV2_Feature* features[] = {nullptr};
        LV2_Handle plugin = descriptor->instantiate(descriptor, 44100, argv[2], features);
        std::vector<float> controls;
        for (const EngineInputInfo& input : EngineInputTable()) controls.push_back(static_cast<float>(input.defaultValue));
        for (size_t i = 0; i < controls.size(); ++i) descriptor->connect_port(plugin, FirstControlPort(variant) + i, &controls[i]);
        float clipLevel = 0;
        descriptor->connect_port(plugin, ClipLevelPort(variant), &clipLevel);
        std::vector<std::vector<float>> in(variant.channels, std::vector<float>(kFrames));
        std::vector<std::vector<float>> out(variant.channels, std::vector<float>(kFrames));
        for (int32_t channel = 0; channel < variant.channels; ++channel) {
            descriptor->connect_port(plugin, AudioInputPort(channel), in[channel].data());
            descriptor->connect_port(plugin, AudioOutputPort(variant, channel), out[channel].data());
        }
        descriptor->activate(plugin);
        for (int32_t block = 0; block < 60; ++block) {
            if (block == 30) {
                for (size_t i = 0; i < controls.size(); ++i) controls[i] = static_cast<float>(EngineInputTable()[i].maximum);
            }
            for (int32_t frame = 0; frame < kFrames; ++frame) {
                for (int32_t channel = 0; channel < variant.channels; ++channel) {
                    noise = noise * 1664525u + 1013904223u;
                    const int32_t wave = (block * kFrames + frame) % 200 * (channel + 2) - 200 * (channel + 1);
                    in[channel][frame] = static_cast<float>(wave * 120 + static_cast<int32_t>(noise >> 19) - 4096) / 26000.0f;
                }
            }
            descriptor->run(plugin, kFrames);
            for (const std::vector<float>& channel : out) std::fwrite(channel.data(), sizeof(float), kFrames, output);
            std::fwrite(&clipLevel, sizeof clipLevel, 1, output);
        }
        descriptor->cleanup(plugin);
    }
    return std::fclose(output) == 0 ? 0 : 1;
}
