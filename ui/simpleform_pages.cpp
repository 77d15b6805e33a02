// The four pages' components at their places, with their captions, hints and fonts.

#include "settings/engine_input_table.h"
#include "ui/simpleform.h"
#include "ui/Unit_about.h"

namespace {

struct SliderPlace {
    const char* labelHint;
    int labelLeft, labelTop;
    int left, top;
};

// TrackBar1 to TrackBar16: the Bass page's eight, then the Music page's, each below its label.
const SliderPlace kSliderPlaces[kSliderCount] = {
    {"Automatic gain contol depth - maximum automatic amplification", 9, 3, 1, 17},
    {"Bandpass filter range", 9, 37, 1, 51},
    {"Mono->Stereo->Wide stereo ", 9, 71, 1, 85},
    {"Disttorsion", 9, 105, 1, 119},
    {"Lowpass filter after clipping", 137, 2, 129, 17},
    {"It's not an easy describable factor; it's something like this", 137, 37, 129, 51},
    {"Final bass signal compression, without disttorsions", 137, 70, 129, 85},
    {"Bass output value", 137, 105, 129, 119},
    {"Hipass filter frequency", 8, 2, 1, 15},
    {"Automatic gain contol depth - maximum automatic amplification", 8, 36, 1, 49},
    {"Normal, simple wide effect", 8, 70, 1, 83},
    {"Makes more natural the sound (if set below 40%). at full value, sounds artificial", 8, 104,
     1, 118},
    {"Normal compression", 136, 1, 129, 14},
    {"The fall speed of the compressor", 136, 35, 129, 49},
    {"High frequencies", 136, 69, 129, 83},
    {"The \"music\" channel output value", 136, 104, 129, 118},
};

TPanel* AddPage(TForm_s* form, int height) {
    auto* page = new TPanel(form);
    page->SetParent(form);
    page->SetBevelOuter(TPanelBevel::bvNone);
    page->SetColor(clSkyBlue);
    page->SetShowHint(true);
    page->SetBounds(0, 0, 266, height);
    return page;
}

TLabel* AddLabel(TForm_s* form, TWinControl* parent, int left, int top, const char* caption,
                 const char* hint = "") {
    auto* label = new TLabel(form);
    label->SetParent(parent);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    label->SetHint(hint);
    return label;
}

TMyKnob2* AddKnob(TForm_s* form, int left, int size, const char* hint, TColor line, TColor face) {
    auto* knob = new TMyKnob2(form);
    knob->SetParent(form->Panel1);
    knob->SetBounds(left, 6, size, size);
    knob->SetMax(100);
    knob->SetTransparency(0);
    knob->SetDifference(20);
    knob->SetLineColor(line);
    knob->SetKnob2Color(face);
    knob->SetTabStop(false);
    knob->SetHint(hint);
    knob->OnChange = TNotifyEvent(form, &TForm_s::MyKnobChange);
    return knob;
}

// A push button or check box with its caption and hint.
template <typename Control>
Control* AddCaptioned(TForm_s* form, TWinControl* parent, const char* caption, const char* hint,
                      RECT bounds) {
    auto* control = new Control(form);
    control->SetParent(parent);
    control->SetCaption(caption);
    control->SetHint(hint);
    control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    return control;
}

TCheckBox* AddSwitch(TForm_s* form, TWinControl* parent, const char* hint, RECT bounds,
                     const char* key) {
    const EngineInputInfo* input = FindEngineInput(key);
    TCheckBox* box = AddCaptioned<TCheckBox>(form, parent, input->caption, hint, bounds);
    box->SetName(input->control);
    box->OnClick = TNotifyEvent(form, &TForm_s::CheckBoxClick);
    return box;
}

TComboBox* AddPresetList(TForm_s* form, TWinControl* parent, RECT bounds) {
    auto* list = new TComboBox(form);
    list->SetParent(parent);
    list->SetSorted(true);
    list->SetHint("Select one");
    list->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    // The window's definition carries these until the list is first refreshed.
    for (const char* placeholder : {"1", "2", "3", "4"}) list->AddItem(placeholder);
    return list;
}

}  // namespace

void TForm_s::BuildMainPage() {
    Panel1 = AddPage(this, 114);
    auto* frame = new TBevel(this);
    frame->SetParent(Panel1);
    frame->SetShape(TBevelShape::bsFrame);
    frame->SetBounds(3, 3, 259, 83);
    MyKnob21 = AddKnob(this, 5, 60, "Bass", clRed, RGBColor(207, 175, 173));
    MyKnob22 = AddKnob(this, 69, 60, "Music", clBlack, RGBColor(190, 190, 190));
    MyKnob23 = AddKnob(this, 133, 59, "Treble", clBlue, RGBColor(172, 173, 208));
    MyKnob24 = AddKnob(this, 197, 59, "3D", clGreen, RGBColor(181, 200, 184));
    AddLabel(this, Panel1, 20, 67, "Bass");
    AddLabel(this, Panel1, 82, 67, "Music");
    AddLabel(this, Panel1, 146, 67, "Treble");
    AddLabel(this, Panel1, 220, 67, "3D");
    TLabel* presets = AddLabel(this, Panel1, 6, 91, "Presets", "Select one");
    presets->SetAutoSize(false);
    presets->Font().SetHeight(-16);
    presets->Font().SetStyle(fsBold);
    presets->SetBounds(6, 91, 62, 20);
    ComboBox1 = AddPresetList(this, Panel1, {72, 91, 187, 21});
    ComboBox1->OnDropDown = TNotifyEvent(this, &TForm_s::ComboBox1DropDown);
    ComboBox1->OnChange = TNotifyEvent(this, &TForm_s::ComboBox1Select);
}

