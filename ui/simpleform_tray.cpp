// The control window and its icon in the notification area. While the engine runs the window
// cannot be closed: a close request hides it, and the icon brings it back. The settings key
// "hidden" carries whether it was hidden from one start of the player to the next.

#include "resources/resource_ids.h"
#include "settings/settings_section.h"
#include "ui/simpleform.h"

namespace {

constexpr char kTitle[] = "Velora Enhancer";
// The balloon's time on the screen; the window thread waits as long.
constexpr std::uint8_t kBalloonSeconds = 2;

}  // namespace

void TForm_s::BuildTrayIcon() {
    PopupMenu1 = new TPopupMenu(this);
    Generalreset1 = &PopupMenu1->Add("Reset All", TNotifyEvent(this, &TForm_s::Generalreset1Click));
    CoolTrayIcon1 = new TCoolTrayIcon(this);
    CoolTrayIcon1->SetHint(kTitle);
    TIcon picture;
    if (picture.LoadFromResourceID(IDI_ENHANCER_TRAY, 32, 32)) CoolTrayIcon1->SetIcon(picture);
    // Present from now until the window is freed, whether the window is visible or not.
    CoolTrayIcon1->SetIconVisible(true);
    CoolTrayIcon1->SetIconIndex(0);
    CoolTrayIcon1->SetCycleInterval(1000);
    CoolTrayIcon1->SetPopupMenu(PopupMenu1);
    CoolTrayIcon1->OnClick = TNotifyEvent(this, &TForm_s::CoolTrayIcon1Click);
    CoolTrayIcon1->OnBalloonHintClick = TNotifyEvent(this, &TForm_s::CoolTrayIcon1BalloonHintClick);
}

void TForm_s::FormCloseQuery(TObject*, bool& canClose) {
    // Only the stop entry closes the window: it bypasses the engine first.
    if (stopping_.load()) return;
    canClose = false;
    Hide();
    CoolTrayIcon1->ShowBalloon(kTitle, "Click HERE to get me back", bikInfo, kBalloonSeconds);
    // The player's windows do not answer meanwhile; a click on the balloon waits its turn.
    ::Sleep(kBalloonSeconds * 1000);
    CoolTrayIcon1->HideBalloon();
}

void TForm_s::FormClose(TObject*, TCloseAction&) {
    CoolTrayIcon1->HideAppWindow();
    WriteSetting("hidden", Visible() ? 0 : 1);
}

void TForm_s::CoolTrayIcon1Click(TObject*) {
    const bool hiding = Visible();
    const int32_t hidden = hiding ? 1 : 0;
    unstoredHidden_ = WriteSetting("hidden", hidden) ? std::nullopt : std::optional(hidden);
    if (hiding)
        Hide();
    else
        Show();
}

void TForm_s::CoolTrayIcon1BalloonHintClick(TObject*) { Show(); }

void TForm_s::Timer_showTimer(TObject*) {
    Timer_show->SetEnabled(false);
    LoadSettings();
    SetVisible(unstoredHidden_.value_or(Stored("hidden")) == 0);
}
