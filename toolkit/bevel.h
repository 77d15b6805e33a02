#pragma once

#include "toolkit/graphic_control.h"

enum class TBevelShape { bsBox, bsFrame };
enum class TBevelStyle { bsLowered, bsRaised };

// An etched frame (bsFrame) or a sunken or raised box edge (bsBox) drawn on its parent.
class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* owner);

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

protected:
    void Paint() override;

private:
    TBevelShape shape_ = TBevelShape::bsBox;
    TBevelStyle style_ = TBevelStyle::bsLowered;
};
