#pragma once

#include <windows.h>

#include "toolkit/events.h"
#include "toolkit/object.h"

// An icon picture that owns its icon handle. OnChange is told of every new picture.
class TIcon : public TObject {
public:
    TIcon() = default;
    ~TIcon() override;

    // The picture's handle; none while the icon is empty.
    HICON Handle() const { return handle_; }
    bool Empty() const { return handle_ == nullptr; }
    // Takes over the given handle (none empties the icon).
    void SetHandle(HICON handle);
    // Copies the other icon's picture; an empty icon empties this one.
    void Assign(const TIcon& other);
    // Loads an icon resource of the module at the given size; false leaves the icon as it was.
    bool LoadFromResourceID(int id, int width, int height);

    TNotifyEvent OnChange;

private:
    HICON handle_ = nullptr;
};
