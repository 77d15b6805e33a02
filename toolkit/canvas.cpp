#include "toolkit/canvas.h"

#include "toolkit/bitmap.h"
#include "toolkit/gdi.h"

namespace {

HPEN CreatePenFor(const TPen& pen) {
    if (pen.Style == TPenStyle::psClear) return static_cast<HPEN>(::GetStockObject(NULL_PEN));
    return ::CreatePen(PS_SOLID, pen.Width, ColorToRGB(pen.Color));
}

HBRUSH CreateBrushFor(const TBrush& brush) {
    if (brush.Style == TBrushStyle::bsClear)
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    return ::CreateSolidBrush(ColorToRGB(brush.Color));
}

}  // namespace

template <typename Drawing>
void TCanvas::WithPenAndBrush(Drawing drawing) {
    GdiObject<HPEN> pen(CreatePenFor(pen_));
    GdiObject<HBRUSH> brush(CreateBrushFor(brush_));
    SelectedObject selectedPen(dc_, pen.Get());
    SelectedObject selectedBrush(dc_, brush.Get());
    drawing();
}

void TCanvas::MoveTo(int x, int y) { ::MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
    WithPenAndBrush([&] { ::LineTo(dc_, x, y); });
}

void TCanvas::Polyline(const POINT* points, int count) {
    WithPenAndBrush([&] { ::Polyline(dc_, points, count); });
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    WithPenAndBrush([&] { ::Rectangle(dc_, left, top, right, bottom); });
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    WithPenAndBrush([&] { ::Ellipse(dc_, left, top, right, bottom); });
}

void TCanvas::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    WithPenAndBrush([&] { ::Pie(dc_, left, top, right, bottom, x1, y1, x2, y2); });
}

void TCanvas::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    WithPenAndBrush([&] { ::Arc(dc_, left, top, right, bottom, x1, y1, x2, y2); });
}

void TCanvas::FillRect(const RECT& rect) {
    if (brush_.Style == TBrushStyle::bsClear) return;
    GdiObject<HBRUSH> brush(CreateBrushFor(brush_));
    ::FillRect(dc_, &rect, brush.Get());
}

void TCanvas::FrameRect(const RECT& rect) {
    GdiObject<HBRUSH> brush(::CreateSolidBrush(ColorToRGB(brush_.Color)));
    ::FrameRect(dc_, &rect, brush.Get());
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    GdiObject<HFONT> font(font_.CreateHandle());
    SelectedObject selected(dc_, font.Get());
    ::SetTextColor(dc_, ColorToRGB(font_.Color()));
    if (brush_.Style == TBrushStyle::bsClear) {
        ::SetBkMode(dc_, TRANSPARENT);
    } else {
        ::SetBkMode(dc_, OPAQUE);
        ::SetBkColor(dc_, ColorToRGB(brush_.Color));
    }
    ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

SIZE TCanvas::TextExtent(const std::string& text) {
    GdiObject<HFONT> font(font_.CreateHandle());
    SelectedObject selected(dc_, font.Get());
    SIZE size = {};
    ::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

TColor TCanvas::Pixel(int x, int y) const { return ::GetPixel(dc_, x, y); }

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(dc_, x, y, ColorToRGB(color)); }

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
    if (bitmap.Empty()) return;
    if (bitmap.Transparent())
        bitmap.DrawTransparent(dc_, x, y);
    else
        ::BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0,
                 SRCCOPY);
}
