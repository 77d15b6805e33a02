#include "toolkit/combo_box.h"

#include <algorithm>

namespace {
// The open list shows this many pixels of items below the field.
constexpr int kDropDownHeight = 200;
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
}

int TComboBox::AddItem(const std::string& item) {
    int index = ItemCount();
    if (sorted_) {
        const auto position = std::upper_bound(
            items_.begin(), items_.end(), item, [](const std::string& a, const std::string& b) {
                return ::lstrcmpiA(a.c_str(), b.c_str()) < 0;
            });
        index = static_cast<int>(position - items_.begin());
    }
    items_.insert(items_.begin() + index, item);
    if (itemIndex_ >= index) ++itemIndex_;
    if (HandleAllocated())
        ::SendMessageA(Handle(), CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(item.c_str()));
    return index;
}

void TComboBox::DeleteItem(int index) {
    if (index < 0 || index >= ItemCount()) return;
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index)
        itemIndex_ = -1;
    else if (itemIndex_ > index)
        --itemIndex_;
    if (HandleAllocated()) ::SendMessageA(Handle(), CB_DELETESTRING, index, 0);
}

void TComboBox::ClearItems() {
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated()) ::SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
}

int TComboBox::IndexOf(const std::string& item) const {
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= ItemCount()) index = -1;
    itemIndex_ = index;
    if (HandleAllocated()) ::SendMessageA(Handle(), CB_SETCURSEL, index, 0);
}

std::string TComboBox::SelectedText() const {
    return itemIndex_ >= 0 ? items_[itemIndex_] : std::string();
}

void TComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SystemClass = "COMBOBOX";
    params.Style |= CBS_DROPDOWNLIST | WS_VSCROLL;
    params.Height += kDropDownHeight;
}

void TComboBox::CreateWnd() {
    TWinControl::CreateWnd();
    for (const std::string& item : items_)
        ::SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    ::SendMessageA(Handle(), CB_SETCURSEL, itemIndex_, 0);
}

void TComboBox::BoundsChanged(const RECT&) {
    if (HandleAllocated())
        ::SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height() + kDropDownHeight,
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        switch (HIWORD(message.WParam)) {
        case CBN_SELCHANGE: {
            const int index = static_cast<int>(::SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
            if (index != itemIndex_) {
                itemIndex_ = index;
                OnChange(this);
            }
            return;
        }
        case CBN_DROPDOWN:
            OnDropDown(this);
            return;
        default:
            break;
        }
    }
    TWinControl::WndProc(message);
}
