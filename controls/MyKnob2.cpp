#include "controls/MyKnob2.h"

#include <cstdio>

#include "controls/MyKnob2Blend.h"
#include "toolkit/capture_backdrop.h"

void BlendBitmaps(TBitmap& dest, TBitmap& src, int weight) {
    dest.SetPixelFormat(TPixelFormat::pf24bit);
    src.SetPixelFormat(TPixelFormat::pf24bit);
    for (int y = 0; y < src.Height(); ++y) BlendRow(dest.ScanLine(y), src.ScanLine(y), src.Width(), weight);
}

TMyKnob2::TMyKnob2(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() | csOpaque);
    SetTabStop(true);
    SetBounds(Left(), Top(), 40, 40);
}

void TMyKnob2::SetTransparency(int transparency) {
    transparency_ = transparency;
    Repaint();
}

void TMyKnob2::SetDifference(int difference) {
    difference_ = difference;
    Repaint();
}

void TMyKnob2::SetLineColor(TColor color) {
    lineColor_ = color;
    Invalidate();
}

void TMyKnob2::SetKnob2Color(TColor color) {
    knob2Color_ = color;
    Invalidate();
}

void TMyKnob2::SetPosition(int value) {
    if (value != lastRequested_) ApplyRange(value, min_, max_);
    lastRequested_ = value;
}

void TMyKnob2::SetSpringLoaded(bool springLoaded) {
    springLoaded_ = springLoaded;
    if (springLoaded) SetPosition(0);
}

void TMyKnob2::SetPositionLabel(TLabel* label) {
    if (label == positionLabel_) return;
    positionLabel_ = label;
    if (positionLabel_) UpdatePositionLabel(position_);
}

void TMyKnob2::ApplyRange(int value, int newMin, int newMax) {
    if (newMin != min_) {
        min_ = newMin;
        RecalcScale();
    }
    if (newMax != max_) {
        max_ = newMax;
        RecalcScale();
    }
    position_ = KnobClampedPosition(value, min_, max_, degreesPerUnit_);
    RecalcAngle();
    PaintNow();
    UpdatePositionLabel(position_);
    OnChange(this);
}

void TMyKnob2::UpdatePositionLabel(int value) {
    if (!positionLabel_) return;
    char digits[16];
    std::snprintf(digits, sizeof(digits), "%d ", value);
    positionLabel_->SetCaption(digits + Caption());
}

void TMyKnob2::SyncLabelState() {
    if (positionLabel_) positionLabel_->SetEnabled(Enabled());
}

void TMyKnob2::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == positionLabel_)
        SetPositionLabel(nullptr);
}

void TMyKnob2::Paint() {
    const int width = Width();
    const int height = Height();
    TBitmap backdrop;
    TBitmap face;
    backdrop.SetSize(width, height);
    face.SetSize(width, height);
    CaptureBackdrop(*this, backdrop.Canvas());
    CaptureBackdrop(*this, face.Canvas());

    TCanvas& canvas = face.Canvas();
    canvas.Pen().Width = 1;
    canvas.Pen().Color = knob2Color_;
    canvas.Brush().Color = knob2Color_;
    canvas.Brush().Style = TBrushStyle::bsSolid;
    // A pie whose two radial points coincide is the whole ellipse.
    canvas.Pie(3, 3, width - 3, height - 3, 0, 0, 0, 0);
    canvas.Pen().Width = 2;
    canvas.Pen().Color = OffsetColor(knob2Color_, difference_);
    canvas.Arc(2, 2, width, height, width, 0, 0, height);
    canvas.Pen().Color = OffsetColor(knob2Color_, -difference_);
    canvas.Arc(2, 2, width - 2, height - 2, 0, height, width, 0);

    pointer_ = KnobPointerEnds(angle_, radius_);
    const POINT line[2] = {{pointer_.outer.x, pointer_.outer.y},
                           {pointer_.inner.x, pointer_.inner.y}};
    canvas.Pen().Color = lineColor_;
    canvas.Polyline(line, 2);

    BlendBitmaps(backdrop, face, 100 - transparency_);
    Canvas().Draw(0, 0, backdrop);
    SyncLabelState();
}

