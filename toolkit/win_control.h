#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/gdi.h"
#include "toolkit/hint_tips.h"

// How a windowed control's window is made.
struct TCreateParams {
    // A system window class (BUTTON, EDIT, ...) to wrap; empty for the toolkit's own class.
    std::string SystemClass;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
};

// A control with a window of its own. The window is made when Handle is first asked for and is
// bound to its control from its first message on; a wrapped system control keeps its own window
// procedure behind the control's WndProc. Child windows' notifications come back to the child
// as CN_ messages, and graphic children are painted and given their mouse messages from here.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    static TWinControl* FromHandle(HWND window);

    // A window of another program or module to live in (child) or be owned by (top level).
    HWND ParentWindow() const { return parentWindow_; }
    void SetParentWindow(HWND window);

    // Graphic children first, then windowed children, each in the order they were added.
    int ControlCount() const;
    TControl* Controls(int index) const;
    // The topmost visible graphic child at a client point.
    TControl* ControlAtPos(POINT point, bool allowDisabled) const;

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    bool Focused() const;
    virtual bool CanFocus() const;
    void SetFocus();

    void SetParent(TWinControl* parent) override;
    RECT ClientRect() const override;
    POINT OriginInWindow() const override { return {0, 0}; }
    void Invalidate() override;
    void Update() override;
    void WndProc(TMessage& message) override;

    // Moves every child by (dx, dy) and the window's picture with them.
    void ScrollBy(int dx, int dy);

    // Paints the control's own face into a device context (no children).
    virtual void PaintWindow(HDC dc);
    // Paints the visible graphic children that intersect the DC's clip area.
    void PaintControls(HDC dc);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    virtual void CreateParams(TCreateParams& params);
    // The window exists: pass it the state set before.
    virtual void CreateWnd();
    // Brush and colours for a wrapped system control's background and text.
    virtual LRESULT ControlColor(HDC dc);
    void DefaultHandler(TMessage& message) override;
    HWND DrawingWindow() const override;
    void BoundsChanged(const RECT& oldBounds) override;
    void FontChanged() override;
    bool IsSystemClass() const { return defaultProc_ != nullptr; }
    // The hints a top-level window keeps for the controls inside it; none by default.
    virtual THintTips* OwnHintTips() { return nullptr; }
    HFONT FontHandle() const { return fontHandle_.Get(); }

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void CreateHandle();
    void UpdateBounds();
    void PaintHandler(TMessage& message);
    bool RouteMouseToChild(TMessage& message);
    void TrackMouseControl(TControl* control);
    void Reflect(TMessage& message, HWND child);
    void KeyMessage(TMessage& message);
    THintTips* TopLevelHintTips();
    void GraphicChildMoved(TControl* control);
    void AnswerHintText(NMHDR& request);

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    HWND parentWindow_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    std::vector<TControl*> graphicControls_;
    std::vector<TControl*> winControls_;
    GdiObject<HFONT> fontHandle_;
    GdiObject<HBRUSH> colorBrush_;
    bool tabStop_ = false;
    bool trackingLeave_ = false;
};
