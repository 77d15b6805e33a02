#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <memory>
#include <string>

#include "controls/CoolTrayIconClicks.h"
#include "toolkit/component.h"
#include "toolkit/events.h"
#include "toolkit/icon.h"

class TImageList;
class TPopupMenu;
class TSimpleTimer;
class TTrayIconHandler;

enum TBalloonIconKind { bikNone, bikInfo, bikWarning, bikError };

// Sender and the index the cycling icon shows next.
using TCycleEvent = TEvent<TObject*, int>;
// Sender and whether the application shows its main form; the handler may clear it.
using TStartupEvent = TEvent<TObject*, bool&>;

// One icon in the notification area of the task bar. It keeps the icon's picture and tooltip in
// step with its properties and turns the shell's notifications about the icon into events: clicks
// told from double clicks, presses and releases, the pointer entering and leaving, balloon
// messages. It can cycle through the pictures of an image list, open a popup menu, and send the
// application's main form to the notification area instead of minimising it.
class TCoolTrayIcon : public TComponent {
public:
    explicit TCoolTrayIcon(TComponent* owner);
    ~TCoolTrayIcon() override;

    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool preview);
    TImageList* IconList() const { return iconList_; }
    void SetIconList(TImageList* list);
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool cycle);
    std::uint32_t CycleInterval() const { return cycleInterval_; }
    void SetCycleInterval(std::uint32_t interval);
    // While false, every mouse notification from the shell is ignored; balloon ones are not.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint);
    const TIcon& Icon() const { return icon_; }
    void SetIcon(const TIcon& icon);
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool visible);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }
    // A left press opens the popup menu as well as a right one.
    bool LeftPopup() const { return leftPopup_; }
    void SetLeftPopup(bool leftPopup) { leftPopup_ = leftPopup; }
    bool WantEnterExitEvents() const { return wantEnterExitEvents_; }
    void SetWantEnterExitEvents(bool want);
    bool MinimizeToTray() const { return minimizeToTray_; }
    void SetMinimizeToTray(bool minimize) { minimizeToTray_ = minimize; }
    // False: the shell's older notifications; true: those of shell version 5 (uVersion 3).
    bool NewShellBehaviour() const { return newShellBehaviour_; }
    void SetNewShellBehaviour(bool newBehaviour);

    // The identifier of the icon towards the shell; unique among live icons.
    UINT IconId() const { return iconId_; }
    // What is handed to the shell.
    const NOTIFYICONDATAA& NotifyData() const { return notifyData_; }

    // Each returns true when the shell accepted the call.
    virtual bool AddToTray();
    virtual bool RemoveFromTray();
    virtual bool UpdateInTray();

    // Shows a balloon message at the icon, in place of any shown before.
    bool ShowBalloon(const std::string& title, const std::string& text, TBalloonIconKind kind,
                     std::uint8_t timeoutSeconds);
    void HideBalloon();

    // Hides the application's own window (its task-bar button) when it is visible.
    void HideAppWindow();
    // Hides the application's main form and its own window, when the owner is a windowed control.
    void HideAppMainForm();

    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TCycleEvent OnCycle;
    TNotifyEvent OnBalloonHintClick;
    TNotifyEvent OnBalloonHintHide;
    TNotifyEvent OnBalloonHintTimeout;
    TNotifyEvent OnMinimizeToTray;
    TStartupEvent OnStartup;

protected:
    virtual void Click() { OnClick(this); }
    virtual void DblClick() { OnDblClick(this); }
    virtual void Cycle(int nextIndex) { OnCycle(this, nextIndex); }
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
        OnMouseDown(this, button, shift, x, y);
    }
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
        OnMouseUp(this, button, shift, x, y);
    }
    virtual void MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }
    virtual void MouseEnter() { OnMouseEnter(this); }
    virtual void MouseExit() { OnMouseExit(this); }
    // Sends the main form to the notification area: hides it and shows the icon.
    virtual void GoToTray();

private:
    friend class TTrayIconHandler;
    // One notification of the shell about this icon; `event` is the shell's event code.
    void ShellNotification(LPARAM event);

    void PrepareNotifyData();
    bool NotifyShell(DWORD command);
    void OpenPopupMenu();
    void RunDefaultMenuItem();
    bool TryMinimizeToTray();
    void IconChange(TObject* sender);
    void CycleTick(TObject* sender);
    void DoubleClickTick(TObject* sender);
    void LeaveTick(TObject* sender);

    static LRESULT CALLBACK OwnerWindowHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK AppWindowHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);

    const UINT iconId_;
    TTrayIconHandler& handler_;
    NOTIFYICONDATAA notifyData_{};
    TIcon icon_;
    std::unique_ptr<TSimpleTimer> iconCycleTimer_;
    std::unique_ptr<TSimpleTimer> doubleClickTimer_;
    std::unique_ptr<TSimpleTimer> leaveTimer_;
    HWND ownerWindow_ = nullptr;
    HWND appWindow_ = nullptr;

    bool designPreview_ = false;
    TImageList* iconList_ = nullptr;
    bool cycleIcons_ = false;
    std::uint32_t cycleInterval_ = 0;
    bool enabled_ = true;
    std::string hint_;
    bool showHint_ = true;
    bool iconVisible_ = false;
    int iconIndex_ = 0;
    TPopupMenu* popupMenu_ = nullptr;
    bool leftPopup_ = false;
    bool wantEnterExitEvents_ = false;
    bool minimizeToTray_ = false;
    bool newShellBehaviour_ = false;

    TrayClickDecision clicks_;
    bool pointerOutside_ = true;
    POINT lastCursorPos_{0, 0};
    bool startupPending_ = true;
    bool previewBusy_ = false;
};
