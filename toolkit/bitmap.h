#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/canvas.h"
#include "toolkit/colors.h"
#include "toolkit/gdi.h"

enum class TPixelFormat { pf24bit, pf32bit };

// An off-screen picture: a top-down device-independent bitmap with a canvas of its own and
// direct access to its rows (blue, green, red bytes; a fourth unused byte at 32 bits).
class TBitmap : public TObject {
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    // Keeps the picture's top-left part; new area starts black.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }

    TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat format);
    int BytesPerPixel() const { return format_ == TPixelFormat::pf24bit ? 3 : 4; }

    // Bytes from one row to the next: whole pixels rounded up to four bytes.
    int RowBytes() const { return (width_ * BytesPerPixel() + 3) & ~3; }
    // Row y of the picture; drawing through the canvas is finished first.
    std::uint8_t* ScanLine(int y);
    TColor PixelAt(int x, int y);

    TCanvas& Canvas() { return canvas_; }
    HBITMAP Handle() const { return bitmap_.Get(); }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor color) { transparentColor_ = color; }

    // Copies size, pixel format, pixels and transparency of another bitmap.
    void Assign(TBitmap& source);
    // Copies a GDI bitmap (for example one loaded from the program's resources).
    void AssignHandle(HBITMAP source);
    bool LoadFromResource(HINSTANCE instance, const char* name);

    // The copy behind TCanvas::Draw for a transparent bitmap.
    void DrawTransparent(HDC target, int x, int y);

private:
    void Recreate(int width, int height, TPixelFormat format, bool keepPicture);

    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = TPixelFormat::pf24bit;
    std::uint8_t* bits_ = nullptr;
    MemoryDC dc_;
    GdiObject<HBITMAP> bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    TCanvas canvas_;
    bool transparent_ = false;
    TColor transparentColor_ = clBlack;
};
