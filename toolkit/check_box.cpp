#include "toolkit/check_box.h"

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetParentColor(true);
    SetControlStyle(ControlStyle() & ~csClickEvents);
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (HandleAllocated()) ::SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : 0, 0);
    Click();
}

void TCheckBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClass = "BUTTON";
    params.Style |= BS_CHECKBOX;
}

void TCheckBox::CreateWnd() {
    TWinControl::CreateWnd();
    ::SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : 0, 0);
}

void TCheckBox::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        SetChecked(!checked_);
        return;
    }
    TWinControl::WndProc(message);
}
