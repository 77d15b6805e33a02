#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "controls/CoolTrayIcon.h"
#include "controls/CoolTrayIconHandler.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/icon.h"
#include "toolkit/image_list.h"
#include "toolkit/popup_menu.h"
#include "tests/win/message_pump.h"

namespace {

// Sends a shell notification about the icon to the shared tray window, as the shell does.
LRESULT Shell(const TCoolTrayIcon& icon, LPARAM event) {
    return ::SendMessageA(TTrayIconHandler::Shared()->Handle(), TrayCallbackMessage, icon.IconId(),
                          event);
}

// A notification-area icon that counts its shell calls.
class CountingTrayIcon : public TCoolTrayIcon {
public:
    using TCoolTrayIcon::TCoolTrayIcon;
    bool AddToTray() override {
        ++adds;
        return TCoolTrayIcon::AddToTray();
    }
    int adds = 0;
};

// Writes every event of an icon into one line, in the order they come.
struct EventLog {
    std::string text;
    int menusOpened = 0;

    void Add(const std::string& entry) { text += text.empty() ? entry : " " + entry; }
    void Click(TObject*) { Add("click"); }
    void DblClick(TObject*) { Add("dblclick"); }
    void Down(TObject*, TMouseButton button, TShiftState shift, int, int) {
        Add(std::string("down") + Button(button, shift));
    }
    void Up(TObject*, TMouseButton button, TShiftState shift, int, int) {
        Add(std::string("up") + Button(button, shift));
    }
    void Move(TObject*, TShiftState, int x, int y) {
        Add("move@" + std::to_string(x) + "," + std::to_string(y));
    }
    void Enter(TObject*) { Add("enter"); }
    void Exit(TObject*) { Add("exit"); }
    void Cycle(TObject*, int next) { Add("cycle" + std::to_string(next)); }
    void BalloonClick(TObject*) { Add("balloonclick"); }
    void BalloonHide(TObject*) { Add("balloonhide"); }
    void BalloonTimeout(TObject*) { Add("balloontimeout"); }
    void Minimize(TObject*) { Add("minimize"); }
    void MenuItem(TObject*) { Add("item"); }
    void Startup(TObject*, bool& showMainForm) {
        Add("startup");
        showMainForm = false;
    }

    static const char* Button(TMouseButton button, TShiftState shift) {
        switch (button) {
        case mbLeft:
            return (shift & ssLeft) ? "L" : "L?";
        case mbRight:
            return (shift & ssRight) ? "R" : "R?";
        default:
            return (shift & ssMiddle) ? "M" : "M?";
        }
    }

    void Attach(TCoolTrayIcon& icon) {
        icon.OnClick = TNotifyEvent(this, &EventLog::Click);
        icon.OnMouseDown = TMouseEvent(this, &EventLog::Down);
        icon.OnMouseUp = TMouseEvent(this, &EventLog::Up);
        icon.OnMouseMove = TMouseMoveEvent(this, &EventLog::Move);
        icon.OnMouseEnter = TNotifyEvent(this, &EventLog::Enter);
        icon.OnMouseExit = TNotifyEvent(this, &EventLog::Exit);
        icon.OnCycle = TCycleEvent(this, &EventLog::Cycle);
        icon.OnBalloonHintClick = TNotifyEvent(this, &EventLog::BalloonClick);
        icon.OnBalloonHintHide = TNotifyEvent(this, &EventLog::BalloonHide);
        icon.OnBalloonHintTimeout = TNotifyEvent(this, &EventLog::BalloonTimeout);
    }
};

EventLog* openMenuLog = nullptr;

// Runs inside the menu's modal loop: records that a menu is open, then closes it.
void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND menuWindow = ::FindWindowA("#32768", nullptr);
    if (!menuWindow || !::IsWindowVisible(menuWindow)) return;
    if (openMenuLog) {
        openMenuLog->Add("menu");
        ++openMenuLog->menusOpened;
    }
    ::EndMenu();
}

