#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/win/toolkit_test_support.h"
#include "toolkit/bevel.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/edit.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"
#include "toolkit/track_bar.h"

namespace {

class WidgetsTest : public ::testing::Test {
public:
    void SetUp() override { form = TestForm(clBtnFace); }
    void TearDown() override { form->DestroyComponents(); }

    template <typename Widget>
    Widget* Add() {
        auto* widget = new Widget(form);
        widget->SetParent(form);
        return widget;
    }
    void Changed(TObject* sender) { changes.push_back(sender); }

    TForm* form = nullptr;
    std::vector<TObject*> changes;
};

TEST_F(WidgetsTest, TrackBarReportsOnlyRealChangesOfItsClampedPosition) {
    auto* slider = Add<TTrackBar>();
    slider->SetRange(0, 100);
    slider->OnChange = TNotifyEvent(this, &WidgetsTest::Changed);
    slider->SetPosition(130);
    EXPECT_EQ(slider->Position(), 100);
    EXPECT_EQ(changes.size(), 1u);
    slider->SetPosition(100);
    slider->SetPosition(150);  // clamps to the same position: silent
    EXPECT_EQ(changes.size(), 1u);
    EXPECT_EQ(::SendMessageA(slider->Handle(), TBM_GETPOS, 0, 0), 100);

    // The user moves it with the keyboard: the control notifies its parent.
    ::SetFocus(slider->Handle());
    ::SendMessageA(slider->Handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(slider->Position(), 0);
    EXPECT_EQ(changes.size(), 2u);
    ::SendMessageA(slider->Handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(changes.size(), 2u);
    slider->SetPageSize(10);
    ::SendMessageA(slider->Handle(), WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(slider->Position(), 10);
    slider->SetRange(0, 5);  // a narrower range moves the position and says so
    EXPECT_EQ(slider->Position(), 5);
    EXPECT_EQ(changes.size(), 4u);
}

TEST_F(WidgetsTest, CheckBoxReportsEveryRealChangeOfState) {
    auto* box = Add<TCheckBox>();
    box->OnClick = TNotifyEvent(this, &WidgetsTest::Changed);
    box->SetChecked(false);
    EXPECT_TRUE(changes.empty());
    box->SetChecked(true);
    EXPECT_EQ(::SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    ::SendMessageA(box->Handle(), BM_CLICK, 0, 0);  // clicked by the user
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(::SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(changes.size(), 2u);
}

TEST_F(WidgetsTest, SortedComboBoxKeepsItsItemsInOrderAndReportsPicks) {
    auto* combo = Add<TComboBox>();
    combo->SetSorted(true);
    combo->OnChange = TNotifyEvent(this, &WidgetsTest::Changed);
    combo->AddItem("rock");
    combo->AddItem("Jazz");
    combo->AddItem("blues");
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->SelectedText(), "Jazz");
    EXPECT_EQ(combo->AddItem("ambient"), 0);  // the picked item moves down with it
    EXPECT_EQ(combo->SelectedText(), "Jazz");
    std::vector<std::string> items;
    char text[64];
    for (int i = 0; i < combo->ItemCount(); ++i) {
        items.push_back(combo->Item(i));
        ::SendMessageA(combo->Handle(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(combo->Item(i), text);
    }
    EXPECT_EQ(items, (std::vector<std::string>{"ambient", "blues", "Jazz", "rock"}));
    EXPECT_TRUE(changes.empty());  // set in code

    // The user picks an item: the list tells its parent.
    ::SendMessageA(combo->Handle(), CB_SETCURSEL, 3, 0);
    ::SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo->Handle()));
    EXPECT_EQ(combo->SelectedText(), "rock");
    EXPECT_EQ(changes.size(), 1u);
    combo->DeleteItem(3);
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->ClearItems();
    EXPECT_EQ(::SendMessageA(combo->Handle(), CB_GETCOUNT, 0, 0), 0);
}

TEST_F(WidgetsTest, EditReportsTypedAndAssignedText) {
    auto* edit = Add<TEdit>();
    edit->SetMaxLength(4);
    edit->OnChange = TNotifyEvent(this, &WidgetsTest::Changed);
    edit->SetText("2000");
    EXPECT_EQ(changes.size(), 1u);
    ::SendMessageA(edit->Handle(), EM_SETSEL, 0, -1);
    for (char key : std::string("35000")) ::SendMessageA(edit->Handle(), WM_CHAR, key, 1);
    EXPECT_EQ(edit->Text(), "3500");  // the fifth character does not fit
    EXPECT_GE(changes.size(), 5u);
}

TEST_F(WidgetsTest, ButtonClicksOnceAndLabelTakesTheSizeOfItsText) {
    auto* button = Add<TButton>();
    button->SetCaption("About");
    button->OnClick = TNotifyEvent(this, &WidgetsTest::Changed);
    ::SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(changes, std::vector<TObject*>{button});
    char caption[16];
    ::GetWindowTextA(button->Handle(), caption, sizeof(caption));
    EXPECT_STREQ(caption, "About");

    auto* label = Add<TLabel>();
    label->SetCaption("Refresh rate");
    const int width = label->Width();
    EXPECT_GT(width, 20);
    label->SetCaption("Refresh rate and more");
    EXPECT_GT(label->Width(), width);
    label->SetAutoSize(false);
    label->SetWidth(33);
    label->SetCaption("80 fps");
    EXPECT_EQ(label->Width(), 33);
}

}  // namespace

namespace {

std::string ShownHint(TForm& form, HWND window, UINT_PTR id) {
    char text[80] = "unasked";
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window;
    tool.uId = id;
    tool.lpszText = text;
    ::SendMessageA(form.Hints()->Handle(), TTM_GETTEXTA, sizeof(text),
                   reinterpret_cast<LPARAM>(&tool));
    return text;
}

TEST_F(WidgetsTest, HintsShowTheCurrentTextOfControlsThatShowHints) {
    auto* panel = Add<TPanel>();
    panel->SetShowHint(true);
    auto* slider = new TTrackBar(form);
    slider->SetParent(panel);
    auto* bevel = new TBevel(form);
    bevel->SetParent(panel);
    bevel->SetHint("Around the knobs");
    EXPECT_TRUE(slider->ShowHint());  // taken from the panel

    slider->SetHint("53%");
    const auto sliderId = reinterpret_cast<UINT_PTR>(slider->Handle());
    EXPECT_EQ(ShownHint(*form, panel->Handle(), sliderId), "53%");
    slider->SetHint("54%");
    EXPECT_EQ(ShownHint(*form, panel->Handle(), sliderId), "54%");
    EXPECT_EQ(ShownHint(*form, panel->Handle(), reinterpret_cast<UINT_PTR>(bevel)),
              "Around the knobs");

    panel->SetShowHint(false);  // followed by every control that takes it from the panel
    EXPECT_FALSE(bevel->ShowHint());
    EXPECT_EQ(ShownHint(*form, panel->Handle(), sliderId), "");
    EXPECT_EQ(ShownHint(*form, panel->Handle(), reinterpret_cast<UINT_PTR>(bevel)), "");
}

}  // namespace

namespace {

TEST_F(WidgetsTest, TabMovesTheFocusToTheNextTabStopInsideContainers) {
    auto* panel = Add<TPanel>();
    auto* first = new TButton(form);
    first->SetParent(panel);
    auto* skipped = new TLabel(form);
    skipped->SetParent(panel);
    auto* second = new TCheckBox(form);
    second->SetParent(panel);
    second->SetTop(30);
    first->SetFocus();
    ASSERT_TRUE(first->Focused());
    ::SendMessageA(first->Handle(), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_TRUE(second->Focused());
}

}  // namespace
