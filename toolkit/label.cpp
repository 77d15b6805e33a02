#include "toolkit/label.h"

#include "toolkit/capture_backdrop.h"

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

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
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

void TLabel::PaintTransparent(TMessage& message) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    PAINTSTRUCT paint = {};
    if (!dc) dc = ::BeginPaint(Handle(), &paint);
    TCanvas canvas(dc);
    CaptureBackdrop(*this, canvas);
    {
        SavedDC saved(dc);
        ::SelectObject(dc, FontHandle());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ColorToRGB(Font().Color()));
        RECT area = ClientRect();
        const UINT align = alignment_ == TAlignment::taLeftJustify    ? DT_LEFT
                           : alignment_ == TAlignment::taRightJustify ? DT_RIGHT
                                                                       : DT_CENTER;
        ::DrawTextA(dc, Caption().c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX | align);
    }
    if (!message.WParam) ::EndPaint(Handle(), &paint);
}

void TLabel::WndProc(TMessage& message) {
    if (transparent_ && message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    if (transparent_ && message.Msg == WM_PAINT) return PaintTransparent(message);
    TWinControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
}