// The form that owns the icon, a popup menu with a default item, and the log, for each test.
class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        menu = new TPopupMenu(form.get());
        menu->Add("Reset All", TNotifyEvent(&log, &EventLog::MenuItem)).SetDefault(true);
        openMenuLog = &log;
        menuCloser = ::SetTimer(nullptr, 0, 30, &CloseOpenMenu);
    }

    void TearDown() override {
        ::KillTimer(nullptr, menuCloser);
        openMenuLog = nullptr;
        form.reset();
        Application().SetHandle(nullptr);
        Application().SetMainForm(nullptr);
        Application().SetShowMainForm(true);
    }

    TCoolTrayIcon& NewIcon() {
        auto* icon = new TCoolTrayIcon(form.get());
        log.Attach(*icon);
        return *icon;
    }

    std::unique_ptr<TForm> form;
    TPopupMenu* menu = nullptr;
    EventLog log;
    UINT_PTR menuCloser = 0;
};

TEST_F(TrayIconTest, NotifyDataNamesTheSharedWindowAndCutsTheTooltip) {
    TCoolTrayIcon& icon = NewIcon();
    TCoolTrayIcon& other = NewIcon();
    const NOTIFYICONDATAA& data = icon.NotifyData();
    // The record the shell reads runs up to the balloon's flags: 488 bytes in the 32-bit library.
    EXPECT_EQ(data.cbSize, sizeof(void*) == 4 ? 488u : 504u);
    EXPECT_EQ(data.hWnd, TTrayIconHandler::Shared()->Handle());
    EXPECT_EQ(data.uID, icon.IconId());
    EXPECT_EQ(other.IconId(), icon.IconId() + 1);
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(data.uCallbackMessage, 0x800u);
    EXPECT_TRUE(icon.Enabled());
    EXPECT_TRUE(icon.ShowHint());
    EXPECT_FALSE(icon.IconVisible());

    icon.SetHint(std::string(200, 'h'));
    EXPECT_EQ(std::string(data.szTip), std::string(127, 'h'));
    icon.SetShowHint(false);
    const char zeros[sizeof(data.szTip)] = {};
    EXPECT_EQ(std::memcmp(data.szTip, zeros, sizeof(zeros)), 0);
    EXPECT_EQ(icon.Hint().size(), 200u);
}

TEST_F(TrayIconTest, BalloonIsCutToItsFieldsAndTheFlagsComeBackAfterwards) {
    TCoolTrayIcon& icon = NewIcon();
    icon.ShowBalloon(std::string(100, 't'), std::string(300, 'x'), bikWarning, 2);
    const NOTIFYICONDATAA& data = icon.NotifyData();
    EXPECT_EQ(std::string(data.szInfoTitle), std::string(63, 't'));
    EXPECT_EQ(std::string(data.szInfo), std::string(255, 'x'));
    EXPECT_EQ(data.uTimeout, 2000u);
    EXPECT_EQ(data.dwInfoFlags, static_cast<DWORD>(NIIF_WARNING));
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));

    icon.ShowBalloon("Velora Enhancer", "Click HERE to get me back", bikInfo, 2);
    EXPECT_STREQ(data.szInfo, "Click HERE to get me back");
    EXPECT_EQ(data.dwInfoFlags, static_cast<DWORD>(NIIF_INFO));

    icon.HideBalloon();
    EXPECT_STREQ(data.szInfo, "");
    EXPECT_TRUE(data.uFlags & NIF_INFO);
}

TEST_F(TrayIconTest, DisabledIconIgnoresTheMouseButReportsBalloons) {
    TCoolTrayIcon& icon = NewIcon();
    icon.SetPopupMenu(menu);
    icon.SetEnabled(false);
    for (LPARAM event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                         WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP})
        Shell(icon, event);
    EXPECT_EQ(log.text, "");
    EXPECT_EQ(log.menusOpened, 0);

    Shell(icon, NIN_BALLOONSHOW);
    Shell(icon, NIN_BALLOONUSERCLICK);
    Shell(icon, NIN_BALLOONHIDE);
    Shell(icon, NIN_BALLOONTIMEOUT);
    EXPECT_EQ(log.text, "balloonclick balloonhide balloontimeout");
}

