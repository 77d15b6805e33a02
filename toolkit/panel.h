#pragma once

#include "toolkit/custom_control.h"

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

// A plain area holding other controls, filled with its colour inside an optional bevel, with
// its caption in the middle.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);

    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);

protected:
    void Paint() override;

private:
    TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
    int bevelWidth_ = 1;
};
