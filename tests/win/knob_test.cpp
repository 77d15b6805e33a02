#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "controls/MyKnob2.h"
#include "tests/win/toolkit_test_support.h"
#include "toolkit/bevel.h"
#include "toolkit/label.h"
#include "toolkit/track_bar.h"

namespace {

constexpr TColor kBackdrop = RGBColor(166, 202, 240);

class KnobTest : public ::testing::Test {
public:
    void SetUp() override {
        form = TestForm(kBackdrop);
        knob = new TMyKnob2(form);
        knob->SetParent(form);
        knob->SetBounds(10, 10, 60, 60);
        knob->OnChange = TNotifyEvent(this, &KnobTest::Changed);
        PumpMessages();
    }
    void TearDown() override { form->DestroyComponents(); }

    void Changed(TObject* sender) {
        ASSERT_EQ(sender, knob);
        changes.push_back(knob->Position());
        if (slider) slider->SetPosition(knob->Position());
    }
    void SliderChanged(TObject*) { knob->SetPosition(slider->Position()); }

    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::SendMessageA(knob->Handle(), message, wParam, lParam);
    }
    void Key(WPARAM key) { Send(WM_KEYDOWN, key, 1); }

    TForm* form = nullptr;
    TMyKnob2* knob = nullptr;
    TTrackBar* slider = nullptr;
    std::vector<int> changes;
};

TEST_F(KnobTest, StartsWithItsPublishedInitialValues) {
    auto* fresh = new TMyKnob2(form);
    EXPECT_EQ(fresh->Max(), 100);
    EXPECT_EQ(fresh->Min(), 0);
    EXPECT_EQ(fresh->Transparency(), 50);
    EXPECT_EQ(fresh->Difference(), 50);
    EXPECT_EQ(fresh->LineColor(), 0xFF000002u);
    EXPECT_EQ(fresh->Knob2Color(), clWhite);
    EXPECT_EQ(fresh->Position(), 0);
    EXPECT_EQ(fresh->PageSize(), 10);
    EXPECT_EQ(fresh->PositionLabel(), nullptr);
    EXPECT_FALSE(fresh->SpringLoaded());
    EXPECT_TRUE(fresh->TabStop());
    EXPECT_EQ(fresh->Width(), 40);
    EXPECT_EQ(fresh->Height(), 40);
    EXPECT_TRUE(fresh->ControlStyle() & csOpaque);
}

TEST_F(KnobTest, PositionSetterComparesWithTheValueLastAskedFor) {
    knob->SetPosition(5);
    EXPECT_EQ(changes, std::vector<int>{5});
    knob->SetMin(10);  // moves Position to 10 and fires, even without comparing
    EXPECT_EQ(knob->Position(), 10);
    knob->SetPosition(5);  // the same request as last time: nothing, not even OnChange
    EXPECT_EQ(knob->Position(), 10);
    EXPECT_EQ(changes, (std::vector<int>{5, 10}));
    knob->SetMax(100);  // the present value still fires
    knob->SetMin(10);
    EXPECT_EQ(changes, (std::vector<int>{5, 10, 10, 10}));
    knob->SetPosition(500);  // out of range but a new request: clamped and reported
    EXPECT_EQ(knob->Position(), 100);
    EXPECT_EQ(changes.size(), 5u);
}

TEST_F(KnobTest, EmptyRangeKeepsEverythingAtMin) {
    knob->SetMin(20);
    knob->SetMax(20);
    EXPECT_EQ(knob->DegreesPerUnit(), 0.0f);
    knob->SetPosition(90);
    EXPECT_EQ(knob->Position(), 20);
    EXPECT_EQ(knob->Angle(), 240);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(50, 30));
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(30, 2));
    Send(WM_LBUTTONUP, 0, PointParam(30, 2));
    EXPECT_EQ(knob->Position(), 20);
}