TEST_F(TrayIconTest, WithoutDoubleClickHandlerTheReleaseClicksAndADoubleClickAddsNone) {
    TCoolTrayIcon& icon = NewIcon();
    Shell(icon, WM_LBUTTONDOWN);
    Shell(icon, WM_LBUTTONUP);
    EXPECT_EQ(log.text, "downL click upL");

    log.text.clear();
    icon.SetPopupMenu(menu);
    Shell(icon, WM_LBUTTONDOWN);
    Shell(icon, WM_LBUTTONUP);
    Shell(icon, WM_LBUTTONDBLCLK);
    Shell(icon, WM_LBUTTONUP);
    PumpMessagesFor(50);
    // The double click runs the menu's default item.
    EXPECT_EQ(log.text, "downL click upL item upL");
}

TEST_F(TrayIconTest, WithDoubleClickHandlerTheClickWaitsOutTheDoubleClickTime) {
    const UINT systemTime = ::GetDoubleClickTime();
    ::SetDoubleClickTime(60);
    TCoolTrayIcon& icon = NewIcon();
    icon.OnDblClick = TNotifyEvent(&log, &EventLog::DblClick);

    Shell(icon, WM_LBUTTONDOWN);
    Shell(icon, WM_LBUTTONUP);
    EXPECT_EQ(log.text, "downL upL");
    EXPECT_TRUE(PumpUntil([&] { return log.text == "downL upL click"; }, 2000)) << log.text;

    log.text.clear();
    Shell(icon, WM_LBUTTONDOWN);
    Shell(icon, WM_LBUTTONUP);
    Shell(icon, WM_LBUTTONDBLCLK);
    Shell(icon, WM_LBUTTONUP);
    PumpMessagesFor(200);
    EXPECT_EQ(log.text, "downL upL dblclick upL");
    ::SetDoubleClickTime(systemTime);
}

TEST_F(TrayIconTest, RightPressOpensTheMenuWhileTheButtonIsDown) {
    TCoolTrayIcon& icon = NewIcon();
    icon.SetPopupMenu(menu);
    Shell(icon, WM_RBUTTONDOWN);
    EXPECT_EQ(log.text, "downR menu");
    EXPECT_EQ(menu->PopupComponent(), &icon);

    Shell(icon, WM_RBUTTONUP);
    Shell(icon, WM_CONTEXTMENU);
    EXPECT_EQ(log.text, "downR menu upR");

    log.text.clear();
    icon.SetNewShellBehaviour(true);
    Shell(icon, WM_RBUTTONUP);
    Shell(icon, WM_CONTEXTMENU);
    EXPECT_EQ(log.text, "upR");

    // A menu that does not pop up by itself stays closed.
    log.text.clear();
    menu->SetAutoPopup(false);
    Shell(icon, WM_RBUTTONDOWN);
    EXPECT_EQ(log.text, "downR");
}

TEST_F(TrayIconTest, LeftPopupOpensOnLeftPressAndStopsTheDefaultItem) {
    TCoolTrayIcon& icon = NewIcon();
    icon.SetPopupMenu(menu);
    icon.SetLeftPopup(true);
    Shell(icon, WM_LBUTTONDOWN);
    Shell(icon, WM_LBUTTONUP);
    Shell(icon, WM_LBUTTONDBLCLK);
    EXPECT_EQ(log.text, "downL menu click upL");
}

