#include "toolkit/win_control.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/mouse_tracking.h"
#include "toolkit/module_instance.h"

namespace {

constexpr char kWindowClass[] = "VeloraControl";
constexpr char kControlProperty[] = "VeloraControl";

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExA(ModuleInstance(), kWindowClass, &existing)) return;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ModuleInstance();
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassExA(&windowClass);
}

bool IsToolkitMessage(UINT message) { return message >= CM_BASE && message < CN_BASE + WM_USER; }

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Children go first, the last added first, while this control is still whole.
    while (!winControls_.empty()) delete winControls_.back();
    while (!graphicControls_.empty()) delete graphicControls_.back();
    if (handle_) ::DestroyWindow(handle_);
}

TWinControl* TWinControl::FromHandle(HWND window) {
    return window ? static_cast<TWinControl*>(::GetPropA(window, kControlProperty)) : nullptr;
}

HWND TWinControl::Handle() {
    if (!handle_) CreateHandle();
    return handle_;
}

void TWinControl::SetParentWindow(HWND window) {
    parentWindow_ = window;
    if (handle_ && !Parent()) ::SetWindowLongPtrA(handle_, GWLP_HWNDPARENT,
                                                  reinterpret_cast<LONG_PTR>(window));
}

void TWinControl::SetParent(TWinControl* parent) {
    TControl::SetParent(parent);
    if (handle_ && parent && parent->HandleAllocated()) ::SetParent(handle_, parent->Handle());
}

int TWinControl::ControlCount() const {
    return static_cast<int>(graphicControls_.size() + winControls_.size());
}

TControl* TWinControl::Controls(int index) const {
    const int graphicCount = static_cast<int>(graphicControls_.size());
    return index < graphicCount ? graphicControls_[index] : winControls_[index - graphicCount];
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled) const {
    for (auto control = graphicControls_.rbegin(); control != graphicControls_.rend(); ++control) {
        const RECT bounds = (*control)->BoundsRect();
        if ((*control)->Visible() && (allowDisabled || (*control)->Enabled()) &&
            ::PtInRect(&bounds, point))
            return *control;
    }
    return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
    auto& list = dynamic_cast<TWinControl*>(control) ? winControls_ : graphicControls_;
    list.push_back(control);
    control->parent_ = this;
    if (!handle_) return;
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        windowed->Handle();
    else if (THintTips* tips = TopLevelHintTips())
        tips->AddArea(handle_, reinterpret_cast<UINT_PTR>(control), control->BoundsRect());
}

void TWinControl::RemoveControl(TControl* control) {
    if (handle_ && !dynamic_cast<TWinControl*>(control)) {
        const RECT bounds = control->BoundsRect();
        if (control->Visible()) ::InvalidateRect(handle_, &bounds, TRUE);
        if (THintTips* tips = TopLevelHintTips())
            tips->RemoveArea(handle_, reinterpret_cast<UINT_PTR>(control));
    }
    for (auto* list : {&graphicControls_, &winControls_})
        list->erase(std::remove(list->begin(), list->end(), control), list->end());
    control->parent_ = nullptr;
}

