#pragma once

#include <windows.h>

#include <string>

#include "toolkit/colors.h"
#include "toolkit/font.h"

class TBitmap;

enum class TPenStyle { psSolid, psClear };
enum class TBrushStyle { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

// Drawing on a device context with the current pen, brush and font. The GDI objects are made
// for each drawing call and freed after it, so the canvas never leaves anything selected.
class TCanvas {
public:
    TCanvas() = default;
    explicit TCanvas(HDC dc) : dc_(dc) {}

    HDC Handle() const { return dc_; }
    void SetHandle(HDC dc) { dc_ = dc; }

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const POINT* points, int count);
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    void Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void FillRect(const RECT& rect);
    void FrameRect(const RECT& rect);
    void TextOut(int x, int y, const std::string& text);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    // Copies the bitmap with its top-left corner at (x, y), leaving out its transparent colour
    // when the bitmap is marked transparent.
    void Draw(int x, int y, TBitmap& bitmap);

private:
    template <typename Drawing>
    void WithPenAndBrush(Drawing drawing);

    HDC dc_ = nullptr;
    TPen pen_;
    TBrush brush_;
    TFont font_;
};
