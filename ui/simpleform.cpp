#include "ui/simpleform.h"

#include <cmath>
#include <string>

#include "resources/resource_ids.h"
#include "settings/settings_section.h"
#include "toolkit/gdi.h"

namespace {

constexpr int kOutsideWidth = 275;
constexpr int kOutsideHeight = 268;

TBitButton* AddStripButton(TForm* form, int left, int resource, const char* hint) {
    auto* button = new TBitButton(form);
    button->SetParent(form);
    button->SetBounds(left, 0, 66, 31);
    button->SetHint(hint);
    button->LoadBmpFromResource(resource);
    return button;
}

TTimer* AddTimer(TForm_s* form, unsigned interval, bool enabled,
                 void (TForm_s::*handler)(TObject*)) {
    auto* timer = new TTimer(form);
    timer->SetEnabled(enabled);
    timer->SetInterval(interval);
    if (handler) timer->OnTimer = TNotifyEvent(form, handler);
    return timer;
}

}  // namespace

TForm_s::TForm_s(EngineInputs& inputs, const EngineDisplay& display,
                 const std::atomic<bool>& stopping)
    : TForm(nullptr), inputs_(inputs), display_(display), stopping_(stopping) {
    BeginLoading();
    SetName("Form_s");
    SetCaption("Velora Enhancer 0.2");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetScreenSnap(true);
    SetColor(clSkyBlue);
    SetShowHint(false);
    if (icon_.LoadFromResourceID(IDI_ENHANCER, 32, 32)) SetIcon(icon_.Handle());
    OnCreate = TNotifyEvent(this, &TForm_s::FormCreate);
    OnShow = TNotifyEvent(this, &TForm_s::FormShow);
    OnHide = TNotifyEvent(this, &TForm_s::FormHide);
    OnCloseQuery = TCloseQueryEvent(this, &TForm_s::FormCloseQuery);
    OnClose = TCloseEvent(this, &TForm_s::FormClose);

    // The pages first and the scope panel last, so the scope lies above the pages it crosses.
    BuildMainPage();
    BuildSliderPages();
    BuildSettingsPage();
    Panel_osc = new TPanel(this);
    Panel_osc->SetParent(this);
    Panel_osc->SetColor(clBlack);
    Panel_osc->SetBevelOuter(TPanelBevel::bvLowered);
    Panel_osc->SetBevelWidth(4);
    Panel_osc->SetShowHint(true);
    osc = new TPaintBox(this);
    osc->SetParent(Panel_osc);
    BuildStrip();

    Timer_osc = AddTimer(this, 1000, false, &TForm_s::Timer_oscTimer);
    Timer1 = AddTimer(this, 1000, false, &TForm_s::Timer1Timer);
    Timer2 = AddTimer(this, 30000, false, &TForm_s::Timer2Timer);
    Timer3 = AddTimer(this, 200, true, &TForm_s::Timer3Timer);
    Timer_anim = AddTimer(this, 100, false, &TForm_s::Timer_animTimer);
    Timer_show = AddTimer(this, 10, false, &TForm_s::Timer_showTimer);
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->SetTitle("Save preset as...");
    SaveDialog1->SetFilter("Velora presets|*.velora");
    SaveDialog1->SetDefaultExt("*.velora");
    SaveDialog1->SetOptions(OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NONETWORKBUTTON |
                            OFN_DONTADDTORECENT);
    BuildTrayIcon();
    EndLoading();
}

TForm_s::~TForm_s() {
    // Runs here, while the window's own part still exists; the base class must not call back.
    FormDestroy(this);
    OnShow = TNotifyEvent();
    OnHide = TNotifyEvent();
    OnCloseQuery = TCloseQueryEvent();
    OnClose = TCloseEvent();
}

void TForm_s::BuildStrip() {
    BitButton1 = AddStripButton(this, 0, IDB_PREVIOUS, "Previous");
    BitButton1->onClick = TNotifyEvent(this, &TForm_s::BitButton1Click);
    Bevel1 = new TBevel(this);
    Bevel1->SetParent(this);
    Bevel1->SetShape(TBevelShape::bsFrame);
    Bevel1->SetBounds(72, 1, 121, 30);
    TextAnimator1 = new TTextAnimator(this);
    TextAnimator1->SetParent(this);
    TextAnimator1->SetAutoSize(false);
    TextAnimator1->SetStyle(taAll);
    TextAnimator1->SetMaxStep(0);
    TextAnimator1->SetStep(0);
    TextAnimator1->SetDelay(300);
    TextAnimator1->SetColorStart(RGBColor(0, 0, 255));
    TextAnimator1->SetColorStop(RGBColor(0, 0, 128));
    TextAnimator1->SetParentColor(false);
    TextAnimator1->SetColor(clSkyBlue);
    TextAnimator1->Font().SetName("Lucida Console");
    TextAnimator1->Font().SetHeight(-24);
    TextAnimator1->Font().SetStyle(fsBold);
    TextAnimator1->SetBounds(72, 4, 121, 24);
    TextAnimator1->SetCaption("Main");
    TextAnimator1->SetHint("Actulal page");
    TextAnimator1->SetShowHint(true);
    BitButton2 = AddStripButton(this, 200, IDB_NEXT, "Next");
    BitButton2->onClick = TNotifyEvent(this, &TForm_s::BitButton2Click);
}

