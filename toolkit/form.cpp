#include "toolkit/form.h"

#include <algorithm>
#include <climits>

namespace {
// Posted to a form that chose caFree: it is freed once the close request has unwound.
constexpr UINT CM_RELEASE = CM_BASE + 0x40;
// What one click on a scroll bar arrow scrolls.
constexpr int kScrollLine = 8;
}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetParentColor(false);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
    OnDestroy(this);
}

void TForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.ExStyle |= WS_EX_CONTROLPARENT;
    switch (borderStyle_) {
    case TFormBorderStyle::bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
        params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case TFormBorderStyle::bsSingle:
        params.Style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        break;
    case TFormBorderStyle::bsSizeable:
        params.Style |= WS_OVERLAPPEDWINDOW;
        break;
    case TFormBorderStyle::bsNone:
        params.Style |= WS_POPUP;
        break;
    }
}

void TForm::CreateWnd() {
    // The hints exist before the controls inside are made, so each can be added to them.
    hints_ = std::make_unique<THintTips>(Handle());
    TWinControl::CreateWnd();
    UpdateScrollRange();
}

void TForm::SetAutoScroll(bool autoScroll) {
    autoScroll_ = autoScroll;
    UpdateScrollRange();
}

int TForm::ContentHeight() const {
    int bottom = 0;
    for (int index = 0; index < ControlCount(); ++index) {
        const TControl* control = Controls(index);
        if (control->Visible()) bottom = std::max(bottom, control->Top() + control->Height());
    }
    return bottom + scrollTop_;
}

void TForm::UpdateScrollRange() {
    if (!HandleAllocated()) return;
    SCROLLINFO range = {};
    range.cbSize = sizeof(range);
    range.fMask = SIF_RANGE | SIF_PAGE;
    // A range no larger than the page hides the bar.
    if (autoScroll_) {
        range.nMax = ContentHeight() - 1;
        range.nPage = static_cast<UINT>(std::max(ClientHeight(), 0));
    }
    ::SetScrollInfo(Handle(), SB_VERT, &range, TRUE);
    SetVertScrollPosition(scrollTop_);
}

void TForm::SetVertScrollPosition(int position) {
    const int limit = autoScroll_ ? std::max(ContentHeight() - ClientHeight(), 0) : 0;
    position = std::clamp(position, 0, limit);
    if (HandleAllocated()) ::SetScrollPos(Handle(), SB_VERT, position, TRUE);
    if (position == scrollTop_) return;
    const int shift = scrollTop_ - position;
    scrollTop_ = position;
    ScrollBy(0, shift);
}

