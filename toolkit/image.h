#pragma once

#include "toolkit/bitmap.h"
#include "toolkit/graphic_control.h"

// A picture drawn on its parent, at its natural size or stretched to the control.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    TBitmap& Picture() { return picture_; }
    // Call after changing the picture so that it shows.
    void PictureChanged() { Invalidate(); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

protected:
    void Paint() override;

private:
    TBitmap picture_;
    bool stretch_ = false;
};
