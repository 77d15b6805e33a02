#include "gallery/gallery_form.h"

#include "resources/resource_ids.h"
#include "toolkit/bevel.h"
#include "toolkit/module_instance.h"

namespace {

constexpr TColor kSkyBlue = RGBColor(166, 202, 240);
const char* const kPageNames[] = {"Main", "Bass", "Music", "Settings"};

TLabel* AddLabel(TForm* form, int left, int top, const char* caption) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

TBevel* AddFrame(TForm* form, int left, int top, int width, int height) {
    auto* bevel = new TBevel(form);
    bevel->SetParent(form);
    bevel->SetShape(TBevelShape::bsFrame);
    bevel->SetBounds(left, top, width, height);
    return bevel;
}

TBitButton* AddStripButton(TForm* form, int left, int resource, const char* hint) {
    auto* button = new TBitButton(form);
    button->SetParent(form);
    button->SetBounds(left, 8, 66, 31);
    button->SetHint(hint);
    button->LoadBmpFromResource(resource);
    return button;
}

TMyKnob2* AddKnob(TForm* form, int left, TColor line, TColor face, int transparency) {
    auto* knob = new TMyKnob2(form);
    knob->SetParent(form);
    knob->SetBounds(left, 58, 60, 60);
    knob->SetTransparency(transparency);
    knob->SetDifference(20);
    knob->SetLineColor(line);
    knob->SetKnob2Color(face);
    return knob;
}

TTrackBar* AddSlider(TForm* form, int top) {
    auto* slider = new TTrackBar(form);
    slider->SetParent(form);
    slider->SetBounds(236, top, 190, 24);
    slider->SetTickMarks(false);
    slider->SetThumbLength(15);
    slider->SetRange(0, 100);
    slider->SetPageSize(10);
    return slider;
}

}  // namespace

TGalleryForm::TGalleryForm() : TForm(nullptr) {
    BeginLoading();
    Build();
    EndLoading();
}