void TForm::ScrollRequest(int request, int thumbPosition) {
    int position = scrollTop_;
    switch (request) {
    case SB_LINEUP: position -= kScrollLine; break;
    case SB_LINEDOWN: position += kScrollLine; break;
    case SB_PAGEUP: position -= ClientHeight(); break;
    case SB_PAGEDOWN: position += ClientHeight(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = thumbPosition; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = INT_MAX; break;
    default: return;
    }
    SetVertScrollPosition(position);
}

void TForm::SetClientSize(int width, int height) {
    RECT outside = {0, 0, width, height};
    TCreateParams params;
    CreateParams(params);
    ::AdjustWindowRectEx(&outside, params.Style, FALSE, params.ExStyle);
    SetBounds(Left(), Top(), outside.right - outside.left, outside.bottom - outside.top);
}

void TForm::SetIcon(HICON icon) {
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TForm::Show() {
    Handle();
    SetVisible(true);
    ::SetForegroundWindow(Handle());
}

void TForm::Hide() { SetVisible(false); }

void TForm::Close() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    if (!canClose) return;
    TCloseAction action = TCloseAction::caHide;
    OnClose(this, action);
    if (modal_ && action != TCloseAction::caNone) {
        modalResult_ = mrCancel;
        return;
    }
    switch (action) {
    case TCloseAction::caHide:
        Hide();
        break;
    case TCloseAction::caMinimize:
        ::ShowWindow(Handle(), SW_MINIMIZE);
        break;
    case TCloseAction::caFree:
        if (!freeing_) {
            freeing_ = true;
            ::PostMessageA(Handle(), CM_RELEASE, 0, 0);
        }
        break;
    case TCloseAction::caNone:
        break;
    }
}

int TForm::ShowModal() {
    HWND owner = ParentWindow();
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
    modal_ = true;
    modalResult_ = mrNone;
    Show();
    MSG message = {};
    while (modalResult_ == mrNone) {
        if (::GetMessageA(&message, nullptr, 0, 0) <= 0) {
            // The quit request belongs to the loop outside this one.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            if (modalResult_ == mrNone) modalResult_ = mrCancel;
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    // The owner is enabled before this form hides, so the system gives it the activation back; an
    // owner the form was taken from meanwhile is no longer its to enable.
    if (ownerWasEnabled && ParentWindow() == owner) ::EnableWindow(owner, TRUE);
    Hide();
    modal_ = false;
    return modalResult_;
}

void TForm::Loaded() {
    TWinControl::Loaded();
    OnCreate(this);
}

void TForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_SHOWWINDOW:
        // Only a change made to this window itself, not one that follows its owner.
        if (message.LParam != 0) break;
        // Shown or hidden from outside the toolkit too: Visible follows the window.
        followingWindow_ = true;
        SetVisible(message.WParam != 0);
        followingWindow_ = false;
        if (message.WParam)
            OnShow(this);
        else
            OnHide(this);
        break;
    case WM_CLOSE:
        Close();
        return;
    case WM_GETMINMAXINFO: {
        auto& limits = *reinterpret_cast<MINMAXINFO*>(message.LParam);
        if (constraints_.MinWidth > 0) limits.ptMinTrackSize.x = constraints_.MinWidth;
        if (constraints_.MinHeight > 0) limits.ptMinTrackSize.y = constraints_.MinHeight;
        // The maximised size keeps within the limits too.
        if (constraints_.MaxWidth > 0) {
            limits.ptMaxTrackSize.x = constraints_.MaxWidth;
            limits.ptMaxSize.x = std::min<LONG>(limits.ptMaxSize.x, constraints_.MaxWidth);
        }
        if (constraints_.MaxHeight > 0) {
            limits.ptMaxTrackSize.y = constraints_.MaxHeight;
            limits.ptMaxSize.y = std::min<LONG>(limits.ptMaxSize.y, constraints_.MaxHeight);
        }
        message.Result = 0;
        return;
    }
    case WM_SIZE:
        TWinControl::WndProc(message);
        UpdateScrollRange();
        return;
    case WM_VSCROLL:
        // A scroll bar control reports with its own window; the form's own bar without one.
        if (message.LParam != 0 || !autoScroll_) break;
        ScrollRequest(LOWORD(message.WParam), HIWORD(message.WParam));
        message.Result = 0;
        return;
    case WM_WINDOWPOSCHANGING: {
        auto& place = *reinterpret_cast<WINDOWPOS*>(message.LParam);
        if (!screenSnap_ || (place.flags & SWP_NOMOVE) != 0) break;
        // A move alone carries no size: the window keeps the one it has.
        RECT current = {};
        ::GetWindowRect(Handle(), &current);
        const bool sized = (place.flags & SWP_NOSIZE) == 0;
        const int width = sized ? place.cx : current.right - current.left;
        const int height = sized ? place.cy : current.bottom - current.top;
        const RECT proposed = {place.x, place.y, place.x + width, place.y + height};
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof(monitor);
        if (!::GetMonitorInfoA(::MonitorFromRect(&proposed, MONITOR_DEFAULTTONEAREST), &monitor)) break;
        const RECT& work = monitor.rcWork;
        SnapToEdges(place.x, place.y, width, height, {work.left, work.top, work.right, work.bottom},
                    snapBuffer_);
        break;
    }
    case CM_RELEASE:
        delete this;
        return;
    case CM_VISIBLECHANGED:
        if (HandleAllocated() && !followingWindow_) ::ShowWindow(Handle(), Visible() ? SW_SHOW : SW_HIDE);
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}