TEST_F(KnobTest, KeysStepThePositionAndRepeatedRequestsAreIgnored) {
    Key(VK_LEFT);  // asks for -1: clamped to 0 but reported once
    EXPECT_EQ(changes, std::vector<int>{0});
    Key(VK_LEFT);  // asks for -1 again: nothing
    EXPECT_EQ(changes.size(), 1u);
    Key(VK_PRIOR);
    EXPECT_EQ(knob->Position(), 10);
    Key(VK_UP);
    Key(VK_RIGHT);
    EXPECT_EQ(knob->Position(), 12);
    Key(VK_NEXT);
    EXPECT_EQ(knob->Position(), 2);
    Key(VK_DOWN);
    EXPECT_EQ(knob->Position(), 1);
    Key(VK_END);
    EXPECT_EQ(knob->Position(), 100);
    Key(VK_HOME);
    EXPECT_EQ(knob->Position(), 0);
    Key('A');
    EXPECT_EQ(knob->Position(), 0);
    EXPECT_EQ(Send(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
}

TEST_F(KnobTest, KeyClearedByOnKeyDownIsNotHandled) {
    struct Swallower {
        void KeyDown(TObject*, unsigned short& key, TShiftState) { key = 0; }
    } swallower;
    knob->OnKeyDown = TKeyEvent(&swallower, &Swallower::KeyDown);
    Key(VK_END);
    EXPECT_EQ(knob->Position(), 0);
    EXPECT_TRUE(changes.empty());
}

TEST_F(KnobTest, DraggingFollowsTheAngleAroundTheCentre) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(30, 4));  // straight above
    EXPECT_TRUE(knob->Dragging());
    EXPECT_EQ(knob->Position(), 50);
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(30, 58));  // straight below
    EXPECT_EQ(knob->Position(), 0);
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(31, 58));  // just right of it
    EXPECT_EQ(knob->Position(), 100);
    // Far outside, still measured around the centre: atan(80 / 170) is 25 degrees.
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(200, -50));
    EXPECT_EQ(knob->Position(), 72);
    Send(WM_LBUTTONUP, 0, PointParam(200, -50));
    EXPECT_FALSE(knob->Dragging());
    Send(WM_MOUSEMOVE, 0, PointParam(30, 58));  // no drag any more
    EXPECT_EQ(knob->Position(), 72);
}

TEST_F(KnobTest, PressesOutsideTheEllipseOrWithOtherButtonsStartNoDrag) {
    int downs = 0;
    struct Counter {
        int* downs;
        void Down(TObject*, TMouseButton, TShiftState, int, int) { ++*downs; }
    } counter{&downs};
    knob->OnMouseDown = TMouseEvent(&counter, &Counter::Down);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(2, 2));  // a corner of the square
    EXPECT_FALSE(knob->Dragging());
    Send(WM_LBUTTONUP, 0, PointParam(2, 2));
    Send(WM_RBUTTONDOWN, MK_RBUTTON, PointParam(30, 4));
    Send(WM_MBUTTONDOWN, MK_MBUTTON, PointParam(30, 4));
    EXPECT_FALSE(knob->Dragging());
    EXPECT_EQ(knob->Position(), 0);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(downs, 3);
}

TEST_F(KnobTest, KnobAndSliderExchangeEndsAfterTwoChanges) {
    slider = new TTrackBar(form);
    slider->SetParent(form);
    slider->SetRange(0, 100);
    slider->OnChange = TNotifyEvent(this, &KnobTest::SliderChanged);
    slider->SetPosition(69);
    ASSERT_EQ(knob->Position(), 69);
    changes.clear();
    // 30 degrees above 3 o'clock is the value 70.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(47, 20));
    Send(WM_LBUTTONUP, 0, PointParam(47, 20));
    EXPECT_EQ(changes, (std::vector<int>{70, 70}));
    EXPECT_EQ(slider->Position(), 70);
    EXPECT_EQ(::SendMessageA(slider->Handle(), TBM_GETPOS, 0, 0), 70);
}

TEST_F(KnobTest, SpringLoadedKnobReturnsToZeroNotMin) {
    knob->SetMin(-50);
    knob->SetPosition(30);
    knob->SetSpringLoaded(true);
    EXPECT_EQ(knob->Position(), 0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(30, 4));
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(58, 30));
    EXPECT_EQ(knob->Position(), 70);  // 3 o'clock over -50..100
    Send(WM_LBUTTONUP, 0, PointParam(58, 30));
    EXPECT_EQ(knob->Position(), 0);

    knob->SetPosition(40);
    knob->SetFocus();
    Send(WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(knob->Position(), 0);
}

TEST_F(KnobTest, FocusLossEndsADragWithoutMovingIt) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(30, 4));
    Send(WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(knob->Dragging());
    EXPECT_EQ(knob->Position(), 50);
}

TEST_F(KnobTest, WheelNotchAddsTwo) {
    knob->SetPosition(40);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(knob->Position(), 42);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);
    EXPECT_EQ(knob->Position(), 43);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
    EXPECT_EQ(knob->Position(), 39);
}

