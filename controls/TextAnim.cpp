#include "controls/TextAnim.h"

#include <chrono>

#include "toolkit/capture_backdrop.h"
#include "toolkit/gdi.h"

TTextAnimator::TTextAnimator(TComponent* owner)
    : TGraphicControl(owner),
      random_(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())) {
    SetControlStyle(ControlStyle() | csOpaque | csReplicatable);
    SetColor(clWindow);
    SetParentFont(false);
    Font().SetName("Times New Roman");
    Font().SetSize(10);
    Font().SetStyle(fsBold);
    fontStored_ = false;
    RebuildLetters(true);
    SetupColors();
    SetActive(true);
}

TTextAnimator::~TTextAnimator() { SetActive(false); }

void TTextAnimator::SetActive(bool active) {
    if (active == Active()) return;
    if (active) {
        timer_ = new TTimer(this);
        timer_->SetInterval(delay_);
        timer_->OnTimer = TNotifyEvent(this, &TTextAnimator::AnimateLetters);
    } else {
        delete timer_;
        timer_ = nullptr;
    }
}

void TTextAnimator::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TTextAnimator::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    if (autoSize_) AdjustBounds();
}

void TTextAnimator::SetColorStart(TColor color) {
    if (color == colorStart_) return;
    colorStart_ = color;
    SetupColors();
}

void TTextAnimator::SetColorStop(TColor color) {
    if (color == colorStop_) return;
    colorStop_ = color;
    SetupColors();
}

void TTextAnimator::SetDelay(unsigned short delay) {
    if (delay == delay_) return;
    delay_ = delay;
    if (timer_) timer_->SetInterval(delay_);
}

void TTextAnimator::SetMaxStep(unsigned short maxStep) {
    if (maxStep == maxStep_) return;
    maxStep_ = maxStep;
    RebuildLetters(false);
    if (autoSize_) AdjustBounds();
    if (maxStep_ < step_) step_ = maxStep_;
}

void TTextAnimator::SetStep(unsigned short step) {
    if (step > maxStep_) step = maxStep_;
    step_ = step;
}

void TTextAnimator::SetStyle(TTextAnimStyle style) {
    if (style == style_) return;
    style_ = style;
    RebuildLetters(false);
}

void TTextAnimator::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Invalidate();
}

void TTextAnimator::RebuildLetters(bool reallocate) {
    if (reallocate) {
        letters_ = Caption();
        letterWidths_.assign(letters_.size(), 0);
    }
    const int count = static_cast<int>(letters_.size());
    StartLetterPhases(phases_, count, style_, maxStep_, random_);

    TCanvas& canvas = offscreen_.Canvas();
    canvas.Font().Assign(Font());
    // One point below the largest size a letter reaches.
    canvas.Font().SetSize(Font().Size() + maxStep_ - 1);
    textWidthTotal_ = 0;
    for (int i = 0; i < count; ++i) {
        letterWidths_[i] = canvas.TextWidth(std::string(1, letters_[i]));
        textWidthTotal_ += letterWidths_[i];
    }
    letterHeight_ = canvas.TextHeight("X");
}

void TTextAnimator::SetupColors() { colors_.Setup(ColorToRGB(colorStart_), ColorToRGB(colorStop_)); }

void TTextAnimator::AdjustBounds() {
    if (Loading()) return;
    SetBounds(Left(), Top(), textWidthTotal_, letterHeight_);
}

void TTextAnimator::Loaded() {
    TGraphicControl::Loaded();
    if (autoSize_) AdjustBounds();
}

void TTextAnimator::AnimateLetters(TObject*) {
    AdvanceLetterPhases(phases_, step_, maxStep_);
    Repaint();
}

void TTextAnimator::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_TEXTCHANGED:
        TGraphicControl::WndProc(message);
        RebuildLetters(true);
        if (autoSize_) AdjustBounds();
        return;
    case CM_FONTCHANGED:
        TGraphicControl::WndProc(message);
        RebuildLetters(false);
        fontStored_ = true;
        if (autoSize_) AdjustBounds();
        return;
    default:
        TGraphicControl::WndProc(message);
        return;
    }
}

void TTextAnimator::Paint() {
    if (painting_) return;
    painting_ = true;
    struct ClearFlag {
        bool& flag;
        ~ClearFlag() { flag = false; }
    } clear{painting_};
    const RECT client = ClientRect();
    offscreen_.SetSize(client.right, client.bottom);
    DrawLetters(offscreen_.Canvas());
    Canvas().Draw(0, 0, offscreen_);
}

void TTextAnimator::DrawLetters(TCanvas& canvas) {
    const RECT client = ClientRect();
    int x = alignment_ == TAlignment::taLeftJustify    ? 0
            : alignment_ == TAlignment::taRightJustify ? client.right - textWidthTotal_
                                                       : (client.right - textWidthTotal_) / 2;
    const int y = (client.bottom - letterHeight_) / 2;
    canvas.Font().Assign(Font());
    canvas.Brush().Color = Color();
    if (transparent_) {
        CaptureBackdrop(*this, canvas);
        canvas.Brush().Style = TBrushStyle::bsClear;
    } else {
        canvas.Brush().Style = TBrushStyle::bsSolid;
        canvas.FillRect(client);
    }
    for (std::size_t i = 0; i < letters_.size(); ++i) {
        if (colorAnimation_) canvas.Font().SetColor(NextColor());
        canvas.Font().SetSize(Font().Size() + phases_.offsets[i]);
        canvas.TextOut(x, y, std::string(1, letters_[i]));
        x += letterWidths_[i];
    }
}
