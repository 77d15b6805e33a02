// The settings section into the controls and back. Loading moves every control one step away
// from its stored value and then onto it, so every change handler runs with the stored value
// even where the control already showed it; the oscilloscope's controls go straight to their
// stored values and apply them. The engine plays on meanwhile: the step away moves the controls
// only, never the engine's inputs, so a reload is never heard.

#include <climits>
#include <cstring>

#include "settings/engine_input_table.h"
#include "settings/settings_section.h"
#include "ui/simpleform.h"

namespace {

int32_t OneBelow(int32_t value) { return value == INT32_MIN ? value : value - 1; }

}  // namespace

void TForm_s::LoadSettings() {
    const auto inputs = EngineInputTable();
    for (const bool away : {true, false}) {
        steppingAway_ = away;
        for (int index = 0; index < kSliderCount; ++index) {
            const int32_t stored = Stored(inputs[index].key);
            trackBars_[index]->SetPosition(away ? OneBelow(stored) : stored);
        }
    }
    // A stored rate the slider already shows (4, where it rests from its construction) reports
    // nothing: the rate is applied all the same.
    TrackBar_t->SetPosition(Stored("timer"));
    TrackBar_tChange(TrackBar_t);
    Edit1->SetText(std::to_string(Stored("delay")));
    RefreshDelayField();
    // Ticked even for a moment, "Auto detection" would put the player's buffer length over the
    // delay the user chose: the box goes straight to its stored state, and detection runs only
    // when that state is on.
    const bool autoDetectStored = Stored("autodetect") != 0;
    if (CheckBox1->Checked() == autoDetectStored)
        CheckBox1Click(CheckBox1);
    else
        CheckBox1->SetChecked(autoDetectStored);
    const auto step = [this](TCheckBox* box, const char* key, bool away) {
        const int32_t stored = Stored(key);
        box->SetChecked(away ? stored != 1 : stored != 0);
    };
    for (const bool away : {true, false}) {
        steppingAway_ = away;
        for (const auto& [box, key] : PresetSwitches()) step(box, key, away);
    }
    CheckBox_i->SetChecked(Stored("inverted") != 0);
    // A control whose step away already reached the value it shows reported nothing on the way
    // back: its input takes what it shows.
    WriteInputsFromControls();
}

int32_t TForm_s::Stored(const char* key) const {
    return defaultsUnstored_ ? DefaultSetting(key) : ReadSetting(key);
}

void TForm_s::SaveSettings() {
    // The keys in the order of the defaults; "hidden" has moments of its own.
    for (const SettingsDefault& entry : SettingsDefaults()) {
        const char* key = entry.key;
        if (std::strcmp(key, "hidden") == 0) continue;
        int32_t value = 0;
        if (std::strcmp(key, "x") == 0) value = Left();
        else if (std::strcmp(key, "y") == 0) value = Top();
        else if (std::strcmp(key, "page") == 0) value = wheel.pageIndex;
        else if (std::strcmp(key, "timer") == 0) value = refreshRate;
        else if (std::strcmp(key, "delay") == 0) value = scopeDelay;
        else if (std::strcmp(key, "autodetect") == 0) value = autoDetect;
        else if (const EngineInputInfo* input = FindEngineInput(key)) value = GetEngineInput(inputs_, *input);
        WriteSetting(key, value);
    }
    WriteSetting(kMarkerKey, kMarkerValue);
}

void TForm_s::Generalreset1Click(TObject*) {
    defaultsUnstored_ = !WriteDefaults();
    SetBounds(Stored("x"), Stored("y"), Width(), Height());
    LoadSettings();
}