void TMyKnob2::Resize() {
    const int side = KnobSquareSide(knobSize_, Width(), Height());
    knobSize_ = side;
    radius_ = side / 2;
    SetBounds(Left(), Top(), side, side);
}

void TMyKnob2::MouseDrag(int x, int y) {
    mouseAngle_ = KnobMouseAngle(x, y, Width(), Height());
    const int value = PositionFromAngle(mouseAngle_);
    if (value != position_) SetPosition(value);
    UpdatePositionLabel(value);
    PaintNow();
}

void TMyKnob2::PressLeft(int x, int y) {
    const RECT client = ClientRect();
    GdiObject<HRGN> ellipse(::CreateEllipticRgnIndirect(&client));
    if (!::PtInRegion(ellipse.Get(), x, y)) return;
    SetFocus();
    dragging_ = true;
    Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    SetPosition(PositionFromAngle(mouseAngle_));
}

void TMyKnob2::ReleaseLeft() {
    if (!dragging_) return;
    if (springLoaded_) {
        SetPosition(0);
    } else {
        const int value = PositionFromAngle(mouseAngle_);
        if (value != position_) SetPosition(value);
    }
    dragging_ = false;
}

void TMyKnob2::KeyDown(unsigned short key) {
    switch (key) {
    case VK_PRIOR: SetPosition(position_ + pageSize_); break;
    case VK_NEXT: SetPosition(position_ - pageSize_); break;
    case VK_END: SetPosition(max_); break;
    case VK_HOME: SetPosition(min_); break;
    case VK_LEFT:
    case VK_DOWN: SetPosition(position_ - 1); break;
    case VK_UP:
    case VK_RIGHT: SetPosition(position_ + 1); break;
    default: break;
    }
}

void TMyKnob2::WndProc(TMessage& message) {
    const POINT point = MessagePoint(message.LParam);
    switch (message.Msg) {
    case WM_SIZE:
        Resize();
        break;
    case WM_CREATE:
        TCustomControl::WndProc(message);
        RecalcScale();
        RecalcAngle();
        return;
    case WM_SETFOCUS:
        SyncLabelState();
        break;
    case WM_KILLFOCUS:
        dragging_ = false;
        if (springLoaded_) SetPosition(0);
        SyncLabelState();
        break;
    case WM_GETDLGCODE:
        TCustomControl::WndProc(message);
        message.Result = DLGC_WANTARROWS;
        return;
    case WM_LBUTTONDOWN:
        PressLeft(point.x, point.y);
        break;
    case WM_MOUSEMOVE:
        if (dragging_) MouseDrag(point.x, point.y);
        break;
    case WM_LBUTTONUP:
        ReleaseLeft();
        break;
    case CM_MOUSELEAVE:
        UpdatePositionLabel(position_);
        TCustomControl::WndProc(message);
        Repaint();
        return;
    case WM_MOUSEWHEEL:
        SetPosition(KnobWheelTarget(position_, static_cast<short>(HIWORD(message.WParam))));
        TCustomControl::WndProc(message);
        Repaint();
        return;
    case WM_KEYDOWN:
        TCustomControl::WndProc(message);
        // A key cleared by OnKeyDown is not the knob's to handle.
        if (message.WParam != 0) KeyDown(static_cast<unsigned short>(message.WParam));
        return;
    case CM_ENABLEDCHANGED:
    case CM_PARENTCOLORCHANGED:
        TCustomControl::WndProc(message);
        Repaint();
        return;
    case CM_VISIBLECHANGED:
        if (positionLabel_) positionLabel_->SetVisible(Visible());
        TCustomControl::WndProc(message);
        Repaint();
        return;
    case CM_TEXTCHANGED:
        UpdatePositionLabel(position_);
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}
