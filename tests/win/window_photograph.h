#pragma once
// Photographs of what the screen shows, for the Windows tests that look at the plug-in's window.

#include <windows.h>

#include <cstdio>
#include <string>

// The screen's rectangle as a 24-bit BMP file; says whether the file was written.
inline bool PhotographScreenArea(const RECT& area, const std::string& path) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    const int stride = (width * 3 + 3) & ~3;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(offset + stride * height), 0, 0, offset};
    bool written = false;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        written = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                  std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out) == 1 &&
                  std::fwrite(bits, stride * height, 1, out) == 1;
        std::fclose(out);
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return written;
}

// The window as the screen shows it, frame and caption included.
inline bool PhotographWindow(HWND window, const std::string& path) {
    RECT area;
    ::GetWindowRect(window, &area);
    return PhotographScreenArea(area, path);
}

// The window's client area as the screen shows it.
inline bool PhotographClientArea(HWND window, const std::string& path) {
    RECT area;
    ::GetClientRect(window, &area);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return PhotographScreenArea(area, path);
}