void TWinControl::ScrollBy(int dx, int dy) {
    for (TControl* control : graphicControls_) {
        control->left_ += dx;
        control->top_ += dy;
        GraphicChildMoved(control);
    }
    if (!handle_) {
        for (TControl* control : winControls_) {
            control->left_ += dx;
            control->top_ += dy;
        }
        return;
    }
    // The child windows move with the picture and learn their new places from the move.
    ::ScrollWindowEx(handle_, dx, dy, nullptr, nullptr, nullptr, nullptr,
                     SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

void TWinControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    if (!handle_) return;
    LONG_PTR style = ::GetWindowLongPtrA(handle_, GWL_STYLE);
    style = tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    ::SetWindowLongPtrA(handle_, GWL_STYLE, style);
}

bool TWinControl::Focused() const { return handle_ && ::GetFocus() == handle_; }

bool TWinControl::CanFocus() const { return Showing() && Enabled(); }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

RECT TWinControl::ClientRect() const {
    RECT client = {0, 0, Width(), Height()};
    if (handle_) ::GetClientRect(handle_, &client);
    return client;
}

void TWinControl::Invalidate() {
    if (handle_) ::InvalidateRect(handle_, nullptr, !(ControlStyle() & csOpaque));
}

void TWinControl::Update() {
    if (handle_) ::UpdateWindow(handle_);
}

HWND TWinControl::DrawingWindow() const { return handle_; }

void TWinControl::CreateParams(TCreateParams& params) {
    params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (Parent()) params.Style |= WS_CHILD;
    if (Visible() && Parent()) params.Style |= WS_VISIBLE;
    if (tabStop_) params.Style |= WS_TABSTOP;
    // Tab reaches the controls inside a container.
    if (ControlStyle() & csAcceptsControls) params.ExStyle |= WS_EX_CONTROLPARENT;
    if (!Enabled()) params.Style |= WS_DISABLED;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.WndParent = Parent() ? Parent()->Handle() : parentWindow_;
}

void TWinControl::CreateHandle() {
    if (Parent()) {
        Parent()->Handle();
        if (handle_) return;  // made with the parent's children
    }
    TCreateParams params;
    CreateParams(params);
    if (params.SystemClass.empty()) {
        RegisterWindowClass(&TWinControl::WindowProc);
        // Bound to this control at WM_NCCREATE, from the creation parameter.
        ::CreateWindowExA(params.ExStyle, kWindowClass, Caption().c_str(), params.Style, params.X,
                          params.Y, params.Width, params.Height, params.WndParent, nullptr,
                          ModuleInstance(), this);
    } else {
        HWND window = ::CreateWindowExA(params.ExStyle, params.SystemClass.c_str(),
                                        Caption().c_str(), params.Style, params.X, params.Y,
                                        params.Width, params.Height, params.WndParent, nullptr,
                                        ModuleInstance(), nullptr);
        if (window) {
            // The platform's control captures the mouse itself; a second capture from here
            // would cancel its press before the release.
            SetControlStyle(ControlStyle() & ~csCaptureMouse);
            handle_ = window;
            ::SetPropA(window, kControlProperty, this);
            defaultProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
                window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::WindowProc)));
        }
    }
    if (!handle_) return;
    CreateWnd();
}

void TWinControl::CreateWnd() {
    if (!fontHandle_) fontHandle_.Reset(Font().CreateHandle());
    TMessage setFont = {WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.Get()), FALSE, 0};
    DefaultHandler(setFont);
    if (THintTips* tips = TopLevelHintTips()) {
        if (Parent()) tips->AddWindow(Parent()->Handle(), handle_);
        for (TControl* control : graphicControls_)
            tips->AddArea(handle_, reinterpret_cast<UINT_PTR>(control), control->BoundsRect());
    }
    for (TControl* control : std::vector<TControl*>(winControls_))
        static_cast<TWinControl*>(control)->Handle();
}

THintTips* TWinControl::TopLevelHintTips() {
    TWinControl* top = FromHandle(::GetAncestor(handle_, GA_ROOT));
    return top ? top->OwnHintTips() : nullptr;
}

void TWinControl::GraphicChildMoved(TControl* control) {
    if (!handle_) return;
    if (THintTips* tips = TopLevelHintTips())
        tips->MoveArea(handle_, reinterpret_cast<UINT_PTR>(control), control->BoundsRect());
}

void TWinControl::AnswerHintText(NMHDR& request) {
    auto& info = reinterpret_cast<NMTTDISPINFOA&>(request);
    TControl* control = nullptr;
    if (info.uFlags & TTF_IDISHWND) {
        control = FromHandle(reinterpret_cast<HWND>(request.idFrom));
    } else {
        for (TControl* child : graphicControls_)
            if (reinterpret_cast<UINT_PTR>(child) == request.idFrom) control = child;
    }
    info.szText[0] = '\0';
    info.lpszText = info.szText;
    if (control && control->ShowHint() && !control->Hint().empty())
        info.lpszText = const_cast<char*>(control->Hint().c_str());
}

