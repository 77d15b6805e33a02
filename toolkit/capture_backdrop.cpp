#include "toolkit/capture_backdrop.h"

#include "toolkit/gdi.h"
#include "toolkit/win_control.h"

namespace {

// Marks a control as painting into a foreign DC for as long as it lives.
class PaintingCopy {
public:
    explicit PaintingCopy(TControl& control) : control_(control) {
        control_.SetControlState(control_.ControlState() | csPaintCopy);
    }
    PaintingCopy(const PaintingCopy&) = delete;
    PaintingCopy& operator=(const PaintingCopy&) = delete;
    ~PaintingCopy() { control_.SetControlState(control_.ControlState() & ~csPaintCopy); }

private:
    TControl& control_;
};

}  // namespace

void CaptureBackdrop(TControl& control, TCanvas& canvas) {
    TWinControl* parent = control.Parent();
    if (!parent) return;
    HDC dc = canvas.Handle();
    {
        PaintingCopy copying(*parent);
        SavedDC saved(dc);
        ::SetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
        ::IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
        parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
        parent->PaintWindow(dc);
    }
    const RECT bounds = control.BoundsRect();
    for (int index = 0; index < parent->ControlCount(); ++index) {
        TControl* child = parent->Controls(index);
        if (child == &control) break;
        const RECT childBounds = child->BoundsRect();
        RECT overlap = {};
        if (dynamic_cast<TWinControl*>(child) || !child->Visible() ||
            !::IntersectRect(&overlap, &bounds, &childBounds))
            continue;
        SavedDC saved(dc);
        ::SetViewportOrgEx(dc, child->Left() - control.Left(), child->Top() - control.Top(),
                           nullptr);
        ::IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
        PaintingCopy copying(*child);
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    }
}
