#pragma once

#include "toolkit/alignment.h"
#include "toolkit/win_control.h"

// A caption on its parent's background (the platform's static text control). With AutoSize
// it takes the size of its text.
class TLabel : public TWinControl {
public:
    explicit TLabel(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void AdjustBounds();

    bool autoSize_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};
