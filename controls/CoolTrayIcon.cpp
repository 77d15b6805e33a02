#include "controls/CoolTrayIcon.h"

#include <commctrl.h>

#include "controls/CoolTrayIconCycling.h"
#include "controls/CoolTrayIconHandler.h"
#include "controls/CoolTrayIconText.h"
#include "controls/SimpleTimer.h"
#include "toolkit/application.h"
#include "toolkit/image_list.h"
#include "toolkit/popup_menu.h"
#include "toolkit/win_control.h"

namespace {

constexpr UINT kNormalFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

// Icon identifiers are handed out in sequence: a window message carries only 32 bits of one.
UINT NextIconId() {
    static UINT last = 0;
    return ++last;
}

// The keys held down at this moment, not when the shell's message was queued.
TShiftState AsyncShiftState() {
    TShiftState shift = 0;
    if (::GetAsyncKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (::GetAsyncKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (::GetAsyncKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

TWinControl* WindowedOwner(const TComponent& component) {
    return dynamic_cast<TWinControl*>(component.Owner());
}

}  // namespace

TCoolTrayIcon::TCoolTrayIcon(TComponent* owner)
    : TComponent(owner), iconId_(NextIconId()), handler_(TTrayIconHandler::Acquire(*this)) {
    icon_.OnChange = TNotifyEvent(this, &TCoolTrayIcon::IconChange);

    notifyData_.cbSize = NOTIFYICONDATAA_V2_SIZE;
    notifyData_.hWnd = handler_.Handle();
    notifyData_.uID = iconId_;
    notifyData_.uFlags = kNormalFlags;
    notifyData_.uCallbackMessage = TrayCallbackMessage;

    iconCycleTimer_ =
        std::make_unique<TSimpleTimer>(1000, TNotifyEvent(this, &TCoolTrayIcon::CycleTick));
    doubleClickTimer_ =
        std::make_unique<TSimpleTimer>(1000, TNotifyEvent(this, &TCoolTrayIcon::DoubleClickTick));
    leaveTimer_ = std::make_unique<TSimpleTimer>(20, TNotifyEvent(this, &TCoolTrayIcon::LeaveTick));

    appWindow_ = Application().Handle();
    if (appWindow_)
        ::SetWindowSubclass(appWindow_, &TCoolTrayIcon::AppWindowHook, iconId_,
                            reinterpret_cast<DWORD_PTR>(this));
    if (TWinControl* windowed = WindowedOwner(*this)) {
        ownerWindow_ = windowed->Handle();
        ::SetWindowSubclass(ownerWindow_, &TCoolTrayIcon::OwnerWindowHook, iconId_,
                            reinterpret_cast<DWORD_PTR>(this));
    }
}

TCoolTrayIcon::~TCoolTrayIcon() {
    SetIconVisible(false);
    iconCycleTimer_.reset();
    doubleClickTimer_.reset();
    leaveTimer_.reset();
    icon_.OnChange = TNotifyEvent();
    if (appWindow_ && ::IsWindow(appWindow_))
        ::RemoveWindowSubclass(appWindow_, &TCoolTrayIcon::AppWindowHook, iconId_);
    // A window already destroyed took its hooks with it.
    if (ownerWindow_ && ::IsWindow(ownerWindow_))
        ::RemoveWindowSubclass(ownerWindow_, &TCoolTrayIcon::OwnerWindowHook, iconId_);
    TTrayIconHandler::Release(*this);
}

// Properties.

void TCoolTrayIcon::SetDesignPreview(bool preview) {
    designPreview_ = preview;
    previewBusy_ = true;
    if (preview)
        AddToTray();
    else
        RemoveFromTray();
    previewBusy_ = false;
}

void TCoolTrayIcon::SetIconList(TImageList* list) {
    iconList_ = list;
    SetIconIndex(0);
}

void TCoolTrayIcon::SetCycleIcons(bool cycle) {
    cycleIcons_ = cycle;
    if (cycle) {
        SetIconIndex(0);
        iconCycleTimer_->SetInterval(cycleInterval_);
        iconCycleTimer_->SetEnabled(true);
    } else {
        iconCycleTimer_->SetEnabled(false);
    }
}

void TCoolTrayIcon::SetCycleInterval(std::uint32_t interval) {
    cycleInterval_ = interval;
    SetCycleIcons(cycleIcons_);
}

void TCoolTrayIcon::SetHint(const std::string& hint) {
    hint_ = hint;
    UpdateInTray();
}

void TCoolTrayIcon::SetShowHint(bool showHint) {
    showHint_ = showHint;
    UpdateInTray();
}

void TCoolTrayIcon::SetIcon(const TIcon& icon) {
    const TNotifyEvent notice = icon_.OnChange;
    icon_.OnChange = TNotifyEvent();
    icon_.Assign(icon);
    icon_.OnChange = notice;
    UpdateInTray();
}

void TCoolTrayIcon::SetIconVisible(bool visible) {
    if (visible)
        AddToTray();
    else
        RemoveFromTray();
}

void TCoolTrayIcon::SetIconIndex(int index) {
    if (iconList_) {
        iconIndex_ = ClampIconIndex(index, iconList_->Count());
        iconList_->GetIcon(iconIndex_, icon_);
    } else {
        iconIndex_ = 0;
    }
    UpdateInTray();
}

void TCoolTrayIcon::SetWantEnterExitEvents(bool want) {
    wantEnterExitEvents_ = want;
    leaveTimer_->SetEnabled(want);
}

void TCoolTrayIcon::SetNewShellBehaviour(bool newBehaviour) {
    newShellBehaviour_ = newBehaviour;
    notifyData_.uVersion = newBehaviour ? NOTIFYICON_VERSION : 0;
    NotifyShell(NIM_SETVERSION);
}

// The shell.

void TCoolTrayIcon::PrepareNotifyData() {
    notifyData_.hIcon = icon_.Handle();
    if (!hint_.empty() && showHint_)
        CopyTruncated(notifyData_.szTip, hint_);
    else
        CopyTruncated(notifyData_.szTip, "");
}

bool TCoolTrayIcon::NotifyShell(DWORD command) {
    return ::Shell_NotifyIconA(command, &notifyData_) != FALSE;
}

bool TCoolTrayIcon::AddToTray() {
    if (!previewBusy_) iconVisible_ = true;
    PrepareNotifyData();
    return NotifyShell(NIM_ADD);
}

bool TCoolTrayIcon::RemoveFromTray() {
    if (!previewBusy_) iconVisible_ = false;
    PrepareNotifyData();
    return NotifyShell(NIM_DELETE);
}

bool TCoolTrayIcon::UpdateInTray() {
    PrepareNotifyData();
    return NotifyShell(NIM_MODIFY);
}

void TCoolTrayIcon::IconChange(TObject*) { UpdateInTray(); }

bool TCoolTrayIcon::ShowBalloon(const std::string& title, const std::string& text,
                                TBalloonIconKind kind, std::uint8_t timeoutSeconds) {
    static constexpr DWORD kInfoFlags[] = {NIIF_NONE, NIIF_INFO, NIIF_WARNING, NIIF_ERROR};
    HideBalloon();
    notifyData_.uFlags |= NIF_INFO;
    CopyTruncated(notifyData_.szInfo, text);
    CopyTruncated(notifyData_.szInfoTitle, title);
    notifyData_.uTimeout = timeoutSeconds * 1000u;
    notifyData_.dwInfoFlags = kInfoFlags[kind];
    const bool accepted = UpdateInTray();
    notifyData_.uFlags = kNormalFlags;
    return accepted;
}

void TCoolTrayIcon::HideBalloon() {
    notifyData_.uFlags |= NIF_INFO;
    CopyTruncated(notifyData_.szInfo, "");
    UpdateInTray();
}

// The shell's notifications.

void TCoolTrayIcon::ShellNotification(LPARAM event) {
    switch (event) {
    case NIN_BALLOONHIDE:
        OnBalloonHintHide(this);
        return;
    case NIN_BALLOONTIMEOUT:
        OnBalloonHintTimeout(this);
        return;
    case NIN_BALLOONUSERCLICK:
        OnBalloonHintClick(this);
        return;
    default:
        break;
    }
    if (!enabled_) return;

    POINT cursor{0, 0};
    ::GetCursorPos(&cursor);
    const TShiftState shift = AsyncShiftState();
    switch (event) {
    case WM_MOUSEMOVE:
        if (wantEnterExitEvents_ && pointerOutside_) {
            MouseEnter();
            pointerOutside_ = false;
        }
        MouseMove(shift, cursor.x, cursor.y);
        lastCursorPos_ = cursor;
        break;
    case WM_LBUTTONDOWN:
        if (OnDblClick) {
            doubleClickTimer_->SetInterval(::GetDoubleClickTime());
            doubleClickTimer_->SetEnabled(true);
        }
        MouseDown(mbLeft, shift | ssLeft, cursor.x, cursor.y);
        clicks_.LeftPress();
        if (leftPopup_) OpenPopupMenu();
        break;
    case WM_LBUTTONUP:
        if (clicks_.LeftRelease(doubleClickTimer_->Enabled())) Click();
        MouseUp(mbLeft, shift | ssLeft, cursor.x, cursor.y);
        break;
    case WM_LBUTTONDBLCLK:
        clicks_.DoubleClick();
        DblClick();
        RunDefaultMenuItem();
        break;
    case WM_RBUTTONDOWN:
        MouseDown(mbRight, shift | ssRight, cursor.x, cursor.y);
        OpenPopupMenu();
        break;
    case WM_RBUTTONUP:
        if (!newShellBehaviour_) MouseUp(mbRight, shift | ssRight, cursor.x, cursor.y);
        break;
    case WM_MBUTTONDOWN:
        MouseDown(mbMiddle, shift | ssMiddle, cursor.x, cursor.y);
        break;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, shift | ssMiddle, cursor.x, cursor.y);
        break;
    case WM_CONTEXTMENU:
    case NIN_SELECT:
    case NIN_KEYSELECT:
        if (newShellBehaviour_) MouseUp(mbRight, shift | ssRight, cursor.x, cursor.y);
        break;
    default:
        break;
    }
}

void TCoolTrayIcon::OpenPopupMenu() {
    if (!popupMenu_ || !popupMenu_->AutoPopup()) return;
    POINT cursor;
    if (!::GetCursorPos(&cursor)) return;
    if (HWND appWindow = Application().Handle()) ::SetForegroundWindow(appWindow);
    Application().ProcessMessages();
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(cursor.x, cursor.y);
    if (TWinControl* windowed = WindowedOwner(*this))
        ::PostMessageA(windowed->Handle(), WM_NULL, 0, 0);
}

void TCoolTrayIcon::RunDefaultMenuItem() {
    if (!popupMenu_ || !popupMenu_->AutoPopup() || leftPopup_) return;
    for (int index = 0; index < popupMenu_->Count(); ++index)
        if (popupMenu_->Items(index).Default()) {
            popupMenu_->Items(index).Click();
            return;
        }
}

// Timers.

void TCoolTrayIcon::DoubleClickTick(TObject*) {
    doubleClickTimer_->SetEnabled(false);
    if (clicks_.WaitElapsed()) Click();
}

void TCoolTrayIcon::LeaveTick(TObject*) {
    POINT cursor;
    if (pointerOutside_ || !::GetCursorPos(&cursor)) return;
    if (cursor.x != lastCursorPos_.x || cursor.y != lastCursorPos_.y) {
        pointerOutside_ = true;
        MouseExit();
    }
}

void TCoolTrayIcon::CycleTick(TObject*) {
    if (!iconList_) return;
    const int count = iconList_->Count();
    iconList_->GetIcon(iconIndex_, icon_);
    const int next = NextCycleIndex(iconIndex_, count);
    Cycle(next);
    SetIconIndex(next);
}

// The owner's and the application's windows.

void TCoolTrayIcon::GoToTray() {
    HideAppMainForm();
    SetIconVisible(true);
}

bool TCoolTrayIcon::TryMinimizeToTray() {
    if (!minimizeToTray_ || !OnMinimizeToTray) return false;
    OnMinimizeToTray(this);
    GoToTray();
    return true;
}

void TCoolTrayIcon::HideAppWindow() {
    HWND appWindow = Application().Handle();
    if (appWindow && ::IsWindowVisible(appWindow)) ::ShowWindow(appWindow, SW_HIDE);
}

void TCoolTrayIcon::HideAppMainForm() {
    TWinControl* mainForm = Application().MainForm();
    if (!WindowedOwner(*this) || !mainForm) return;
    mainForm->SetVisible(false);
    HideAppWindow();
}

LRESULT CALLBACK TCoolTrayIcon::OwnerWindowHook(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* icon = reinterpret_cast<TCoolTrayIcon*>(self);
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam == 1 && lParam == 0) {
            if (HWND appWindow = Application().Handle()) ::SetForegroundWindow(appWindow);
            ::SetForegroundWindow(window);
        } else if (wParam == 0 && lParam == SW_PARENTCLOSING && !Application().Terminated() &&
                   icon->TryMinimizeToTray()) {
            return 1;
        }
        break;
    case WM_SYSCOMMAND:
        if (wParam == SC_MINIMIZE && icon->TryMinimizeToTray()) return 1;
        break;
    default:
        break;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK TCoolTrayIcon::AppWindowHook(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* icon = reinterpret_cast<TCoolTrayIcon*>(self);
    if (message == WM_SIZE && wParam == SIZE_MINIMIZED && icon->minimizeToTray_) {
        icon->GoToTray();
    } else if (message == WM_WINDOWPOSCHANGED && icon->startupPending_ &&
               Application().MainForm()) {
        // The toolkit has no MDI parent forms, whose start-up question is asked here; for every
        // other main form the loaded step asks it.
        icon->startupPending_ = false;
    } else if (message != 0 && message == TaskbarCreatedMessage() && icon->iconVisible_) {
        icon->AddToTray();
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

// Components and loading.

void TCoolTrayIcon::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == popupMenu_) popupMenu_ = nullptr;
    if (component == iconList_) {
        iconList_ = nullptr;
        SetIconIndex(0);
    }
}

void TCoolTrayIcon::Loaded() {
    TComponent::Loaded();
    if (WindowedOwner(*this)) {
        bool showMainForm = true;
        OnStartup(this, showMainForm);
        if (!showMainForm) {
            Application().SetShowMainForm(false);
            HideAppMainForm();
        }
    }
    UpdateInTray();
    SetIconVisible(iconVisible_);
    SetCycleIcons(cycleIcons_);
    SetWantEnterExitEvents(wantEnterExitEvents_);
    SetNewShellBehaviour(newShellBehaviour_);
}
