#pragma once

#include <windows.h>

#include "tests/win/message_pump.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"

inline LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

// One shown top-level form, in one plain colour, that the controls under test are put on and
// taken off again. It is shared and never hidden: hiding a window costs two seconds under wine
// without a window manager.
inline TForm* TestForm(TColor color) {
    static TForm* const form = [] {
        auto* shown = new TForm(nullptr);
        shown->SetBorderStyle(TFormBorderStyle::bsNone);
        shown->SetBounds(40, 40, 320, 240);
        shown->Show();
        return shown;
    }();
    form->SetColor(color);
    form->Repaint();
    PumpMessages();
    return form;
}

// What a windowed or custom control paints, taken off-screen.
template <typename Control>
void PaintInto(Control& control, TBitmap& bitmap) {
    bitmap.SetSize(control.Width(), control.Height());
    control.PaintWindow(bitmap.Canvas().Handle());
}

// What a graphic control paints, taken off-screen through the paint message its parent sends.
inline void PaintGraphicInto(TControl& control, TBitmap& bitmap) {
    bitmap.SetSize(control.Width(), control.Height());
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()));
}

// A pixel of a window as it shows on the screen.
inline TColor ScreenPixel(HWND window, int x, int y) {
    HDC dc = ::GetDC(window);
    const COLORREF color = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return color;
}
