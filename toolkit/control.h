#pragma once

#include <windows.h>

#include <string>

#include "toolkit/colors.h"
#include "toolkit/component.h"
#include "toolkit/events.h"
#include "toolkit/font.h"
#include "toolkit/message.h"

class TWinControl;

// What kind of control it is, fixed by its class.
enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1,
    csCaptureMouse = 2,
    csClickEvents = 4,
    // Paints its whole area: invalidating it never erases the background first.
    csOpaque = 8,
    csReplicatable = 16,
    csDoubleClicks = 32,
};
using TControlStyle = unsigned;

// What a control is doing at the moment.
enum TControlStateFlag : unsigned {
    csClicked = 1,
    // The control paints into a device context that is not its own (a copy of its image).
    csPaintCopy = 2,
};
using TControlState = unsigned;

// The base of every visible control: bounds, visibility, enabled state, caption, colour, font,
// hint and the mouse events. A control without a window of its own (a graphic control) is
// painted by its parent and gets its mouse messages from it, in its own coordinates.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect() const { return {0, 0, width_, height_}; }
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible, and every parent up to a top-level window visible too.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::string& Text() const { return caption_; }
    void SetText(const std::string& text) { SetCaption(text); }

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    TFont& Font() { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint);

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState state) { controlState_ = state; }

    // Marks the control for painting at the next paint request.
    virtual void Invalidate();
    // Paints what is marked, at once.
    virtual void Update();
    // Invalidate and Update.
    void Repaint();

    // Sends a message straight to the control's WndProc and returns its result.
    LRESULT Perform(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Every message of the control passes here; overrides act before or after the base.
    virtual void WndProc(TMessage& message);

    POINT ClientToScreen(POINT point) const;
    POINT ScreenToClient(POINT point) const;
    // The control's client origin in the coordinates of the window that draws it.
    virtual POINT OriginInWindow() const;

    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    virtual void Click() { OnClick(this); }
    virtual void DblClick() { OnDblClick(this); }
    // The window procedure's own answer: nothing for a graphic control.
    virtual void DefaultHandler(TMessage& message);
    // The window of the control, or of the parent that draws it.
    virtual HWND DrawingWindow() const;
    // Applies bounds already set in the fields to the screen.
    virtual void BoundsChanged(const RECT& oldBounds);
    virtual void VisibleChanging() {}
    virtual void FontChanged();

    void SetBoundsFields(int left, int top, int width, int height);
    // Records a caption the window already shows (typed by the user), without any notice.
    void StoreCaption(const std::string& caption) { caption_ = caption; }
    // The colour or font of the parent changed; the control follows if it takes them over.
    void ParentColorChanged(TColor color);
    void ParentFontChanged(const TFont& font);
    void ParentShowHintChanged(bool showHint);

private:
    void MouseButtonMessage(TMessage& message);
    void FontChange(TObject* sender);

    friend class TWinControl;

    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks;
    TControlState controlState_ = 0;
};

// Mouse position of a mouse message's lParam, signed.
inline POINT MessagePoint(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
// The current state of the shift, control and alt keys.
TShiftState KeyboardShiftState();
