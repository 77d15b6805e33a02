#pragma once

#include "toolkit/graphic_control.h"

// An area whose owner draws it in OnPaint, on Canvas, whenever it must be painted.
class TPaintBox : public TGraphicControl {
public:
    explicit TPaintBox(TComponent* owner);

    TNotifyEvent OnPaint;

protected:
    void Paint() override { OnPaint(this); }
};
