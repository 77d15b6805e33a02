#include "toolkit/custom_control.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
    canvas_.SetHandle(dc);
    Paint();
    canvas_.SetHandle(nullptr);
}

void TCustomControl::PaintNow() {
    if (!HandleAllocated()) return;
    WindowDC dc(Handle());
    PaintWindow(dc.Get());
}