void TForm_s::FormCreate(TObject*) { wheel.quarterTurn = kQuarterTurn; }

void TForm_s::FormShow(TObject*) {
    // A settings file that cannot take the defaults (read-only, say) would read as zeros and
    // silence the sound: the window then takes the defaults themselves.
    defaultsUnstored_ = ReadSetting(kMarkerKey) != kMarkerValue && !WriteDefaults();
    SetColor(clSkyBlue);
    shownPage = -2;
    SetBounds(Stored("x"), Stored("y"), kOutsideWidth, kOutsideHeight);
    wheel.Rest(Stored("page"));
    // The tick that follows moves nothing; placing the pages now spares the first 100 ms of
    // pages at their construction places.
    PlacePages();
    PlaceScope(ScopePanelPlace(0, wheel.wheelAngle));
    Timer_anim->SetEnabled(true);
    Timer_show->SetEnabled(true);
    LoadSettings();
    Timer_osc->SetEnabled(true);
    Timer1->SetEnabled(true);
    Timer2->SetEnabled(true);
    Timer3->SetEnabled(true);
    presetbox->ClearItems();
}

void TForm_s::FormHide(TObject*) {
    SaveSettings();
    Timer_anim->SetEnabled(false);
    Timer_osc->SetEnabled(false);
    Timer1->SetEnabled(false);
    Timer3->SetEnabled(false);
}

void TForm_s::FormDestroy(TObject*) { FormHide(this); }

void TForm_s::BitButton1Click(TObject*) {
    wheel.StartTurn(false);
    Timer_anim->SetEnabled(true);
}

void TForm_s::BitButton2Click(TObject*) {
    wheel.StartTurn(true);
    Timer_anim->SetEnabled(true);
}

void TForm_s::Timer_animTimer(TObject*) {
    const bool turning = wheel.Tick();
    PlacePages();
    PlaceScope(wheel.Scope());
    if (!turning) Timer_anim->SetEnabled(false);
}

void TForm_s::PlacePages() {
    const std::array<std::pair<TPanel*, int>, kPageCount> slots = {
        {{Panel1, 0}, {Panel2, 3}, {Panel3, 2}, {Panel4, 1}}};
    for (const auto& [panel, slot] : slots) {
        const WheelPoint place = wheel.Panel(slot);
        panel->SetBounds(place.left, place.top, panel->Width(), panel->Height());
    }
}

void TForm_s::PlaceScope(const ScopePlace& place) {
    Panel_osc->SetBounds(place.left, place.top, place.width, place.height);
    const int bevel = Panel_osc->BevelWidth();
    osc->SetBounds(bevel, bevel, place.width - 2 * bevel, place.height - 2 * bevel);
}

void TForm_s::Timer_oscTimer(TObject*) {
    const int width = osc->Width();
    const int height = osc->Height();
    scopeStart = scopeClock.FrameStart(display_.scopeBlockStart.load(std::memory_order_relaxed),
                                       display_.blockSampleRate.load(std::memory_order_relaxed),
                                       scopeDelay, width);
    scopeBitmap.SetSize(width, height);
    if (scopeBitmap.Empty()) return;
    DrawScopeFrame({scopeBitmap.ScanLine(0), width, height, scopeBitmap.RowBytes()}, display_.scopeRing,
                   scopeStart);
    const WindowDC dc(Panel_osc->Handle());
    ::BitBlt(dc.Get(), osc->Left(), osc->Top(), width, height, scopeBitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TForm_s::Timer3Timer(TObject*) {
    const float level = display_.clipLevel.load(std::memory_order_relaxed);
    const auto percent = static_cast<long long>(std::trunc(static_cast<double>(level) * 100));
    Label_clip->SetCaption("Clip: " + std::to_string(percent) + "%");
    if (shownPage != wheel.pageIndex) {
        if (const char* name = PageName(wheel.pageIndex)) TextAnimator1->SetCaption(name);
        shownPage = wheel.pageIndex;
    }
}

void TForm_s::Timer1Timer(TObject*) {
    TrackBar_tChange(TrackBar_t);
    RefreshDelayField();
}

void TForm_s::Timer2Timer(TObject*) { CheckBox1Click(CheckBox1); }
