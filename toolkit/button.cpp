#include "toolkit/button.h"

#include "toolkit/form.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetControlStyle(ControlStyle() & ~csClickEvents);
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClass = "BUTTON";
    params.Style |= BS_PUSHBUTTON;
}

void TButton::Click() {
    if (modalResult_ != 0) {
        TWinControl* top = Parent();
        while (top && top->Parent()) top = top->Parent();
        if (auto* form = dynamic_cast<TForm*>(top)) form->SetModalResult(modalResult_);
    }
    TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TWinControl::WndProc(message);
}