LRESULT CALLBACK TWinControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = nullptr;
    if (message == WM_NCCREATE) {
        control = static_cast<TWinControl*>(
            reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (control) {
            control->handle_ = window;
            ::SetPropA(window, kControlProperty, control);
        }
    } else {
        control = FromHandle(window);
    }
    if (!control) return ::DefWindowProcA(window, message, wParam, lParam);

    TMessage dispatched = {message, wParam, lParam, 0};
    control->WndProc(dispatched);
    if (message == WM_NCDESTROY) {
        ::RemovePropA(window, kControlProperty);
        if (control->defaultProc_)
            ::SetWindowLongPtrA(window, GWLP_WNDPROC,
                                reinterpret_cast<LONG_PTR>(control->defaultProc_));
        control->defaultProc_ = nullptr;
        control->handle_ = nullptr;
        control->trackingLeave_ = false;
    }
    return dispatched.Result;
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!handle_ || IsToolkitMessage(message.Msg)) return;
    message.Result = defaultProc_ ? ::CallWindowProcA(defaultProc_, handle_, message.Msg,
                                                      message.WParam, message.LParam)
                                  : ::DefWindowProcA(handle_, message.Msg, message.WParam,
                                                     message.LParam);
}

void TWinControl::BoundsChanged(const RECT&) {
    if (handle_)
        ::SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::UpdateBounds() {
    RECT window = {};
    ::GetWindowRect(handle_, &window);
    if (::GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD)
        ::MapWindowPoints(nullptr, ::GetParent(handle_), reinterpret_cast<POINT*>(&window), 2);
    SetBoundsFields(window.left, window.top, window.right - window.left,
                    window.bottom - window.top);
}

void TWinControl::FontChanged() {
    fontHandle_.Reset(Font().CreateHandle());
    if (handle_) {
        TMessage setFont = {WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.Get()), TRUE, 0};
        DefaultHandler(setFont);
    }
    for (TControl* control : std::vector<TControl*>(graphicControls_))
        control->ParentFontChanged(Font());
    for (TControl* control : std::vector<TControl*>(winControls_))
        control->ParentFontChanged(Font());
    TControl::FontChanged();
}

LRESULT TWinControl::ControlColor(HDC dc) {
    if (!colorBrush_) colorBrush_.Reset(::CreateSolidBrush(ColorToRGB(Color())));
    ::SetTextColor(dc, ColorToRGB(Font().Color()));
    ::SetBkColor(dc, ColorToRGB(Color()));
    return reinterpret_cast<LRESULT>(colorBrush_.Get());
}

void TWinControl::PaintWindow(HDC dc) {
    // A wrapped system control draws into a given DC; the toolkit's own windows draw
    // nothing beyond their erased background.
    if (!IsSystemClass()) return;
    TMessage paint = {WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(paint);
}

void TWinControl::PaintControls(HDC dc) {
    RECT clip = {};
    ::GetClipBox(dc, &clip);
    for (TControl* control : std::vector<TControl*>(graphicControls_)) {
        const RECT bounds = control->BoundsRect();
        RECT overlap = {};
        if (!control->Visible() || !::IntersectRect(&overlap, &clip, &bounds)) continue;
        SavedDC saved(dc);
        POINT origin = {};
        ::GetWindowOrgEx(dc, &origin);
        ::SetWindowOrgEx(dc, origin.x - control->Left(), origin.y - control->Top(), nullptr);
        if (::IntersectClipRect(dc, 0, 0, control->Width(), control->Height()) != NULLREGION)
            control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    }
}

void TWinControl::PaintHandler(TMessage& message) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    PAINTSTRUCT paint = {};
    if (!dc) dc = ::BeginPaint(handle_, &paint);
    PaintWindow(dc);
    PaintControls(dc);
    if (!message.WParam) ::EndPaint(handle_, &paint);
}

void TWinControl::TrackMouseControl(TControl* control) {
    TControl* previous = MouseTracking::MouseControl();
    if (control && !trackingLeave_) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, handle_, 0};
        trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
    }
    if (control == previous) return;
    MouseTracking::SetMouseControl(control);
    if (previous) previous->Perform(CM_MOUSELEAVE);
    if (control) control->Perform(CM_MOUSEENTER);
}

bool TWinControl::RouteMouseToChild(TMessage& message) {
    const POINT point = MessagePoint(message.LParam);
    TControl* under = ControlAtPos(point, false);
    if (message.Msg == WM_MOUSEMOVE) {
        const RECT client = ClientRect();
        TrackMouseControl(under ? under : (::PtInRect(&client, point) ? this : nullptr));
    }
    TControl* target = MouseTracking::CaptureControl();
    if (!target || target->Parent() != this) target = under;
    if (!target) return false;
    TMessage routed = message;
    routed.LParam = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
    target->WndProc(routed);
    message.Result = routed.Result;
    return true;
}

