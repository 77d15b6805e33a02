#include "toolkit/image.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void TImage::Paint() {
    if (picture_.Empty()) return;
    if (!stretch_) {
        Canvas().Draw(0, 0, picture_);
        return;
    }
    SavedDC saved(Canvas().Handle());
    ::SetStretchBltMode(Canvas().Handle(), HALFTONE);
    ::StretchBlt(Canvas().Handle(), 0, 0, Width(), Height(), picture_.Canvas().Handle(), 0, 0,
                 picture_.Width(), picture_.Height(), SRCCOPY);
}