TEST_F(TrayIconTest, RemovedMenuIsForgottenAndOpensNothing) {
    TCoolTrayIcon& icon = NewIcon();
    icon.SetPopupMenu(menu);
    delete menu;
    menu = nullptr;
    EXPECT_EQ(icon.PopupMenu(), nullptr);
    Shell(icon, WM_RBUTTONDOWN);
    Shell(icon, WM_LBUTTONDBLCLK);
    EXPECT_EQ(log.text, "downR");
    EXPECT_EQ(log.menusOpened, 0);
}

// An image list of three distinct one-colour icons.
TImageList& ThreePictures(TComponent* owner) {
    auto* list = new TImageList(owner, 16, 16);
    for (int index = 0; index < 3; ++index) {
        BYTE andMask[32];
        BYTE xorMask[32];
        std::memset(andMask, 0, sizeof(andMask));
        std::memset(xorMask, 0x55 * index, sizeof(xorMask));
        TIcon picture;
        picture.SetHandle(::CreateIcon(nullptr, 16, 16, 1, 1, andMask, xorMask));
        list->AddIcon(picture);
    }
    return *list;
}

TEST_F(TrayIconTest, IconIndexStaysInsideTheListAndFallsToZeroWithoutOne) {
    TCoolTrayIcon& icon = NewIcon();
    icon.SetIconIndex(4);
    EXPECT_EQ(icon.IconIndex(), 0);

    TImageList& list = ThreePictures(form.get());
    ASSERT_EQ(list.Count(), 3);
    icon.SetIconList(&list);
    icon.SetIconIndex(5);
    EXPECT_EQ(icon.IconIndex(), 2);
    EXPECT_FALSE(icon.Icon().Empty());
    EXPECT_EQ(icon.NotifyData().hIcon, icon.Icon().Handle());
    icon.SetIconIndex(-3);
    EXPECT_EQ(icon.IconIndex(), 0);

    icon.SetIconIndex(1);
    delete &list;
    EXPECT_EQ(icon.IconList(), nullptr);
    EXPECT_EQ(icon.IconIndex(), 0);
}

TEST_F(TrayIconTest, CyclingShowsEveryPictureInTurnAndRestartsOnANewInterval) {
    TCoolTrayIcon& icon = NewIcon();
    icon.SetIconList(&ThreePictures(form.get()));
    icon.SetCycleIcons(true);  // interval 0: never ticks
    PumpMessagesFor(50);
    EXPECT_EQ(log.text, "");

    icon.SetCycleInterval(10);
    ASSERT_TRUE(PumpUntil(
        [&] { return log.text.size() >= std::string("cycle1 cycle2 cycle0 cycle1").size(); },
        3000));
    EXPECT_EQ(log.text.substr(0, 27), "cycle1 cycle2 cycle0 cycle1");

    icon.SetCycleInterval(15);
    EXPECT_EQ(icon.IconIndex(), 0);
    log.text.clear();
    ASSERT_TRUE(PumpUntil([&] { return !log.text.empty(); }, 3000));
    EXPECT_EQ(log.text.substr(0, 6), "cycle1");

    icon.SetCycleIcons(false);
    PumpMessagesFor(30);
    log.text.clear();
    PumpMessagesFor(60);
    EXPECT_EQ(log.text, "");
}

TEST_F(TrayIconTest, PointerEnteringAndLeavingIsReportedOnce) {
    TCoolTrayIcon& icon = NewIcon();
    icon.SetWantEnterExitEvents(true);
    ::SetCursorPos(100, 120);
    Shell(icon, WM_MOUSEMOVE);
    Shell(icon, WM_MOUSEMOVE);
    PumpMessagesFor(60);
    EXPECT_EQ(log.text, "enter move@100,120 move@100,120");

    log.text.clear();
    ::SetCursorPos(300, 320);
    EXPECT_TRUE(PumpUntil([&] { return log.text == "exit"; }, 2000)) << log.text;
    PumpMessagesFor(60);
    EXPECT_EQ(log.text, "exit");
}

