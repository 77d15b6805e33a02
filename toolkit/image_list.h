#pragma once

#include <windows.h>
#include <commctrl.h>

#include "toolkit/component.h"

class TIcon;

// A list of equally sized pictures, kept in a common-controls image list.
class TImageList : public TComponent {
public:
    TImageList(TComponent* owner, int width = 16, int height = 16);
    ~TImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    // Appends the icon's picture; the index it got, or -1 when the list refused it.
    int AddIcon(const TIcon& icon);
    // Copies picture `index` into `icon`; false, with the icon untouched, for an index outside
    // the list.
    bool GetIcon(int index, TIcon& icon) const;
    HIMAGELIST Handle() const { return handle_; }

private:
    int width_;
    int height_;
    HIMAGELIST handle_;
};
