#include <gtest/gtest.h>

#include "controls/BitButton.h"
#include "tests/win/toolkit_test_support.h"

namespace {

constexpr TColor kBackdrop = RGBColor(166, 202, 240);
constexpr TColor kKey = RGBColor(255, 0, 255);
constexpr TColor kNormal = RGBColor(200, 0, 0);
constexpr TColor kHot = RGBColor(0, 200, 0);
constexpr TColor kPressed = RGBColor(0, 0, 200);

// A strip of three 66 x 32 frames in three colours, each with a 10 x 10 hole in the key colour
// at (10, 10), and the key colour in the strip's top-left pixel.
void MakeStrip(TBitmap& strip, int width = 198) {
    strip.SetSize(width, 32);
    TCanvas& canvas = strip.Canvas();
    const TColor colors[3] = {kNormal, kHot, kPressed};
    for (int frame = 0; frame < 3; ++frame) {
        canvas.Brush().Color = colors[frame];
        canvas.FillRect({frame * 66, 0, frame * 66 + 66, 32});
        canvas.Brush().Color = kKey;
        canvas.FillRect({frame * 66 + 10, 10, frame * 66 + 20, 20});
    }
    canvas.SetPixel(0, 0, kKey);
    // A marker row far down the strip, for vertical offsets.
    canvas.Brush().Color = clBlack;
    canvas.FillRect({0, 30, width, 31});
}

class BitButtonTest : public ::testing::Test {
public:
    void SetUp() override {
        form = TestForm(kBackdrop);
        button = new TBitButton(form);
        button->SetParent(form);
        button->SetBounds(20, 30, 66, 31);
        button->onClick = TNotifyEvent(this, &BitButtonTest::Clicked);
        TBitmap strip;
        MakeStrip(strip);
        button->SetBmp(strip);
        PumpMessages();
    }
    void TearDown() override { form->DestroyComponents(); }

    void Clicked(TObject* sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    }
    void SendToForm(UINT message, WPARAM wParam, int x, int y) {
        ::SendMessageA(form->Handle(), message, wParam, MAKELPARAM(x, y));
    }
    // The frame colour the screen shows in the button's solid part.
    TColor ShownFrame() { return ScreenPixel(form->Handle(), 20 + 40, 30 + 5); }

    TForm* form = nullptr;
    TBitButton* button = nullptr;
    int clicks = 0;
};

TEST_F(BitButtonTest, StartsWithItsPublishedDefaults) {
    auto* fresh = new TBitButton(form);
    EXPECT_EQ(fresh->Width(), 83);
    EXPECT_EQ(fresh->Height(), 31);
    EXPECT_TRUE(fresh->Bmp().Empty());
    EXPECT_EQ(fresh->BmpPosx(), 0);
    EXPECT_EQ(fresh->BmpPosy(), 0);
    EXPECT_TRUE(fresh->TransparentBmp());
    EXPECT_EQ(fresh->ButtonState(), TBitButton::bsNormal);
    EXPECT_FALSE(fresh->ControlStyle() & (csOpaque | csAcceptsControls));
}

TEST_F(BitButtonTest, InPressReleaseOutShowHotPressedHotNormalAndClickOnce) {
    EXPECT_EQ(ShownFrame(), kNormal);
    SendToForm(WM_MOUSEMOVE, 0, 20 + 33, 30 + 15);
    EXPECT_EQ(ShownFrame(), kHot);
    SendToForm(WM_LBUTTONDOWN, MK_LBUTTON, 20 + 33, 30 + 15);
    EXPECT_EQ(ShownFrame(), kPressed);
    EXPECT_EQ(clicks, 0);
    SendToForm(WM_LBUTTONUP, 0, 20 + 33, 30 + 15);
    EXPECT_EQ(ShownFrame(), kHot);
    EXPECT_EQ(clicks, 1);
    SendToForm(WM_MOUSEMOVE, 0, 150, 150);
    EXPECT_EQ(ShownFrame(), kNormal);
    EXPECT_EQ(clicks, 1);
}

TEST_F(BitButtonTest, ReleaseAwayFromTheButtonIsNoClick) {
    SendToForm(WM_MOUSEMOVE, 0, 20 + 33, 30 + 15);
    SendToForm(WM_LBUTTONDOWN, MK_LBUTTON, 20 + 33, 30 + 15);
    SendToForm(WM_MOUSEMOVE, MK_LBUTTON, 200, 200);
    SendToForm(WM_LBUTTONUP, 0, 200, 200);
    EXPECT_EQ(clicks, 0);
}

TEST_F(BitButtonTest, StripKeyColourLetsTheParentShowThrough) {
    TBitmap image;
    PaintGraphicInto(*button, image);
    EXPECT_EQ(image.PixelAt(15, 15), kBackdrop);
    EXPECT_EQ(image.PixelAt(0, 0), kBackdrop);
    EXPECT_EQ(image.PixelAt(40, 5), kNormal);
    EXPECT_EQ(ScreenPixel(form->Handle(), 20 + 15, 30 + 15), kBackdrop);

    button->SetTransparentBmp(false);
    PaintGraphicInto(*button, image);
    EXPECT_EQ(image.PixelAt(15, 15), kKey);
    EXPECT_EQ(image.PixelAt(0, 0), kKey);
}

TEST_F(BitButtonTest, EmptyStripDrawsOnlyTheBackdropButStillClicks) {
    TBitmap empty;
    button->SetBmp(empty);
    TBitmap image;
    PaintGraphicInto(*button, image);
    EXPECT_EQ(image.PixelAt(40, 5), kBackdrop);
    SendToForm(WM_LBUTTONDOWN, MK_LBUTTON, 20 + 33, 30 + 15);
    SendToForm(WM_LBUTTONUP, 0, 20 + 33, 30 + 15);
    EXPECT_EQ(clicks, 1);
}

TEST_F(BitButtonTest, NarrowStripLeavesThePressedFrameToTheBackdrop) {
    TBitmap narrow;
    MakeStrip(narrow, 100);
    button->SetBmp(narrow);
    SendToForm(WM_LBUTTONDOWN, MK_LBUTTON, 20 + 33, 30 + 15);
    TBitmap image;
    PaintGraphicInto(*button, image);
    EXPECT_EQ(image.PixelAt(40, 5), kBackdrop);
    SendToForm(WM_LBUTTONUP, 0, 20 + 33, 30 + 15);
}

TEST_F(BitButtonTest, OffsetsShiftTheFramesWithinTheStrip) {
    button->SetBmpPosy(16);
    TBitmap image;
    PaintGraphicInto(*button, image);
    EXPECT_EQ(image.PixelAt(40, 14), clBlack);  // strip row 30
    button->SetBmpPosy(-5);
    PaintGraphicInto(*button, image);
    EXPECT_EQ(image.PixelAt(40, 2), kBackdrop);  // above the strip
    EXPECT_EQ(image.PixelAt(40, 7), kNormal);
    button->SetBmpPosy(0);
    button->SetBmpPosx(66);  // the hot frame drawn as the normal one
    PaintGraphicInto(*button, image);
    EXPECT_EQ(image.PixelAt(40, 5), kHot);
}

}  // namespace
