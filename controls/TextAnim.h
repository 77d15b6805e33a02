#pragma once

#include <random>
#include <string>
#include <vector>

#include "controls/TextAnimColorCycle.h"
#include "controls/TextAnimLetters.h"
#include "toolkit/alignment.h"
#include "toolkit/bitmap.h"
#include "toolkit/graphic_control.h"
#include "toolkit/timer.h"

// A caption whose letters pulse in size, each on its own phase, and whose letter colours cycle
// between two colours. A timer of its own moves the phases and repaints.
class TTextAnimator : public TGraphicControl {
public:
    explicit TTextAnimator(TComponent* owner);
    ~TTextAnimator() override;

    bool Active() const { return timer_ != nullptr; }
    void SetActive(bool active);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool ColorAnimation() const { return colorAnimation_; }
    void SetColorAnimation(bool animate) { colorAnimation_ = animate; }
    TColor ColorStart() const { return colorStart_; }
    void SetColorStart(TColor color);
    TColor ColorStop() const { return colorStop_; }
    void SetColorStop(TColor color);
    unsigned short Delay() const { return delay_; }
    void SetDelay(unsigned short delay);
    unsigned short MaxStep() const { return maxStep_; }
    void SetMaxStep(unsigned short maxStep);
    unsigned short Step() const { return step_; }
    // Never above MaxStep.
    void SetStep(unsigned short step);
    TTextAnimStyle Style() const { return style_; }
    void SetStyle(TTextAnimStyle style);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // The font was changed after construction, so a form would store it.
    bool FontStored() const { return fontStored_; }

    const std::vector<int>& LetterOffsets() const { return phases_.offsets; }
    const std::vector<int>& LetterWidths() const { return letterWidths_; }
    int TextWidthTotal() const { return textWidthTotal_; }
    int LetterHeight() const { return letterHeight_; }
    TTimer* AnimationTimer() const { return timer_; }

    // The timer's tick: moves every letter's phase, then repaints at once.
    void AnimateLetters(TObject* sender = nullptr);
    // The colour of the next letter drawn.
    TColor NextColor() { return colors_.Next(); }

    void Loaded() override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;

private:
    void RebuildLetters(bool reallocate);
    void SetupColors();
    void AdjustBounds();
    void DrawLetters(TCanvas& canvas);

    TBitmap offscreen_;
    TTimer* timer_ = nullptr;
    TAlignment alignment_ = TAlignment::taCenter;
    bool autoSize_ = true;
    bool colorAnimation_ = true;
    TColor colorStart_ = RGBColor(255, 255, 0);
    TColor colorStop_ = RGBColor(255, 0, 0);
    unsigned short delay_ = 70;
    unsigned short maxStep_ = 20;
    unsigned short step_ = 2;
    TTextAnimStyle style_ = taWind;
    bool transparent_ = true;
    bool fontStored_ = false;

    std::string letters_;
    TextAnimLetterPhases phases_;
    std::vector<int> letterWidths_;
    int textWidthTotal_ = 0;
    int letterHeight_ = 0;
    bool painting_ = false;
    TextAnimColorCycle colors_;
    std::mt19937 random_;
};
