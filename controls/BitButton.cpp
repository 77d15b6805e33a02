#include "controls/BitButton.h"

#include "toolkit/capture_backdrop.h"
#include "toolkit/module_instance.h"

TBitButton::TBitButton(TComponent* owner) : TGraphicControl(owner) {
    // The parent paints behind the button.
    SetControlStyle(ControlStyle() & ~(csAcceptsControls | csOpaque));
    SetBounds(Left(), Top(), 83, 31);
}

void TBitButton::LoadBmpFromResource(int resourceId) {
    TBitmap strip;
    strip.LoadFromResource(ModuleInstance(), MAKEINTRESOURCEA(resourceId));
    SetBmp(strip);
}

void TBitButton::SetBmp(TBitmap& strip) {
    bmp_.Assign(strip);
    Invalidate();
}

void TBitButton::SetBmpPosx(int x) {
    bmpPosx_ = x;
    Invalidate();
}

void TBitButton::SetBmpPosy(int y) {
    bmpPosy_ = y;
    Invalidate();
}

void TBitButton::SetTransparentBmp(bool transparent) {
    transparentBmp_ = transparent;
    Invalidate();
}

void TBitButton::Paint() {
    if (transparentBmp_ && !bmp_.Empty()) bmp_.SetTransparentColor(bmp_.PixelAt(0, 0));
    bmp_.SetTransparent(transparentBmp_);

    const RECT client = ClientRect();
    TBitmap backdrop;
    backdrop.SetPixelFormat(TPixelFormat::pf32bit);
    backdrop.SetSize(client.right + 10, client.bottom + 10);
    CaptureBackdrop(*this, backdrop.Canvas());

    TBitmap frame;
    frame.SetPixelFormat(TPixelFormat::pf32bit);
    frame.SetSize(Width(), Height());
    frame.Canvas().Draw(0, 0, backdrop);
    if (!bmp_.Empty()) {
        const int offset = buttonState_ == bsHot       ? Width()
                           : buttonState_ == bsPressed ? 2 * Width()
                                                       : 0;
        frame.Canvas().Draw(-bmpPosx_ - offset, -bmpPosy_, bmp_);
    }
    backdrop.Canvas().Draw(0, 0, frame);
    Canvas().Draw(0, 0, backdrop);
}

void TBitButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
        TGraphicControl::WndProc(message);
        buttonState_ = bsHot;
        Repaint();
        return;
    case CM_MOUSELEAVE:
        buttonState_ = bsNormal;
        TGraphicControl::WndProc(message);
        Repaint();
        return;
    case WM_LBUTTONDOWN:
        TGraphicControl::WndProc(message);
        buttonState_ = bsPressed;
        Repaint();
        return;
    case WM_LBUTTONUP:
        TGraphicControl::WndProc(message);
        buttonState_ = bsHot;
        Repaint();
        return;
    default:
        TGraphicControl::WndProc(message);
        return;
    }
}
