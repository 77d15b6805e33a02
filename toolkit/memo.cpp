#include "toolkit/memo.h"

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
}

void TMemo::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    if (HandleAllocated()) ::SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TMemo::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClass = "EDIT";
    params.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (!wordWrap_) params.Style |= ES_AUTOHSCROLL;
    if (readOnly_) params.Style |= ES_READONLY;
    if (border_) params.ExStyle |= WS_EX_CLIENTEDGE;
}
