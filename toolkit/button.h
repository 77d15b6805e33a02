#pragma once

#include "toolkit/win_control.h"

// A push button (the platform's button). A button with a ModalResult ends the modal display
// of its form with that result when clicked.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Click() override;

private:
    int modalResult_ = 0;
};