TEST_F(KnobTest, ResizingKeepsItSquare) {
    EXPECT_EQ(knob->KnobSize(), 60);
    knob->SetWidth(80);
    EXPECT_EQ(knob->Width(), 80);
    EXPECT_EQ(knob->Height(), 80);
    knob->SetWidth(40);
    EXPECT_EQ(knob->Width(), 40);
    EXPECT_EQ(knob->Height(), 40);
    RECT window = {};
    ::GetClientRect(knob->Handle(), &window);
    EXPECT_EQ(window.right, 40);
    EXPECT_EQ(window.bottom, 40);
    knob->SetBounds(10, 10, 59, 59);
    EXPECT_EQ(knob->Radius(), 29);
    knob->SetPosition(50);  // straight up from the pointer centre (29, 29)
    EXPECT_EQ(knob->Pointer().outer, (KnobPoint{29, 8}));
    EXPECT_EQ(knob->Pointer().inner, (KnobPoint{29, 20}));
}

TEST_F(KnobTest, PositionLabelFollowsValueVisibilityAndEnabledState) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    knob->SetPosition(7);
    knob->SetPositionLabel(label);
    EXPECT_EQ(label->Caption(), "7 ");
    knob->SetCaption("%");
    EXPECT_EQ(label->Caption(), "7 %");
    knob->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    knob->SetVisible(true);
    knob->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    // Removing the label clears the knob's reference to it.
    delete label;
    EXPECT_EQ(knob->PositionLabel(), nullptr);
    knob->SetPosition(8);
}

class KnobPaintTest : public KnobTest {
protected:
    void SetUp() override {
        KnobTest::SetUp();
        knob->SetKnob2Color(11382735);  // red 207, green 175, blue 173
        knob->SetDifference(20);
        knob->SetLineColor(clRed);
        knob->SetTransparency(0);
    }
    // Whether a colour occurs within two pixels of (x, y).
    static bool Near(TBitmap& image, int x, int y, TColor color) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (image.PixelAt(x + dx, y + dy) == color) return true;
        return false;
    }
};

TEST_F(KnobPaintTest, FaceRimsAndPointerInTheirColoursOverTheBackdrop) {
    knob->SetPosition(50);
    TBitmap image;
    PaintInto(*knob, image);
    EXPECT_EQ(image.PixelAt(0, 0), kBackdrop);  // corners show the parent
    EXPECT_EQ(image.PixelAt(59, 59), kBackdrop);
    EXPECT_EQ(image.PixelAt(30, 40), 11382735u);  // the face
    EXPECT_TRUE(Near(image, 11, 11, 0x00C1C3E3)) << "upper-left highlight";
    EXPECT_TRUE(Near(image, 50, 50, 0x00999BBB)) << "lower-right shadow";
    EXPECT_EQ(knob->Pointer().outer, (KnobPoint{30, 8}));
    EXPECT_EQ(knob->Pointer().inner, (KnobPoint{30, 21}));
    EXPECT_EQ(image.PixelAt(30, 14), clRed);
}

TEST_F(KnobPaintTest, TransparencyBlendsFaceWithBackdrop) {
    knob->SetTransparency(30);
    TBitmap image;
    PaintInto(*knob, image);
    const TColor face = 11382735;
    const auto mix = [](int back, int front) { return (back * 30 + front * 70) / 100; };
    EXPECT_EQ(image.PixelAt(30, 40),
              RGBColor(mix(RedOf(kBackdrop), RedOf(face)), mix(GreenOf(kBackdrop), GreenOf(face)),
                       mix(BlueOf(kBackdrop), BlueOf(face))));
    knob->SetTransparency(100);
    PaintInto(*knob, image);
    EXPECT_EQ(image.PixelAt(30, 40), kBackdrop);
    EXPECT_EQ(image.PixelAt(30, 14), kBackdrop);
}

TEST_F(KnobPaintTest, DisabledKnobIsDrawnLikeAnEnabledOne) {
    TBitmap enabled;
    PaintInto(*knob, enabled);
    knob->SetEnabled(false);
    TBitmap disabled;
    PaintInto(*knob, disabled);
    for (int y = 0; y < 60; y += 3)
        for (int x = 0; x < 60; x += 3) ASSERT_EQ(enabled.PixelAt(x, y), disabled.PixelAt(x, y));
}

TEST_F(KnobPaintTest, SeeThroughAlsoShowsGraphicSiblingsBeneath) {
    auto* bevel = new TBevel(form);
    bevel->SetParent(form);
    bevel->SetBounds(20, 20, 30, 30);
    knob->SetTransparency(100);
    TBitmap image;
    PaintInto(*knob, image);
    // The bevel's left edge, ten pixels into the knob.
    EXPECT_EQ(image.PixelAt(10, 20), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(image.PixelAt(5, 20), kBackdrop);
}

}  // namespace
