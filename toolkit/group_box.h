#pragma once

#include "toolkit/win_control.h"

// A captioned frame holding other controls (the platform's group box).
class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
};
