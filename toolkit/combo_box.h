#pragma once

#include <string>
#include <vector>

#include "toolkit/win_control.h"

// A drop-down list to pick from (the platform's combo box, list only). Sorted lists keep their
// items in the platform's case-insensitive order. OnChange reports a pick by the user;
// OnDropDown comes just before the list opens.
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted) { sorted_ = sorted; }

    int ItemCount() const { return static_cast<int>(items_.size()); }
    const std::string& Item(int index) const { return items_[index]; }
    // Returns the index the item got.
    int AddItem(const std::string& item);
    void DeleteItem(int index);
    void ClearItems();
    int IndexOf(const std::string& item) const;

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // The picked item, or empty.
    std::string SelectedText() const;

    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void BoundsChanged(const RECT& oldBounds) override;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    bool sorted_ = false;
};
