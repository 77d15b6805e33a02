#include "toolkit/label.h"

#include "toolkit/capture_backdrop.h"

namespace {

// The static control's style and DrawText's format for the alignment.
DWORD StaticAlignmentStyle(TAlignment alignment) {
    switch (alignment) {
    case TAlignment::taLeftJustify: return SS_LEFT;
    case TAlignment::taRightJustify: return SS_RIGHT;
    case TAlignment::taCenter: break;
    }
    return SS_CENTER;
}

UINT DrawTextAlignment(TAlignment alignment) {
    switch (alignment) {
    case TAlignment::taLeftJustify: return DT_LEFT;
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: break;
    }
    return DT_CENTER;
}

}  // namespace

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
        style |= StaticAlignmentStyle(alignment);
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
    params.Style |= SS_NOPREFIX | StaticAlignmentStyle(alignment_);
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
        ::DrawTextA(dc, Caption().c_str(), -1, &area,
                    DT_WORDBREAK | DT_NOPREFIX | DrawTextAlignment(alignment_));
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
