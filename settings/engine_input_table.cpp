#include "settings/engine_input_table.h"

#include <array>

namespace {

constexpr EngineInputInfo Level(const char* key, int32_t defaultValue, const char* page, const char* control,
                                const char* caption, std::atomic<int32_t> EngineInputs::*level) {
    return {key, defaultValue, 100, page, control, caption, level, nullptr};
}

constexpr EngineInputInfo Switch(const char* key, int32_t defaultValue, const char* page, const char* control,
                                 const char* caption, std::atomic<bool> EngineInputs::*flag) {
    return {key, defaultValue, 1, page, control, caption, nullptr, flag};
}

const std::array<EngineInputInfo, kEngineInputCount> kTable = {{
    Level("bassagc", 50, "Bass", "TrackBar1", "AGC depth", &EngineInputs::bassagc),
    Level("basslopass", 60, "Bass", "TrackBar2", "Input range", &EngineInputs::basslopass),
    Level("bass3d", 50, "Bass", "TrackBar3", "Separation", &EngineInputs::bass3d),
    Level("phatt", 50, "Bass", "TrackBar4", "Phatt bass", &EngineInputs::phatt),
    Level("basscolor", 20, "Bass", "TrackBar5", "Color", &EngineInputs::basscolor),
    Level("bassresonance", 53, "Bass", "TrackBar6", "Resonant hipass", &EngineInputs::bassresonance),
    Level("basslim", 90, "Bass", "TrackBar7", "Compression", &EngineInputs::basslim),
    Level("bassout", 90, "Bass", "TrackBar8", "Output", &EngineInputs::bassout),
    Level("hipass", 0, "Music", "TrackBar9", "Input hipass", &EngineInputs::hipass),
    Level("agc", 80, "Music", "TrackBar10", "AGC depth", &EngineInputs::agc),
    Level("3d", 30, "Music", "TrackBar11", "Wide (3D)", &EngineInputs::wide3d),
    Level("prologic", 10, "Music", "TrackBar12", "Prologic surround", &EngineInputs::prologic),
    Level("comp", 0, "Music", "TrackBar13", "Compression", &EngineInputs::comp),
    Level("speed", 0, "Music", "TrackBar14", "Compression speed", &EngineInputs::speed),
    Level("treble", 10, "Music", "TrackBar15", "Treble", &EngineInputs::treble),
    Level("dry", 55, "Music", "TrackBar16", "Output", &EngineInputs::dry),
    Switch("doubleresonance", 0, "Bass", "CheckBox_double", "X2", &EngineInputs::doubleresonance),
    Switch("soft", 1, "Bass", "CheckBox_soft", "Soft", &EngineInputs::soft),
    Switch("stereoagc", 1, "Music", "CheckBox_stereo", "Stereo", &EngineInputs::stereoagc),
    Switch("widefilt", 0, "Music", "CheckBox_wf", "Filtered", &EngineInputs::widefilt),
    Switch("loudness", 0, "Music", "CheckBox_loudness", "Loudness", &EngineInputs::loudness),
    Switch("inverted", 0, "Settings", "CheckBox_i", "Inverted output", &EngineInputs::inverted),
}};

}  // namespace

std::span<const EngineInputInfo> EngineInputTable() { return kTable; }

const EngineInputInfo* FindEngineInput(std::string_view key) {
    for (const EngineInputInfo& info : kTable) {
        if (key == info.key) return &info;
    }
    return nullptr;
}

int32_t GetEngineInput(const EngineInputs& inputs, const EngineInputInfo& info) {
    if (info.IsSwitch()) return ReadInput(inputs.*info.flag) ? 1 : 0;
    return ReadInput(inputs.*info.level);
}

void SetEngineInput(EngineInputs& inputs, const EngineInputInfo& info, int32_t value) {
    if (info.IsSwitch()) {
        WriteInput(inputs.*info.flag, value != 0);
        return;
    }
    const int32_t clamped = value < 0 ? 0 : (value > info.maximum ? info.maximum : value);
    WriteInput(inputs.*info.level, clamped);
}

void ApplyEngineInputDefaults(EngineInputs& inputs) {
    for (const EngineInputInfo& info : kTable) SetEngineInput(inputs, info, info.defaultValue);
}
