#pragma once

#include "controls/BitButton.h"
#include "controls/CoolTrayIcon.h"
#include "controls/MyKnob2.h"
#include "controls/TextAnim.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/popup_menu.h"
#include "toolkit/track_bar.h"

// One window with every custom control on a coloured backdrop, wired together so a person can
// try them: two knobs mirrored by sliders, the "Previous" and "Next" buttons turning the
// animated caption through the page names, and the notification-area icon with its menu.
class TGalleryForm : public TForm {
public:
    TGalleryForm();

private:
    void Build();
    void KnobChanged(TObject* sender);
    void SliderChanged(TObject* sender);
    void PreviousClick(TObject* sender);
    void NextClick(TObject* sender);
    void ShowPage();
    void TrayClick(TObject* sender);
    void BalloonClick(TObject* sender);
    void QuitClick(TObject* sender);
    void SpringClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    TMyKnob2* bassKnob_ = nullptr;
    TMyKnob2* trebleKnob_ = nullptr;
    TTrackBar* bassSlider_ = nullptr;
    TTrackBar* trebleSlider_ = nullptr;
    TTextAnimator* caption_ = nullptr;
    TTextAnimator* title_ = nullptr;
    TCheckBox* spring_ = nullptr;
    TComboBox* pages_ = nullptr;
    TCoolTrayIcon* trayIcon_ = nullptr;
    TPopupMenu* trayMenu_ = nullptr;
    int page_ = 0;
};
