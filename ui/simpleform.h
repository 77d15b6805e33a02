#pragma once
// The control window: four pages on a turning wheel (Main, Bass, Music, Settings) below a strip
// with "Previous", "Next" and the page's animated name, the scope panel under the current page,
// and the controls that drive the engine's inputs and keep them in the settings section.

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "controls/BitButton.h"
#include "controls/CoolTrayIcon.h"
#include "controls/MyKnob2.h"
#include "controls/TextAnim.h"
#include "engine/engine.h"
#include "toolkit/bevel.h"
#include "toolkit/bitmap.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/icon.h"
#include "toolkit/label.h"
#include "toolkit/paint_box.h"
#include "toolkit/panel.h"
#include "toolkit/popup_menu.h"
#include "toolkit/save_dialog.h"
#include "toolkit/timer.h"
#include "toolkit/track_bar.h"
#include "ui/page_wheel.h"
#include "ui/scope_frame.h"

inline constexpr int kSliderCount = 16;
inline constexpr int kSwitchCount = 6;

class TForm_s : public TForm {
public:
    // The window writes the inputs, shows the display values, and lets a close through only
    // while the engine is stopping.
    TForm_s(EngineInputs& inputs, const EngineDisplay& display, const std::atomic<bool>& stopping);
    ~TForm_s() override;

    // TrackBar1 to TrackBar16.
    TTrackBar* TrackBar(int number) const { return trackBars_[number - 1]; }

    TBitButton* BitButton1 = nullptr;
    TBevel* Bevel1 = nullptr;
    TTextAnimator* TextAnimator1 = nullptr;
    TBitButton* BitButton2 = nullptr;
    TPanel* Panel1 = nullptr;  // Main
    TPanel* Panel2 = nullptr;  // Bass
    TPanel* Panel3 = nullptr;  // Music
    TPanel* Panel4 = nullptr;  // Settings
    TPanel* Panel_osc = nullptr;
    TPaintBox* osc = nullptr;
    TTimer* Timer_osc = nullptr;
    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;
    TTimer* Timer3 = nullptr;
    TTimer* Timer_anim = nullptr;
    TTimer* Timer_show = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TCoolTrayIcon* CoolTrayIcon1 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* Generalreset1 = nullptr;  // "Reset All"

    TMyKnob2* MyKnob21 = nullptr;  // Bass
    TMyKnob2* MyKnob22 = nullptr;  // Music
    TMyKnob2* MyKnob23 = nullptr;  // Treble
    TMyKnob2* MyKnob24 = nullptr;  // 3D
    TComboBox* ComboBox1 = nullptr;

    TCheckBox* CheckBox_double = nullptr;
    TCheckBox* CheckBox_soft = nullptr;
    TCheckBox* CheckBox_stereo = nullptr;
    TCheckBox* CheckBox_wf = nullptr;
    TCheckBox* CheckBox_loudness = nullptr;
    TCheckBox* CheckBox_i = nullptr;

    TComboBox* presetbox = nullptr;
    TButton* Button1 = nullptr;  // "Save as"
    TButton* Button2 = nullptr;  // "Delete"
    TButton* Button3 = nullptr;  // "About"
    TLabel* Label_clip = nullptr;
    TTrackBar* TrackBar_t = nullptr;
    TLabel* Label_osc = nullptr;
    TEdit* Edit1 = nullptr;
    TCheckBox* CheckBox1 = nullptr;

    PageWheel wheel;
    int32_t shownPage = -2;
    // The oscilloscope's settings: frames per second, delay in ms, delay from the player's ini.
    int32_t refreshRate = 0;
    int32_t scopeDelay = 0;
    int32_t autoDetect = 0;
    // Where the oscilloscope's latest frame started in the scope ring, and the frame's picture,
    // drawn off screen and copied to the paint box in one go.
    ScopeClock scopeClock;
    int32_t scopeStart = 0;
    TBitmap scopeBitmap;

    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormHide(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormDestroy(TObject* sender);

    void BitButton1Click(TObject* sender);
    void BitButton2Click(TObject* sender);
    void Timer_animTimer(TObject* sender);
    void Timer_oscTimer(TObject* sender);
    void Timer3Timer(TObject* sender);
    void Timer1Timer(TObject* sender);
    void Timer2Timer(TObject* sender);
    void Timer_showTimer(TObject* sender);
    void CoolTrayIcon1Click(TObject* sender);
    void CoolTrayIcon1BalloonHintClick(TObject* sender);

    // The sixteen sliders' handler, the four knobs' and the six switches'.
    void TrackBarChange(TObject* sender);
    void MyKnobChange(TObject* sender);
    void CheckBoxClick(TObject* sender);
    void TrackBar_tChange(TObject* sender);
    void CheckBox1Click(TObject* sender);

    // Every control from the settings section, each moved away and back so its handler runs.
    void LoadSettings();
    void SaveSettings();
    // "Reset All": the defaults into the section, the window and the controls.
    void Generalreset1Click(TObject* sender);

    void presetboxDropDown(TObject* sender);
    void ComboBox1DropDown(TObject* sender);
    void presetboxSelect(TObject* sender);
    void ComboBox1Select(TObject* sender);
    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
    void Button3Click(TObject* sender);
    // What "Save as" does once the dialog is closed: write the preset when a name was
    // confirmed, refresh both lists, select the dialog's file among them and apply it.
    void SaveAsChosen(bool confirmed);

private:
    void BuildStrip();
    void BuildMainPage();
    void BuildSliderPages();
    void BuildSettingsPage();
    void BuildTrayIcon();
    void PlacePages();
    void PlaceScope(const ScopePlace& place);
    // The delay field's text taken as scopeDelay, clamped, and written back.
    void RefreshDelayField();
    void RefreshPresetLists();
    TMyKnob2* KnobOf(int sliderIndex) const;
    // The six switches' check boxes, in the order of the table of engine inputs.
    std::array<TCheckBox*, kSwitchCount> SwitchBoxes() const;
    // The five switches a preset holds, with their keys, in the order they are restored.
    std::array<std::pair<TCheckBox*, const char*>, kSwitchCount - 1> PresetSwitches() const;
    // A key of the settings section, or its default when the file could not take the defaults.
    int32_t Stored(const char* key) const;
    // Every engine input from the control that sets it.
    void WriteInputsFromControls();

    EngineInputs& inputs_;
    const EngineDisplay& display_;
    const std::atomic<bool>& stopping_;
    std::array<TTrackBar*, kSliderCount> trackBars_ = {};
    // True while LoadSettings moves the controls one step away from the stored values.
    bool steppingAway_ = false;
    // True when the settings file could not take the defaults at the last show or reset.
    bool defaultsUnstored_ = false;
    // The "hidden" an icon click meant to record when the settings file could not take it: the
    // delayed step after a show goes by it, so the window does not hide again for good.
    std::optional<int32_t> unstoredHidden_;
    TIcon icon_;
};
