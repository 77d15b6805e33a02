#pragma once

#include "toolkit/win_control.h"

// A check box (the platform's button). OnClick reports every change of Checked, by the user or
// in code, and nothing when the state is set to what it already is.
class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    bool checked_ = false;
};
