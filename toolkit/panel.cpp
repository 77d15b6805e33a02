#include "toolkit/panel.h"

#include "toolkit/frame3d.h"

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
    bevelOuter_ = bevel;
    Invalidate();
}

void TPanel::SetBevelWidth(int width) {
    bevelWidth_ = width;
    Invalidate();
}

void TPanel::Paint() {
    TCanvas& canvas = Canvas();
    RECT rect = ClientRect();
    if (bevelOuter_ == TPanelBevel::bvLowered)
        Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, bevelWidth_);
    else if (bevelOuter_ == TPanelBevel::bvRaised)
        Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, bevelWidth_);
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = Color();
    canvas.FillRect(rect);
    if (Caption().empty()) return;
    canvas.Font().Assign(Font());
    canvas.Brush().Style = TBrushStyle::bsClear;
    const SIZE text = canvas.TextExtent(Caption());
    canvas.TextOut((rect.left + rect.right - text.cx) / 2, (rect.top + rect.bottom - text.cy) / 2,
                   Caption());
}
