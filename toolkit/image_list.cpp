#include "toolkit/image_list.h"

#include "toolkit/icon.h"

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner),
      width_(width),
      height_(height),
      handle_(::ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4)) {}

TImageList::~TImageList() {
    if (handle_) ::ImageList_Destroy(handle_);
}

int TImageList::Count() const { return handle_ ? ::ImageList_GetImageCount(handle_) : 0; }

int TImageList::AddIcon(const TIcon& icon) {
    if (!handle_ || icon.Empty()) return -1;
    return ::ImageList_AddIcon(handle_, icon.Handle());
}

bool TImageList::GetIcon(int index, TIcon& icon) const {
    if (index < 0 || index >= Count()) return false;
    HICON copy = ::ImageList_GetIcon(handle_, index, ILD_NORMAL);
    if (!copy) return false;
    icon.SetHandle(copy);
    return true;
}
