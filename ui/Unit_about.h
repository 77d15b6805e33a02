#pragma once
// The About window: a text about Velora, then two pictures of what it does to the demo groove,
// each with a caption over its lower edge. It is taller than the window, which scrolls to them.

#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/memo.h"

class TForm_a : public TForm {
public:
    // Owned by the control window, over which it shows; `owner` may be null.
    explicit TForm_a(TForm* owner);

    TMemo* Memo1 = nullptr;
    TImage* Image1 = nullptr;
    TLabel* Label1 = nullptr;
    TImage* Image2 = nullptr;
    TLabel* Label2 = nullptr;
};

// Makes a new About window over `owner` (the control window, or none), shows it modally and frees
// it once it is closed; being new, it always opens scrolled to the top.
void OpenAboutWindow(TForm* owner);
