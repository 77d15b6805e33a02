#pragma once

#include "toolkit/win_control.h"

// A one-line text field (the platform's edit control). OnChange reports every change of the
// text, typed or set in code.
class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength);

    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    int maxLength_ = 0;
};