void TWinControl::Reflect(TMessage& message, HWND child) {
    TWinControl* control = FromHandle(child);
    if (control && control != this)
        message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    else
        DefaultHandler(message);
}

void TWinControl::KeyMessage(TMessage& message) {
    if (message.Msg == WM_CHAR) {
        char key = static_cast<char>(message.WParam);
        OnKeyPress(this, key);
        message.WParam = static_cast<unsigned char>(key);
        if (key == 0) return;
        TControl::WndProc(message);
        return;
    }
    auto key = static_cast<unsigned short>(message.WParam);
    if (message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN)
        OnKeyDown(this, key, KeyboardShiftState());
    else
        OnKeyUp(this, key, KeyboardShiftState());
    message.WParam = key;
    if (key == 0) return;
    if (message.Msg == WM_KEYDOWN && key == VK_TAB &&
        !(Perform(WM_GETDLGCODE) & (DLGC_WANTTAB | DLGC_WANTALLKEYS))) {
        // Tab moves the focus among the controls of the top-level window.
        HWND root = ::GetAncestor(handle_, GA_ROOT);
        if (HWND next = ::GetNextDlgTabItem(root, handle_, ::GetKeyState(VK_SHIFT) < 0))
            ::SetFocus(next);
        return;
    }
    TControl::WndProc(message);
}

void TWinControl::WndProc(TMessage& message) {
    if (IsMouseMessage(message.Msg) && RouteMouseToChild(message)) return;
    switch (message.Msg) {
    case WM_PAINT:
        if (!IsSystemClass() || !graphicControls_.empty())
            PaintHandler(message);
        else
            DefaultHandler(message);
        return;
    case WM_ERASEBKGND:
        if (IsSystemClass()) break;
        {
            const RECT client = ClientRect();
            GdiObject<HBRUSH> brush(::CreateSolidBrush(ColorToRGB(Color())));
            ::FillRect(reinterpret_cast<HDC>(message.WParam), &client, brush.Get());
            message.Result = 1;
        }
        return;
    case WM_WINDOWPOSCHANGED:
        UpdateBounds();
        break;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        if (TControl* control = MouseTracking::MouseControl();
            control && control->DrawingWindow() == handle_) {
            MouseTracking::SetMouseControl(nullptr);
            control->Perform(CM_MOUSELEAVE);
        }
        return;
    case WM_CAPTURECHANGED:
        if (TControl* control = MouseTracking::CaptureControl();
            control && control->DrawingWindow() == handle_ &&
            reinterpret_cast<HWND>(message.LParam) != handle_)
            MouseTracking::SetCaptureControl(nullptr);
        break;
    case WM_COMMAND:
        if (message.LParam) return Reflect(message, reinterpret_cast<HWND>(message.LParam));
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(message.LParam);
        if (header->code == TTN_GETDISPINFOA) return AnswerHintText(*header);
        return Reflect(message, header->hwndFrom);
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (message.LParam) return Reflect(message, reinterpret_cast<HWND>(message.LParam));
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return Reflect(message, reinterpret_cast<HWND>(message.LParam));
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORLISTBOX:
        message.Result = ControlColor(reinterpret_cast<HDC>(message.WParam));
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
        KeyMessage(message);
        return;
    case WM_SETFOCUS:
        TControl::WndProc(message);
        OnEnter(this);
        return;
    case WM_KILLFOCUS:
        TControl::WndProc(message);
        OnExit(this);
        return;
    case CM_TEXTCHANGED:
        if (handle_) ::SetWindowTextA(handle_, Caption().c_str());
        break;
    case CM_ENABLEDCHANGED:
        if (handle_) ::EnableWindow(handle_, Enabled());
        break;
    case CM_VISIBLECHANGED:
        if (handle_) ::ShowWindow(handle_, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
        break;
    case CM_SHOWHINTCHANGED:
        for (TControl* control : std::vector<TControl*>(graphicControls_))
            control->ParentShowHintChanged(ShowHint());
        for (TControl* control : std::vector<TControl*>(winControls_))
            control->ParentShowHintChanged(ShowHint());
        break;
    case CM_COLORCHANGED:
        colorBrush_.Reset();
        for (TControl* control : std::vector<TControl*>(graphicControls_))
            control->ParentColorChanged(Color());
        for (TControl* control : std::vector<TControl*>(winControls_))
            control->ParentColorChanged(Color());
        break;
    default:
        break;
    }
    TControl::WndProc(message);
}
