#include "toolkit/graphic_control.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
        Paint();
        canvas_.SetHandle(nullptr);
        return;
    }
    TControl::WndProc(message);
}
