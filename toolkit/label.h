#pragma once

#include "toolkit/alignment.h"
#include "toolkit/win_control.h"

// A caption on its parent's background (the platform's static text control), wrapped at word
// breaks within its width. With AutoSize it takes the size of its text; a transparent one
// shows what its parent draws under it, pictures included, and paints its text over that.
class TLabel : public TWinControl {
public:
    explicit TLabel(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void AdjustBounds();
    void PaintTransparent(TMessage& message);

    bool autoSize_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool transparent_ = false;
};
