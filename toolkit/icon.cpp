#include "toolkit/icon.h"

#include "toolkit/module_instance.h"

TIcon::~TIcon() {
    if (handle_) ::DestroyIcon(handle_);
}

void TIcon::SetHandle(HICON handle) {
    if (handle_ && handle_ != handle) ::DestroyIcon(handle_);
    handle_ = handle;
    OnChange(this);
}

void TIcon::Assign(const TIcon& other) {
    if (&other == this) return;
    SetHandle(other.handle_ ? ::CopyIcon(other.handle_) : nullptr);
}

bool TIcon::LoadFromResourceID(int id, int width, int height) {
    HANDLE loaded = ::LoadImageA(ModuleInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON, width, height,
                                 LR_DEFAULTCOLOR);
    if (!loaded) return false;
    SetHandle(static_cast<HICON>(loaded));
    return true;
}
