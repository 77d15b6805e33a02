#include "toolkit/bitmap.h"

#include <algorithm>

TBitmap::TBitmap() {
    canvas_.SetHandle(dc_.Get());
    originalBitmap_ = ::GetCurrentObject(dc_.Get(), OBJ_BITMAP);
}

TBitmap::~TBitmap() { ::SelectObject(dc_.Get(), originalBitmap_); }

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    Recreate(width, height, format_, true);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == format_) return;
    Recreate(width_, height_, format, true);
}

void TBitmap::Recreate(int width, int height, TPixelFormat format, bool keepPicture) {
    GdiObject<HBITMAP> created;
    std::uint8_t* bits = nullptr;
    if (width > 0 && height > 0) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = format == TPixelFormat::pf24bit ? 24 : 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pixels = nullptr;
        created.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
        bits = static_cast<std::uint8_t*>(pixels);
        if (!created) width = height = 0;
    }
    if (keepPicture && created && bitmap_) {
        MemoryDC copy;
        ::GdiFlush();
        SelectedObject selected(copy.Get(), created.Get());
        ::BitBlt(copy.Get(), 0, 0, std::min(width, width_), std::min(height, height_),
                 dc_.Get(), 0, 0, SRCCOPY);
    }
    ::SelectObject(dc_.Get(), created ? static_cast<HGDIOBJ>(created.Get()) : originalBitmap_);
    bitmap_ = std::move(created);
    bits_ = bits;
    width_ = width;
    height_ = height;
    format_ = format;
}

std::uint8_t* TBitmap::ScanLine(int y) {
    ::GdiFlush();
    return bits_ + static_cast<std::size_t>(y) * RowBytes();
}

TColor TBitmap::PixelAt(int x, int y) {
    const std::uint8_t* pixel = ScanLine(y) + x * BytesPerPixel();
    return RGBColor(pixel[2], pixel[1], pixel[0]);
}

void TBitmap::Assign(TBitmap& source) {
    if (&source == this) return;
    Recreate(source.width_, source.height_, source.format_, false);
    if (!Empty()) {
        ::GdiFlush();
        std::copy_n(source.ScanLine(0), RowBytes() * height_, bits_);
    }
    transparent_ = source.transparent_;
    transparentColor_ = source.transparentColor_;
}

void TBitmap::AssignHandle(HBITMAP source) {
    BITMAP description = {};
    if (!source || !::GetObjectA(source, sizeof(description), &description)) {
        Recreate(0, 0, format_, false);
        return;
    }
    Recreate(description.bmWidth, description.bmHeight, format_, false);
    MemoryDC sourceDC;
    SelectedObject selected(sourceDC.Get(), source);
    ::BitBlt(dc_.Get(), 0, 0, width_, height_, sourceDC.Get(), 0, 0, SRCCOPY);
}

bool TBitmap::LoadFromResource(HINSTANCE instance, const char* name) {
    GdiObject<HBITMAP> loaded(static_cast<HBITMAP>(
        ::LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!loaded) return false;
    AssignHandle(loaded.Get());
    return true;
}

void TBitmap::DrawTransparent(HDC target, int x, int y) {
    // Mask: 1 where the picture has its transparent colour.
    MemoryDC maskDC;
    GdiObject<HBITMAP> mask(::CreateBitmap(width_, height_, 1, 1, nullptr));
    SelectedObject selectedMask(maskDC.Get(), mask.Get());
    {
        SavedDC saved(dc_.Get());
        ::SetBkColor(dc_.Get(), ColorToRGB(transparentColor_));
        ::BitBlt(maskDC.Get(), 0, 0, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
    }
    // The picture with its transparent pixels turned black, to be ORed onto the hole.
    TBitmap picture;
    picture.Assign(*this);
    {
        HDC pictureDC = picture.Canvas().Handle();
        SavedDC saved(pictureDC);
        ::SetBkColor(pictureDC, RGB(0, 0, 0));
        ::SetTextColor(pictureDC, RGB(255, 255, 255));
        ::BitBlt(pictureDC, 0, 0, width_, height_, maskDC.Get(), 0, 0, SRCAND);
    }
    SavedDC saved(target);
    ::SetBkColor(target, RGB(255, 255, 255));
    ::SetTextColor(target, RGB(0, 0, 0));
    ::BitBlt(target, x, y, width_, height_, maskDC.Get(), 0, 0, SRCAND);
    ::BitBlt(target, x, y, width_, height_, picture.Canvas().Handle(), 0, 0, SRCPAINT);
}
