// The controls' change handlers: each slider and check box writes its engine input, and a knob
// and its slider keep each other in step. The exchange ends by itself because a slider reports
// only real changes and a knob only values it was not last given.

#include <algorithm>
#include <string>

#include "settings/engine_input_table.h"
#include "settings/shared_values.h"
#include "ui/delay_field.h"
#include "ui/output_buffer.h"
#include "ui/simpleform.h"

TMyKnob2* TForm_s::KnobOf(int sliderIndex) const {
    switch (sliderIndex + 1) {
    case 8: return MyKnob21;
    case 16: return MyKnob22;
    case 15: return MyKnob23;
    case 11: return MyKnob24;
    default: return nullptr;
    }
}

void TForm_s::TrackBarChange(TObject* sender) {
    const auto found = std::find(trackBars_.begin(), trackBars_.end(), sender);
    if (found == trackBars_.end()) return;
    const int index = static_cast<int>(found - trackBars_.begin());
    TTrackBar* slider = *found;
    if (!steppingAway_) SetEngineInput(inputs_, EngineInputTable()[index], slider->Position());
    if (TMyKnob2* knob = KnobOf(index)) knob->SetPosition(slider->Position());
    slider->SetHint(std::to_string(slider->Position()) + "%");
}

std::array<TCheckBox*, kSwitchCount> TForm_s::SwitchBoxes() const {
    return {CheckBox_double, CheckBox_soft, CheckBox_stereo, CheckBox_wf, CheckBox_loudness, CheckBox_i};
}

std::array<std::pair<TCheckBox*, const char*>, kSwitchCount - 1> TForm_s::PresetSwitches() const {
    return {{{CheckBox_double, "doubleresonance"},
             {CheckBox_stereo, "stereoagc"},
             {CheckBox_loudness, "loudness"},
             {CheckBox_wf, "widefilt"},
             {CheckBox_soft, "soft"}}};
}

void TForm_s::WriteInputsFromControls() {
    const auto inputs = EngineInputTable();
    for (int index = 0; index < kSliderCount; ++index)
        SetEngineInput(inputs_, inputs[index], trackBars_[index]->Position());
    const auto boxes = SwitchBoxes();
    for (int index = 0; index < kSwitchCount; ++index)
        SetEngineInput(inputs_, inputs[kSliderCount + index], boxes[index]->Checked());
}

void TForm_s::MyKnobChange(TObject* sender) {
    for (int index = 0; index < kSliderCount; ++index) {
        if (KnobOf(index) == sender) trackBars_[index]->SetPosition(KnobOf(index)->Position());
    }
}

void TForm_s::CheckBoxClick(TObject* sender) {
    const auto boxes = SwitchBoxes();
    const auto found = std::find(boxes.begin(), boxes.end(), sender);
    if (found == boxes.end() || steppingAway_) return;
    SetEngineInput(inputs_, EngineInputTable()[kSliderCount + (found - boxes.begin())], (*found)->Checked());
}

void TForm_s::TrackBar_tChange(TObject*) {
    const int rate = TrackBar_t->Position();
    Timer_osc->SetInterval(static_cast<unsigned>(1000.0 / rate));
    Label_osc->SetCaption(std::to_string(rate) + "fps");
    refreshRate = rate;
}

void TForm_s::RefreshDelayField() {
    scopeDelay = ScopeDelayFromText(Edit1->Text());
    Edit1->SetText(std::to_string(scopeDelay));
}

void TForm_s::CheckBox1Click(TObject*) {
    autoDetect = CheckBox1->Checked() ? 1 : 0;
    Edit1->SetEnabled(!CheckBox1->Checked());
    if (!CheckBox1->Checked()) return;
    const auto playerSetting = [](const char* section, const char* key, const char* fallback) {
        char text[101] = {};
        ::GetPrivateProfileStringA(section, key, fallback, text, sizeof text, settingsPath.c_str());
        return std::string(text);
    };
    if (const auto buffer = OutputBufferText(playerSetting)) Edit1->SetText(*buffer);
}
