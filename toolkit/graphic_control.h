#pragma once

#include "toolkit/canvas.h"
#include "toolkit/control.h"

// A control without a window of its own: its parent paints it, in its own coordinates, and
// passes it the mouse messages that fall on it.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);

    TCanvas& Canvas() { return canvas_; }
    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    TCanvas canvas_;
};
