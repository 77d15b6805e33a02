#include "toolkit/edit.h"

#include <vector>

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

void TEdit::SetMaxLength(int maxLength) {
    maxLength_ = maxLength;
    if (HandleAllocated()) ::SendMessageA(Handle(), EM_LIMITTEXT, maxLength_, 0);
}

void TEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClass = "EDIT";
    params.Style |= ES_AUTOHSCROLL;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::CreateWnd() {
    TWinControl::CreateWnd();
    ::SendMessageA(Handle(), EM_LIMITTEXT, maxLength_, 0);
}

void TEdit::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
        std::vector<char> text(::GetWindowTextLengthA(Handle()) + 1);
        ::GetWindowTextA(Handle(), text.data(), static_cast<int>(text.size()));
        StoreCaption(text.data());
        OnChange(this);
        return;
    }
    TWinControl::WndProc(message);
    // With a window, the text change comes back as the edit control's own notice.
    if (message.Msg == CM_TEXTCHANGED && !HandleAllocated()) OnChange(this);
}
