#include "toolkit/label.h"

TLabel::TLabel(TComponent* owner) : TWinControl(owner) {
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    if (HandleAllocated()) {
        LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE) & ~0x3;
        style |= alignment == TAlignment::taLeftJustify ? SS_LEFT
                 : alignment == TAlignment::taRightJustify ? SS_RIGHT
                                                           : SS_CENTER;
        ::SetWindowLongPtrA(Handle(), GWL_STYLE, style);
        Invalidate();
    }
}

void TLabel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClass = "STATIC";
    params.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
    params.Style |= SS_NOPREFIX | (alignment_ == TAlignment::taLeftJustify    ? SS_LEFT
                                   : alignment_ == TAlignment::taRightJustify ? SS_RIGHT
                                                                               : SS_CENTER);
}

void TLabel::AdjustBounds() {
    if (!autoSize_) return;
    HDC screen = ::GetDC(nullptr);
    GdiObject<HFONT> font(Font().CreateHandle());
    SIZE size = {};
    {
        SelectedObject selected(screen, font.Get());
        const std::string& text = Caption().empty() ? std::string(" ") : Caption();
        ::GetTextExtentPoint32A(screen, text.data(), static_cast<int>(text.size()), &size);
    }
    ::ReleaseDC(nullptr, screen);
    SetBounds(Left(), Top(), Caption().empty() ? 0 : size.cx, size.cy);
}

void TLabel::WndProc(TMessage& message) {
    TWinControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
}
