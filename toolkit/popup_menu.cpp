#include "toolkit/popup_menu.h"

#include "toolkit/application.h"
#include "toolkit/win_control.h"

namespace {

// Owns a platform popup menu for the time it is shown.
class MenuHandle {
public:
    MenuHandle() : handle_(::CreatePopupMenu()) {}
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    ~MenuHandle() { ::DestroyMenu(handle_); }
    HMENU Get() const { return handle_; }

private:
    HMENU handle_;
};

}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TMenuItem& TPopupMenu::Add(const std::string& caption, TNotifyEvent onClick) {
    items_.push_back(std::make_unique<TMenuItem>(caption, onClick));
    return *items_.back();
}

HWND TPopupMenu::MenuWindow() const {
    if (auto* windowed = dynamic_cast<TWinControl*>(Owner())) return windowed->Handle();
    return Application().Handle();
}

void TPopupMenu::Popup(int x, int y) {
    const HWND window = MenuWindow();
    if (!window) return;
    MenuHandle menu;
    for (int index = 0; index < Count(); ++index)
        ::AppendMenuA(menu.Get(), MF_STRING, static_cast<UINT_PTR>(index + 1),
                      items_[index]->Caption().c_str());
    for (int index = 0; index < Count(); ++index)
        if (items_[index]->Default()) {
            ::SetMenuDefaultItem(menu.Get(), static_cast<UINT>(index), TRUE);
            break;
        }
    // A menu whose window is not in the foreground does not close when the user clicks elsewhere.
    ::SetForegroundWindow(window);
    const int chosen = static_cast<int>(
        ::TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                         x, y, 0, window, nullptr));
    if (chosen > 0 && chosen <= Count()) items_[chosen - 1]->Click();
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupComponent_)
        popupComponent_ = nullptr;
}
