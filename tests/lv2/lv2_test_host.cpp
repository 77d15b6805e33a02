#include "lv2_test_host.h"

#include <lilv/lilv.h>
#include <lv2/atom/atom.h>
#include <lv2/urid/urid.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>

namespace {

class UridMap {
public:
    UridMap() {
        map_.handle = this;
        map_.map = Map;
    }
    LV2_URID_Map* Feature() { return &map_; }
    LV2_URID Find(const char* uri) { return Map(this, uri); }

private:
    static LV2_URID Map(LV2_URID_Map_Handle handle, const char* uri) {
        auto& uris = static_cast<UridMap*>(handle)->uris_;
        return uris.emplace(uri, static_cast<LV2_URID>(uris.size() + 1)).first->second;
    }
    LV2_URID_Map map_{};
    std::map<std::string, LV2_URID> uris_;
};

struct World {
    LilvWorld* world = lilv_world_new();
    ~World() {
        nodes.clear();
        lilv_world_free(world);
    }
    LilvNode* Node(LilvNode* node) {
        nodes.emplace_back(node, lilv_node_free);
        return node;
    }
    std::vector<std::unique_ptr<LilvNode, void (*)(LilvNode*)>> nodes;
};

struct PresetTarget {
    const LilvPlugin* plugin;
    World* world;
    UridMap* urids;
    std::vector<float>* controls;
};

void SetPresetValue(const char* symbol, void* target, const void* value, uint32_t size, uint32_t type) {
    auto& preset = *static_cast<PresetTarget*>(target);
    const LilvPort* port =
        lilv_plugin_get_port_by_symbol(preset.plugin, preset.world->Node(lilv_new_string(preset.world->world, symbol)));
    if (port == nullptr) throw std::runtime_error(std::string("preset names an unknown port ") + symbol);
    float number = 0;
    if (type == preset.urids->Find(LV2_ATOM__Float) && size == sizeof(float)) {
        std::memcpy(&number, value, sizeof number);
    } else if (type == preset.urids->Find(LV2_ATOM__Double) && size == sizeof(double)) {
        double wide = 0;
        std::memcpy(&wide, value, sizeof wide);
        number = static_cast<float>(wide);
    } else if (type == preset.urids->Find(LV2_ATOM__Int) && size == sizeof(int32_t)) {
        int32_t whole = 0;
        std::memcpy(&whole, value, sizeof whole);
        number = static_cast<float>(whole);
    } else {
        throw std::runtime_error(std::string("preset value of unexpected type for ") + symbol);
    }
    (*preset.controls)[lilv_port_get_index(preset.plugin, port)] = number;
}

}  // namespace

Lv2Render RenderWithLilv(const Lv2RenderRequest& request, const std::vector<float>& samples) {
    World world;
    LilvWorld* lilv = world.world;
    for (const std::string& folder : request.bundleFolders) {
        lilv_world_load_bundle(lilv, world.Node(lilv_new_file_uri(lilv, nullptr, (folder + "/").c_str())));
    }
    const LilvPlugin* plugin = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(lilv),
                                                       world.Node(lilv_new_uri(lilv, request.pluginUri.c_str())));
    if (plugin == nullptr) throw std::runtime_error("plug-in not found: " + request.pluginUri);

    const uint32_t portCount = lilv_plugin_get_num_ports(plugin);
    std::vector<float> controls(portCount), minimum(portCount), maximum(portCount);
    lilv_plugin_get_port_ranges_float(plugin, minimum.data(), maximum.data(), controls.data());
    UridMap urids;
    if (!request.presetUri.empty()) {
        LilvNode* preset = world.Node(lilv_new_uri(lilv, request.presetUri.c_str()));
        lilv_world_load_resource(lilv, preset);
        LilvState* state = lilv_state_new_from_world(lilv, urids.Feature(), preset);
        if (state == nullptr) throw std::runtime_error("preset not found: " + request.presetUri);
        PresetTarget target{plugin, &world, &urids, &controls};
        lilv_state_emit_port_values(state, SetPresetValue, &target);
        lilv_state_free(state);
    }
    auto setValues = [&](const PortValues& values) {
        for (const auto& [symbol, value] : values) {
            const LilvPort* port =
                lilv_plugin_get_port_by_symbol(plugin, world.Node(lilv_new_string(lilv, symbol.c_str())));
            if (port == nullptr) throw std::runtime_error("unknown port " + symbol);
            controls[lilv_port_get_index(plugin, port)] = value;
        }
    };
    setValues(request.values);

    const LV2_Feature mapFeature{LV2_URID__map, urids.Feature()};
    const LV2_Feature* features[] = {&mapFeature, nullptr};
    Lv2Render render;
    LilvInstance* instance = lilv_plugin_instantiate(plugin, request.sampleRate, features);
    if (instance == nullptr) return render;
    render.instantiated = true;

    // One buffer per audio port, in port order; inputs and outputs told apart by their class.
    LilvNode* audioClass = world.Node(lilv_new_uri(lilv, LILV_URI_AUDIO_PORT));
    LilvNode* inputClass = world.Node(lilv_new_uri(lilv, LILV_URI_INPUT_PORT));
    std::vector<std::vector<float>> buffers(portCount);
    std::vector<uint32_t> inputs, outputs;
    for (uint32_t index = 0; index < portCount; ++index) {
        const LilvPort* port = lilv_plugin_get_port_by_index(plugin, index);
        if (lilv_port_is_a(plugin, port, audioClass)) {
            buffers[index].resize(request.blockFrames);
            lilv_instance_connect_port(instance, index, buffers[index].data());
            (lilv_port_is_a(plugin, port, inputClass) ? inputs : outputs).push_back(index);
        } else {
            lilv_instance_connect_port(instance, index, &controls[index]);
        }
    }
    const int32_t channels = request.channels;
    if (inputs.size() != static_cast<size_t>(channels) || outputs.size() != static_cast<size_t>(channels)) {
        throw std::runtime_error("the plug-in's audio ports do not match the channels");
    }
    const uint32_t latencyPort = lilv_plugin_get_latency_port_index(plugin);
    const LilvPort* clipPort = lilv_plugin_get_port_by_symbol(plugin, world.Node(lilv_new_string(lilv, "clip")));

    lilv_instance_activate(instance);
    const size_t frames = samples.size() / channels;
    render.samples.resize(samples.size());
    for (size_t done = 0; done < frames; done += request.blockFrames) {
        const size_t count = std::min<size_t>(request.blockFrames, frames - done);
        for (const auto& [frame, values] : request.changes) {
            if (frame == done) setValues(values);
        }
        for (int32_t channel = 0; channel < channels; ++channel) {
            for (size_t frame = 0; frame < count; ++frame) {
                buffers[inputs[channel]][frame] = samples[(done + frame) * channels + channel];
            }
        }
        lilv_instance_run(instance, static_cast<uint32_t>(count));
        if (request.emptyRuns) lilv_instance_run(instance, 0);
        for (int32_t channel = 0; channel < channels; ++channel) {
            for (size_t frame = 0; frame < count; ++frame) {
                render.samples[(done + frame) * channels + channel] = buffers[outputs[channel]][frame];
            }
        }
        if (done == 0) render.latency = controls[latencyPort];
        const float clipLevel = controls[lilv_port_get_index(plugin, clipPort)];
        render.peakClipLevel = std::max(render.peakClipLevel, clipLevel);
        render.clipLevels.emplace_back(done + count, clipLevel);
    }
    lilv_instance_deactivate(instance);
    lilv_instance_free(instance);
    return render;
}