void TForm_s::BuildSliderPages() {
    Panel2 = AddPage(this, 138);
    Panel3 = AddPage(this, 138);
    const auto inputs = EngineInputTable();
    for (int index = 0; index < kSliderCount; ++index) {
        const SliderPlace& place = kSliderPlaces[index];
        const bool bass = index < 8;
        TPanel* page = bass ? Panel2 : Panel3;
        AddLabel(this, page, place.labelLeft, place.labelTop, inputs[index].caption, place.labelHint);
        auto* slider = new TTrackBar(this);
        slider->SetName("TrackBar" + std::to_string(index + 1));
        slider->SetParent(page);
        slider->SetBounds(place.left, place.top, 129, bass ? 20 : 22);
        slider->SetTickMarks(false);
        slider->SetThumbLength(15);
        slider->SetFrequency(10);
        slider->SetRange(0, 100);
        // The resonance goes by single steps: its sound changes a lot from one to the next.
        slider->SetPageSize(inputs[index].level == &EngineInputs::bassresonance ? 1 : 10);
        slider->SetPosition(50);
        slider->OnChange = TNotifyEvent(this, &TForm_s::TrackBarChange);
        trackBars_[index] = slider;
    }
    CheckBox_double = AddSwitch(this, Panel2, "Double resonance", {222, 36, 33, 16}, "doubleresonance");
    CheckBox_soft = AddSwitch(this, Panel2, "Soft cut - less disttorsion", {69, 105, 44, 16}, "soft");
    CheckBox_stereo =
        AddSwitch(this, Panel3, "The AGC wors separate on each channel", {70, 36, 51, 13}, "stereoagc");
    CheckBox_wf = AddSwitch(this, Panel3, "It's nice", {68, 70, 59, 13}, "widefilt");
    CheckBox_loudness = AddSwitch(this, Panel3, "Simple enhancement", {193, 105, 67, 13}, "loudness");
}

void TForm_s::BuildSettingsPage() {
    Panel4 = AddPage(this, 138);
    auto* presets = new TGroupBox(this);
    presets->SetParent(Panel4);
    presets->SetCaption("Presets manager");
    presets->SetBounds(4, 0, 257, 41);
    presetbox = AddPresetList(this, presets, {8, 13, 124, 21});
    presetbox->OnDropDown = TNotifyEvent(this, &TForm_s::presetboxDropDown);
    presetbox->OnChange = TNotifyEvent(this, &TForm_s::presetboxSelect);
    Button1 = AddCaptioned<TButton>(this, presets, "Save as", "Save current settings", {142, 15, 51, 18});
    Button1->OnClick = TNotifyEvent(this, &TForm_s::Button1Click);
    Button2 = AddCaptioned<TButton>(this, presets, "Delete", "Delete selected preset", {198, 15, 51, 18});
    Button2->OnClick = TNotifyEvent(this, &TForm_s::Button2Click);

    Label_clip = AddLabel(this, Panel4, 17, 46, "Clip: 0%");
    Label_clip->SetAutoSize(false);
    Label_clip->Font().SetName("Lucida Console");
    Label_clip->Font().SetHeight(-16);
    Label_clip->Font().SetStyle(fsBold);
    Label_clip->SetBounds(17, 46, 88, 16);
    Button3 = AddCaptioned<TButton>(this, Panel4, "About", "Me!", {136, 49, 121, 32});
    Button3->OnClick = TNotifyEvent(this, &TForm_s::Button3Click);
    CheckBox_i = AddSwitch(this, Panel4, "Useful for quick phase checking", {12, 66, 93, 14}, "inverted");

    auto* scope = new TGroupBox(this);
    scope->SetParent(Panel4);
    scope->SetCaption("Oscilloscope");
    scope->SetBounds(5, 81, 255, 56);
    TrackBar_t = new TTrackBar(this);
    TrackBar_t->SetParent(scope);
    TrackBar_t->SetBounds(20, 15, 112, 19);
    TrackBar_t->SetTickMarks(false);
    TrackBar_t->SetThumbLength(15);
    TrackBar_t->SetRange(4, 80);
    TrackBar_t->OnChange = TNotifyEvent(this, &TForm_s::TrackBar_tChange);
    AddLabel(this, scope, 24, 37, "Refresh rate");
    Label_osc = AddLabel(this, scope, 88, 37, "80 fps");
    Label_osc->SetAutoSize(false);
    Label_osc->SetAlignment(TAlignment::taRightJustify);
    Label_osc->SetBounds(88, 37, 33, 13);
    const char* delayHint =
        "Here you can set manually the delay for the visualisation to be syncronised with the "
        "music when using non standard output plugins";
    AddLabel(this, scope, 145, 14, "Delay:", delayHint);
    Edit1 = new TEdit(this);
    Edit1->SetParent(scope);
    Edit1->SetMaxLength(4);
    Edit1->SetText("2000");
    Edit1->SetHint(delayHint);
    Edit1->SetBounds(177, 11, 31, 21);
    AddLabel(this, scope, 209, 14, "ms");
    CheckBox1 = AddCaptioned<TCheckBox>(this, scope, "Auto detection", "Detect buffer size from the ini file",
                                        {140, 35, 91, 14});
    CheckBox1->OnClick = TNotifyEvent(this, &TForm_s::CheckBox1Click);
}

void TForm_s::Button3Click(TObject*) { OpenAboutWindow(this); }
