#include "toolkit/group_box.h"

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
    SetParentColor(true);
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClass = "BUTTON";
    params.Style |= BS_GROUPBOX;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TGroupBox::WndProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        // The platform's group box leaves its inside to the parent, which clips it out.
        const RECT client = ClientRect();
        GdiObject<HBRUSH> brush(::CreateSolidBrush(ColorToRGB(Color())));
        ::FillRect(reinterpret_cast<HDC>(message.WParam), &client, brush.Get());
        message.Result = 1;
        return;
    }
    if (message.Msg == WM_NCHITTEST) {
        // The platform's group box is transparent to the mouse; the controls inside are not.
        message.Result = HTCLIENT;
        return;
    }
    TWinControl::WndProc(message);
}