void TGalleryForm::Build() {
    SetCaption("Velora controls");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetColor(kSkyBlue);
    SetShowHint(true);
    SetBounds(120, 100, 0, 0);
    SetClientSize(440, 250);
    SetIcon(static_cast<HICON>(::LoadImageA(ModuleInstance(), MAKEINTRESOURCEA(IDI_ENHANCER),
                                            IMAGE_ICON, 32, 32, 0)));
    OnClose = TCloseEvent(this, &TGalleryForm::FormClose);

    // The top strip, laid out like the control window's.
    auto* previous = AddStripButton(this, 8, IDB_PREVIOUS, "Previous");
    previous->onClick = TNotifyEvent(this, &TGalleryForm::PreviousClick);
    AddFrame(this, 80, 9, 200, 30);
    caption_ = new TTextAnimator(this);
    caption_->SetParent(this);
    caption_->SetAutoSize(false);
    caption_->SetStyle(taAll);
    caption_->SetMaxStep(0);
    caption_->SetDelay(300);
    caption_->SetColorStart(RGBColor(0, 0, 255));
    caption_->SetColorStop(RGBColor(0, 0, 128));
    caption_->Font().SetName("Lucida Console");
    caption_->Font().SetHeight(-24);
    caption_->SetBounds(82, 12, 196, 24);
    caption_->SetHint("Actulal page");
    auto* next = AddStripButton(this, 286, IDB_NEXT, "Next");
    next->onClick = TNotifyEvent(this, &TGalleryForm::NextClick);

    // Two knobs, each with its value label, in a frame; the right one half see-through.
    AddFrame(this, 8, 48, 200, 106);
    bassKnob_ = AddKnob(this, 24, clRed, RGBColor(207, 175, 173), 0);
    bassKnob_->SetHint("Bass");
    trebleKnob_ = AddKnob(this, 124, clBlue, RGBColor(172, 173, 208), 40);
    trebleKnob_->SetHint("Treble, 40% see-through");
    bassKnob_->SetPositionLabel(AddLabel(this, 40, 124, ""));
    trebleKnob_->SetPositionLabel(AddLabel(this, 140, 124, ""));
    for (TMyKnob2* knob : {bassKnob_, trebleKnob_})
        knob->OnChange = TNotifyEvent(this, &TGalleryForm::KnobChanged);

    // The sliders each knob drives and follows.
    AddLabel(this, 240, 50, "Bass");
    bassSlider_ = AddSlider(this, 66);
    AddLabel(this, 240, 94, "Treble");
    trebleSlider_ = AddSlider(this, 110);
    for (TTrackBar* slider : {bassSlider_, trebleSlider_})
        slider->OnChange = TNotifyEvent(this, &TGalleryForm::SliderChanged);

    spring_ = new TCheckBox(this);
    spring_->SetParent(this);
    spring_->SetBounds(240, 142, 180, 17);
    spring_->SetCaption("Treble springs back to 0");
    spring_->OnClick = TNotifyEvent(this, &TGalleryForm::SpringClick);

    pages_ = new TComboBox(this);
    pages_->SetParent(this);
    pages_->SetBounds(240, 168, 120, 21);
    for (const char* name : kPageNames) pages_->AddItem(name);
    pages_->OnChange = TNotifyEvent(this, &TGalleryForm::SliderChanged);

    // A title whose letters pulse, over the form's own colour.
    title_ = new TTextAnimator(this);
    title_->SetParent(this);
    title_->Font().SetSize(20);
    title_->SetMaxStep(6);
    title_->SetStep(1);
    title_->SetCaption("Velora enhancer");
    title_->SetLeft(16);
    title_->SetTop(198);

    trayMenu_ = new TPopupMenu(this);
    trayMenu_->Add("Show a balloon", TNotifyEvent(this, &TGalleryForm::TrayClick));
    trayMenu_->Add("Quit", TNotifyEvent(this, &TGalleryForm::QuitClick));
    trayIcon_ = new TCoolTrayIcon(this);
    TIcon trayPicture;
    trayPicture.LoadFromResourceID(IDI_ENHANCER_TRAY, 16, 16);
    trayIcon_->SetIcon(trayPicture);
    trayIcon_->SetHint("Velora controls");
    trayIcon_->SetPopupMenu(trayMenu_);
    trayIcon_->OnClick = TNotifyEvent(this, &TGalleryForm::BalloonClick);
    trayIcon_->OnBalloonHintClick = TNotifyEvent(this, &TGalleryForm::BalloonClick);
    trayIcon_->SetIconVisible(true);

    bassSlider_->SetPosition(90);
    trebleSlider_->SetPosition(35);
    ShowPage();
}

void TGalleryForm::KnobChanged(TObject* sender) {
    if (sender == bassKnob_) bassSlider_->SetPosition(bassKnob_->Position());
    if (sender == trebleKnob_) trebleSlider_->SetPosition(trebleKnob_->Position());
}

void TGalleryForm::SliderChanged(TObject* sender) {
    if (sender == bassSlider_) bassKnob_->SetPosition(bassSlider_->Position());
    if (sender == trebleSlider_) trebleKnob_->SetPosition(trebleSlider_->Position());
    if (sender == pages_ && pages_->ItemIndex() >= 0) {
        page_ = pages_->ItemIndex();
        ShowPage();
    }
}

void TGalleryForm::PreviousClick(TObject*) {
    page_ = (page_ + 3) % 4;
    ShowPage();
}

void TGalleryForm::NextClick(TObject*) {
    page_ = (page_ + 1) % 4;
    ShowPage();
}

void TGalleryForm::ShowPage() {
    caption_->SetCaption(kPageNames[page_]);
    pages_->SetItemIndex(page_);
}

void TGalleryForm::SpringClick(TObject*) { trebleKnob_->SetSpringLoaded(spring_->Checked()); }

void TGalleryForm::TrayClick(TObject*) {
    trayIcon_->ShowBalloon("Velora controls", "Click HERE to get me back", bikInfo, 2);
}

void TGalleryForm::BalloonClick(TObject*) {
    Show();
}

void TGalleryForm::QuitClick(TObject*) { ::PostQuitMessage(0); }

void TGalleryForm::FormClose(TObject*, TCloseAction&) { ::PostQuitMessage(0); }
