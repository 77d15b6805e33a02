#include "toolkit/control.h"

#include "toolkit/mouse_tracking.h"
#include "toolkit/win_control.h"

TShiftState KeyboardShiftState() {
    TShiftState shift = 0;
    if (::GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (::GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (::GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = TNotifyEvent(this, &TControl::FontChange);
}

TControl::~TControl() {
    MouseTracking::Forget(this);
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) {
        Invalidate();
        parent_->RemoveControl(this);
    }
    if (parent) {
        parent->InsertControl(this);
        if (parentColor_) color_ = parent->Color();
        if (parentFont_) font_.Assign(parent->Font());
        if (parentShowHint_) showHint_ = parent->ShowHint();
        Invalidate();
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    const RECT oldBounds = BoundsRect();
    SetBoundsFields(left, top, width, height);
    BoundsChanged(oldBounds);
}

void TControl::SetBoundsFields(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::BoundsChanged(const RECT& oldBounds) {
    if (!parent_ || !parent_->HandleAllocated()) return;
    parent_->GraphicChildMoved(this);
    if (!visible_) return;
    ::InvalidateRect(parent_->Handle(), &oldBounds, TRUE);
    Invalidate();
}

bool TControl::Showing() const {
    if (!visible_) return false;
    if (!parent_) return true;
    return parent_->Showing();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible) Invalidate();
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible);
    if (visible) Invalidate();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    if (parentColor && parent_) ParentColorChanged(parent_->Color());
}

void TControl::ParentColorChanged(TColor color) {
    if (parentColor_ && color != color_) {
        color_ = color;
        Perform(CM_COLORCHANGED);
    }
    Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont && parent_) font_.Assign(parent_->Font());
}

void TControl::ParentFontChanged(const TFont& font) {
    if (parentFont_) font_.Assign(font);
}

void TControl::FontChange(TObject*) {
    // A font set on the control itself is no longer the parent's.
    if (parent_ && !(font_ == parent_->Font())) parentFont_ = false;
    FontChanged();
}

void TControl::FontChanged() { Perform(CM_FONTCHANGED); }

void TControl::SetShowHint(bool showHint) {
    parentShowHint_ = false;
    if (showHint == showHint_) return;
    showHint_ = showHint;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool parentShowHint) {
    parentShowHint_ = parentShowHint;
    if (parentShowHint && parent_) ParentShowHintChanged(parent_->ShowHint());
}

void TControl::ParentShowHintChanged(bool showHint) {
    if (!parentShowHint_ || showHint == showHint_) return;
    showHint_ = showHint;
    Perform(CM_SHOWHINTCHANGED);
}

HWND TControl::DrawingWindow() const {
    return parent_ && parent_->HandleAllocated() ? parent_->Handle() : nullptr;
}

void TControl::Invalidate() {
    HWND window = DrawingWindow();
    if (!window || !visible_) return;
    const RECT bounds = BoundsRect();
    ::InvalidateRect(window, &bounds, !(controlStyle_ & csOpaque));
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

LRESULT TControl::Perform(UINT message, WPARAM wParam, LPARAM lParam) {
    TMessage performed = {message, wParam, lParam, 0};
    WndProc(performed);
    return performed.Result;
}

POINT TControl::OriginInWindow() const {
    if (!parent_) return {0, 0};
    POINT origin = {left_, top_};
    return origin;
}

POINT TControl::ClientToScreen(POINT point) const {
    const POINT origin = OriginInWindow();
    point.x += origin.x;
    point.y += origin.y;
    if (HWND window = DrawingWindow()) ::ClientToScreen(window, &point);
    return point;
}

POINT TControl::ScreenToClient(POINT point) const {
    if (HWND window = DrawingWindow()) ::ScreenToClient(window, &point);
    const POINT origin = OriginInWindow();
    point.x -= origin.x;
    point.y -= origin.y;
    return point;
}

bool TControl::MouseCapture() const { return MouseTracking::CaptureControl() == this; }

void TControl::SetMouseCapture(bool capture) {
    if (capture == MouseCapture()) return;
    if (capture) {
        MouseTracking::SetCaptureControl(this);
        if (HWND window = DrawingWindow()) ::SetCapture(window);
    } else {
        MouseTracking::SetCaptureControl(nullptr);
        ::ReleaseCapture();
    }
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        MouseButtonMessage(message);
        break;
    case WM_MOUSEMOVE: {
        const POINT point = MessagePoint(message.LParam);
        OnMouseMove(this, KeyboardShiftState(), point.x, point.y);
        break;
    }
    case CM_MOUSEENTER:
        OnMouseEnter(this);
        break;
    case CM_MOUSELEAVE:
        OnMouseLeave(this);
        break;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    DefaultHandler(message);
}

void TControl::MouseButtonMessage(TMessage& message) {
    const POINT point = MessagePoint(message.LParam);
    TShiftState shift = KeyboardShiftState();
    TMouseButton button = mbLeft;
    switch (message.Msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        button = mbRight;
        shift |= ssRight;
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        button = mbMiddle;
        shift |= ssMiddle;
        break;
    default:
        shift |= ssLeft;
        break;
    }
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (controlStyle_ & csCaptureMouse) SetMouseCapture(true);
        if (controlStyle_ & csClickEvents) controlState_ |= csClicked;
        if (message.Msg == WM_LBUTTONDBLCLK) {
            shift |= ssDouble;
            if (controlStyle_ & csDoubleClicks) DblClick();
        }
        OnMouseDown(this, button, shift, point.x, point.y);
        break;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        OnMouseDown(this, button, shift, point.x, point.y);
        break;
    case WM_LBUTTONUP: {
        if (controlStyle_ & csCaptureMouse) SetMouseCapture(false);
        if (controlState_ & csClicked) {
            controlState_ &= ~csClicked;
            const RECT client = ClientRect();
            if (::PtInRect(&client, point)) Click();
        }
        OnMouseUp(this, button, shift, point.x, point.y);
        break;
    }
    default:
        OnMouseUp(this, button, shift, point.x, point.y);
        break;
    }
}

void TControl::DefaultHandler(TMessage&) {}
