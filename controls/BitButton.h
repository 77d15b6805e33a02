#pragma once

#include "toolkit/bitmap.h"
#include "toolkit/graphic_control.h"

// A push button drawn entirely from one bitmap strip holding its normal, hot and pressed looks
// side by side. Pixels in the strip's top-left colour let the parent show through, so the
// button can have any outline. It has no caption and takes no focus.
class TBitButton : public TGraphicControl {
public:
    enum ButtonStates : unsigned char { bsNormal = 0, bsPressed = 1, bsHot = 2 };

    explicit TBitButton(TComponent* owner);

    TBitmap& Bmp() { return bmp_; }
    // Copies the strip into the button's own bitmap.
    void SetBmp(TBitmap& strip);
    // Takes the strip from a bitmap resource of this module.
    void LoadBmpFromResource(int resourceId);
    int BmpPosx() const { return bmpPosx_; }
    void SetBmpPosx(int x);
    int BmpPosy() const { return bmpPosy_; }
    void SetBmpPosy(int y);
    bool TransparentBmp() const { return transparentBmp_; }
    void SetTransparentBmp(bool transparent);

    unsigned char ButtonState() const { return buttonState_; }

    void WndProc(TMessage& message) override;

    TNotifyEvent onClick;
    TNotifyEvent onDblClick;

protected:
    void Paint() override;
    void Click() override { onClick(this); }
    void DblClick() override { onDblClick(this); }

private:
    TBitmap bmp_;
    int bmpPosx_ = 0;
    int bmpPosy_ = 0;
    bool transparentBmp_ = true;
    unsigned char buttonState_ = bsNormal;
};
