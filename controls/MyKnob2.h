#pragma once

#include "controls/MyKnob2Geometry.h"
#include "toolkit/bitmap.h"
#include "toolkit/custom_control.h"
#include "toolkit/label.h"

// A round control turned through 300 degrees to pick an integer between Min and Max: by
// dragging with the left button, with the arrow, page and Home/End keys and with the wheel.
// Its face is blended over whatever its parent shows beneath it, and it can write its value
// into a label and spring back to 0 when released.
class TMyKnob2 : public TCustomControl {
public:
    explicit TMyKnob2(TComponent* owner);

    int Max() const { return max_; }
    void SetMax(int max) { ApplyRange(position_, min_, max); }
    int Min() const { return min_; }
    void SetMin(int min) { ApplyRange(position_, min, max_); }
    int Transparency() const { return transparency_; }
    void SetTransparency(int transparency);
    int Difference() const { return difference_; }
    void SetDifference(int difference);
    TColor LineColor() const { return lineColor_; }
    void SetLineColor(TColor color);
    TColor Knob2Color() const { return knob2Color_; }
    void SetKnob2Color(TColor color);
    int Position() const { return position_; }
    // Acts only when the value differs from the one last asked for.
    void SetPosition(int value);
    unsigned short PageSize() const { return pageSize_; }
    void SetPageSize(unsigned short pageSize) { pageSize_ = pageSize; }
    TLabel* PositionLabel() const { return positionLabel_; }
    void SetPositionLabel(TLabel* label);
    bool SpringLoaded() const { return springLoaded_; }
    void SetSpringLoaded(bool springLoaded);

    // The only path by which Position, Min and Max change; fires OnChange every time.
    void ApplyRange(int value, int newMin, int newMax);

    int KnobSize() const { return knobSize_; }
    int Radius() const { return radius_; }
    float DegreesPerUnit() const { return degreesPerUnit_; }
    int Angle() const { return angle_; }
    bool Dragging() const { return dragging_; }
    KnobPointer Pointer() const { return pointer_; }

    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    void Paint() override;

private:
    void RecalcScale() { degreesPerUnit_ = KnobDegreesPerUnit(min_, max_); }
    void RecalcAngle() { angle_ = KnobAngle(position_, min_, degreesPerUnit_); }
    int PositionFromAngle(int angle) const {
        return KnobPositionFromAngle(angle, min_, degreesPerUnit_);
    }
    void UpdatePositionLabel(int value);
    void SyncLabelState();
    void Resize();
    void MouseDrag(int x, int y);
    void PressLeft(int x, int y);
    void ReleaseLeft();
    void KeyDown(unsigned short key);

    int max_ = 100;
    int min_ = 0;
    int transparency_ = 50;
    int difference_ = 50;
    TColor lineColor_ = clActiveCaption;
    TColor knob2Color_ = clWhite;
    int position_ = 0;
    unsigned short pageSize_ = 10;
    TLabel* positionLabel_ = nullptr;
    bool springLoaded_ = false;

    int knobSize_ = 0;
    int radius_ = 20;
    float degreesPerUnit_ = 0.0f;
    int angle_ = 0;
    int mouseAngle_ = 0;
    bool dragging_ = false;
    int lastRequested_ = 0;
    KnobPointer pointer_ = {};
};

// Mixes src into dest by weight percent (0: dest unchanged, 100: src), both made 24-bit first.
void BlendBitmaps(TBitmap& dest, TBitmap& src, int weight);
