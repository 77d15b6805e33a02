#pragma once

#include "toolkit/win_control.h"

// A multi-line text field (the platform's edit control) without scroll bars; its text holds
// the lines separated by "\r\n". The border and word wrap are taken when its window is made.
class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool Border() const { return border_; }
    void SetBorder(bool border) { border_ = border; }
    // Without word wrap a line longer than the field is cut at its right edge.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap) { wordWrap_ = wordWrap; }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool readOnly_ = false;
    bool border_ = true;
    bool wordWrap_ = true;
};
