#include "toolkit/bevel.h"

#include "toolkit/frame3d.h"

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(ControlStyle() | csReplicatable);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape shape) {
    shape_ = shape;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
    style_ = style;
    Invalidate();
}

void TBevel::Paint() {
    const bool lowered = style_ == TBevelStyle::bsLowered;
    const TColor first = lowered ? clBtnShadow : clBtnHighlight;
    const TColor second = lowered ? clBtnHighlight : clBtnShadow;
    RECT rect = ClientRect();
    if (shape_ == TBevelShape::bsBox) {
        Frame3D(Canvas(), rect, first, second, 1);
        return;
    }
    // An etched frame: the outer edge in one colour, a second edge one pixel in, in the other.
    RECT outer = {rect.left, rect.top, rect.right - 1, rect.bottom - 1};
    Frame3D(Canvas(), outer, first, first, 1);
    RECT inner = {rect.left + 1, rect.top + 1, rect.right, rect.bottom};
    Frame3D(Canvas(), inner, second, second, 1);
}
