#include "toolkit/jpeg_resource.h"

#include "toolkit/jpeg_decoder.h"

bool LoadJpegResource(TBitmap& bitmap, HINSTANCE instance, int resourceId) {
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(resourceId), RT_RCDATA);
    HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    const void* stream = loaded ? ::LockResource(loaded) : nullptr;
    if (!stream) return false;
    JpegPicture picture;
    std::string error;
    if (!DecodeJpeg(static_cast<const std::uint8_t*>(stream), ::SizeofResource(instance, found),
                    picture, error))
        return false;
    bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    bitmap.SetSize(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* from = picture.rgb.data() + static_cast<std::size_t>(y) * picture.width * 3;
        std::uint8_t* to = bitmap.ScanLine(y);
        for (int x = 0; x < picture.width; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return true;
}