TEST_F(TrayIconTest, SharedWindowServesEveryIconAndRefusesToClose) {
    ASSERT_EQ(TTrayIconHandler::Shared(), nullptr);
    TCoolTrayIcon& first = NewIcon();
    TCoolTrayIcon& second = NewIcon();
    const HWND window = TTrayIconHandler::Shared()->Handle();
    EXPECT_EQ(TTrayIconHandler::Shared()->IconCount(), 2u);
    EXPECT_EQ(::SendMessageA(window, WM_CLOSE, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(window, WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_TRUE(::IsWindow(window));

    Shell(second, WM_LBUTTONDOWN);
    ::SendMessageA(window, TrayCallbackMessage, second.IconId() + 1000, WM_LBUTTONDOWN);
    EXPECT_EQ(log.text, "downL");

    delete &second;
    EXPECT_EQ(TTrayIconHandler::Shared()->IconCount(), 1u);
    delete &first;
    EXPECT_EQ(TTrayIconHandler::Shared(), nullptr);
    EXPECT_FALSE(::IsWindow(window));
}

TEST_F(TrayIconTest, VisibleIconsComeBackWhenTheTaskBarIsRecreated) {
    auto* shown = new CountingTrayIcon(form.get());
    auto* hidden = new CountingTrayIcon(form.get());
    shown->SetIconVisible(true);
    const int before = shown->adds;
    ::SendMessageA(TTrayIconHandler::Shared()->Handle(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_EQ(shown->adds, before + 1);
    EXPECT_EQ(hidden->adds, 0);
}

TEST_F(TrayIconTest, DesignPreviewShowsTheIconWithoutMakingItVisible) {
    auto* icon = new CountingTrayIcon(form.get());
    icon->SetDesignPreview(true);
    EXPECT_EQ(icon->adds, 1);
    EXPECT_FALSE(icon->IconVisible());
    icon->SetIconVisible(true);
    icon->SetDesignPreview(false);
    EXPECT_TRUE(icon->IconVisible());
}

TEST_F(TrayIconTest, MinimizingTheOwnerSendsTheMainFormToTheTray) {
    form->SetBounds(10, 10, 200, 100);
    form->Show();
    Application().SetMainForm(form.get());
    TCoolTrayIcon& icon = NewIcon();
    icon.OnMinimizeToTray = TNotifyEvent(&log, &EventLog::Minimize);

    // Without MinimizeToTray the command passes on to the form.
    EXPECT_EQ(::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0), 0);
    EXPECT_EQ(log.text, "");
    EXPECT_FALSE(icon.IconVisible());

    icon.SetMinimizeToTray(true);
    EXPECT_EQ(::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0), 1);
    EXPECT_EQ(log.text, "minimize");
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(icon.IconVisible());
}

TEST_F(TrayIconTest, ApplicationWindowHookReaddsTheIconAndMinimizesToTray) {
    TForm appWindow(nullptr);
    Application().SetHandle(appWindow.Handle());
    form->Show();
    Application().SetMainForm(form.get());
    auto* icon = new CountingTrayIcon(form.get());
    icon->SetIconVisible(true);
    const int before = icon->adds;
    ::SendMessageA(appWindow.Handle(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_EQ(icon->adds, before + 1);

    icon->SetIconVisible(false);
    icon->SetMinimizeToTray(true);
    ::SendMessageA(appWindow.Handle(), WM_SIZE, SIZE_MINIMIZED, 0);
    EXPECT_TRUE(icon->IconVisible());
    EXPECT_FALSE(form->Visible());
    delete icon;  // takes its hook off the application window before that window goes
}

TEST_F(TrayIconTest, StartupHandlerCanKeepTheMainFormHidden) {
    form->Show();
    Application().SetMainForm(form.get());
    TCoolTrayIcon& icon = NewIcon();
    icon.OnStartup = TStartupEvent(&log, &EventLog::Startup);
    icon.SetIconVisible(true);
    icon.Loaded();
    EXPECT_EQ(log.text, "startup");
    EXPECT_FALSE(Application().ShowMainForm());
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(icon.IconVisible());
}

}  // namespace
