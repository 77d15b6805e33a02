#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/events.h"

// One command of a popup menu.
class TMenuItem : public TObject {
public:
    explicit TMenuItem(const std::string& caption, TNotifyEvent onClick = TNotifyEvent())
        : OnClick(onClick), caption_(caption) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    // The item a double click on the menu's owner runs; shown in bold.
    bool Default() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }

    // Runs the item's action, with the item as sender.
    void Click() { OnClick(this); }

    TNotifyEvent OnClick;

private:
    std::string caption_;
    bool default_ = false;
};

// A menu that pops up at a screen point, wrapping the platform's own popup menu so that it
// looks native and works with the keyboard and accessibility tools.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);

    TMenuItem& Add(const std::string& caption, TNotifyEvent onClick = TNotifyEvent());
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem& Items(int index) const { return *items_[index]; }

    // Whether the menu's users open it on their own (a right click, for example).
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    // The component that opened the menu last.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

    // Shows the menu with its top-left corner at the screen point and returns when it closes,
    // after running the chosen item's OnClick. The menu belongs to the owner's window, or to the
    // application's when the owner has none; without either it cannot show.
    void Popup(int x, int y);

    void Notification(TComponent* component, TOperation operation) override;

private:
    HWND MenuWindow() const;

    std::vector<std::unique_ptr<TMenuItem>> items_;
    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
};
