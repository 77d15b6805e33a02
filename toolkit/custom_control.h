#pragma once

#include "toolkit/canvas.h"
#include "toolkit/win_control.h"

// A windowed control that draws itself on a canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);

    TCanvas& Canvas() { return canvas_; }
    void PaintWindow(HDC dc) override;
    // Paints at once on the window, outside a paint request; nothing before the window exists.
    void PaintNow();

protected:
    virtual void Paint() {}

private:
    TCanvas canvas_;
};
