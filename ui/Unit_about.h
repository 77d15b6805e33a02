#pragma once
// The About window: a text about Velora, then two pictures of what it does to the demo groove,
// each with a caption over its lower edge. It is taller than the window, which scrolls to them.

#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/memo.h"

class TForm_a : public TForm {
public:
    // Shown over the control window, `owner`, which may be null. It is not one of the control
    // window's components: a stop that frees the control window during its loop leaves it whole.
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

// Ends the loop of every open About window and takes it from its owner window, which may be freed
// now; each closes and is freed as its opener returns. The player's stop runs inside that loop.
void CloseAboutWindows();
