#include "ui/Unit_about.h"

#include <vector>

#include "resources/resource_ids.h"
#include "toolkit/jpeg_resource.h"
#include "toolkit/module_instance.h"

namespace {

// The About windows whose loop runs, the innermost last.
std::vector<TForm_a*> openAboutWindows;

constexpr int kOutsideWidth = 349;
constexpr int kOutsideHeight = 288;

constexpr const char* kAboutText =
    "     Velora Enhancer 0.2\r\n"
    "\r\n"
    "A DSP plug-in that makes music fuller and wider.\r\n"
    "Its bass channel lifts and thickens the low end,\r\n"
    "its music channel levels, widens and brightens\r\n"
    "the rest, and both are mixed back with the dry\r\n"
    "sound, block by block, inside the player.\r\n"
    "\r\n"
    "Start with the presets, then turn the knobs:\r\n"
    "Bass, Music, Treble and 3D do most of the work.\r\n"
    "\r\n"
    "CAUTION: strong settings raise the level a lot.\r\n"
    "High bass and loudness can damage loudspeakers\r\n"
    "or amplifiers. Turn the player's volume down\r\n"
    "before you try them, and listen at a sane level.\r\n"
    "\r\n"
    "Enjoy the music!\r\n"
    "Scroll down to see what it does to a groove.";

TImage* AddPicture(TForm_a* form, int top, int resourceId) {
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(0, top, 321, 241);
    LoadJpegResource(image->Picture(), ModuleInstance(), resourceId);
    return image;
}

TLabel* AddCaption(TForm_a* form, const RECT& bounds, TColor color, const char* caption) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    label->SetTransparent(true);
    label->Font().SetColor(color);
    label->SetCaption(caption);
    return label;
}

}  // namespace

TForm_a::TForm_a(TForm* owner) : TForm(nullptr) {
    BeginLoading();
    SetName("Form_a");
    SetCaption("About me");
    SetBounds(473, 284, kOutsideWidth, kOutsideHeight);
    Constraints() = {kOutsideWidth, kOutsideHeight, kOutsideWidth, kOutsideHeight};
    SetColor(clBlack);
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);
    SetAutoScroll(true);
    if (owner) SetParentWindow(owner->Handle());

    Memo1 = new TMemo(this);
    Memo1->SetParent(this);
    Memo1->SetBounds(8, 0, 313, 241);
    Memo1->SetReadOnly(true);
    Memo1->SetBorder(false);
    Memo1->SetWordWrap(false);
    Memo1->SetColor(clBlack);
    Memo1->Font().SetColor(clLime);
    Memo1->SetText(kAboutText);
    // The pictures before the captions: a transparent caption shows the pictures under it.
    Image1 = AddPicture(this, 248, IDR_ABOUT_PICTURE1);
    Image2 = AddPicture(this, 496, IDR_ABOUT_PICTURE2);
    Label1 = AddCaption(this, {160, 461, 154, 13}, clLime, "Dry above, enhanced below");
    Label2 = AddCaption(this, {63, 705, 254, 26}, clWhite,
                        "Its spectrum: the bass lifted and thickened, the rest kept in balance");
    EndLoading();
}

void OpenAboutWindow(TForm* owner) {
    auto* Form_a = new TForm_a(owner);
    openAboutWindows.push_back(Form_a);
    Form_a->ShowModal();
    openAboutWindows.pop_back();
    delete Form_a;
}

void CloseAboutWindows() {
    for (TForm_a* form : openAboutWindows) {
        form->SetParentWindow(nullptr);
        form->Close();
    }
}
