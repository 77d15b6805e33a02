#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/toolkit_test_support.h"
#include "toolkit/bitmap.h"
#include "toolkit/capture_backdrop.h"
#include "toolkit/graphic_control.h"
#include "toolkit/paint_box.h"
#include "toolkit/timer.h"

namespace {

constexpr TColor kBackdrop = RGBColor(30, 60, 90);

// A graphic control filled with one colour that records its mouse events.
class Patch : public TGraphicControl {
public:
    Patch(TForm* form, TColor color, int left, int top) : TGraphicControl(form), color_(color) {
        SetParent(form);
        SetBounds(left, top, 40, 40);
        OnMouseDown = TMouseEvent(this, &Patch::Down);
        OnMouseUp = TMouseEvent(this, &Patch::Up);
        OnClick = TNotifyEvent(this, &Patch::Clicked);
        OnMouseEnter = TNotifyEvent(this, &Patch::Enter);
        OnMouseLeave = TNotifyEvent(this, &Patch::Leave);
    }
    std::vector<std::string> log;

protected:
    void Paint() override {
        Canvas().Brush().Color = color_;
        Canvas().FillRect(ClientRect());
    }

private:
    void Down(TObject*, TMouseButton, TShiftState, int x, int y) {
        log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    }
    void Up(TObject*, TMouseButton, TShiftState, int x, int y) {
        log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    }
    void Clicked(TObject*) { log.push_back("click"); }
    void Enter(TObject*) { log.push_back("enter"); }
    void Leave(TObject*) { log.push_back("leave"); }

    TColor color_;
};

class DrawingTest : public ::testing::Test {
public:
    void SetUp() override { form = TestForm(kBackdrop); }
    void TearDown() override { form->DestroyComponents(); }
    void SendToForm(UINT message, WPARAM wParam, int x, int y) {
        ::SendMessageA(form->Handle(), message, wParam, MAKELPARAM(x, y));
    }
    TForm* form = nullptr;
};

TEST_F(DrawingTest, GraphicControlsGetTheirParentsMouseInTheirOwnCoordinates) {
    auto* patch = new Patch(form, clRed, 100, 50);
    SendToForm(WM_MOUSEMOVE, 0, 110, 60);
    SendToForm(WM_LBUTTONDOWN, MK_LBUTTON, 110, 60);
    SendToForm(WM_MOUSEMOVE, MK_LBUTTON, 200, 200);  // held: still the patch's
    SendToForm(WM_LBUTTONUP, 0, 200, 200);            // released outside: no click
    SendToForm(WM_MOUSEMOVE, 0, 139, 89);
    SendToForm(WM_LBUTTONDOWN, MK_LBUTTON, 139, 89);
    SendToForm(WM_LBUTTONUP, 0, 139, 89);
    SendToForm(WM_MOUSEMOVE, 0, 5, 5);
    // The pointer leaves the patch while held; the release still goes to the patch.
    EXPECT_EQ(patch->log,
              (std::vector<std::string>{"enter", "down 10,10", "leave", "up 100,150", "enter",
                                        "down 39,39", "click", "up 39,39", "leave"}));
}

TEST_F(DrawingTest, TheLastAddedOfOverlappingGraphicControlsIsOnTop) {
    auto* below = new Patch(form, clRed, 100, 50);
    auto* above = new Patch(form, clBlue, 120, 70);
    SendToForm(WM_LBUTTONDOWN, MK_LBUTTON, 125, 75);
    SendToForm(WM_LBUTTONUP, 0, 125, 75);
    EXPECT_TRUE(below->log.empty());
    EXPECT_EQ(above->log.size(), 3u);
    form->Repaint();
    EXPECT_EQ(ScreenPixel(form->Handle(), 125, 75), clBlue);
    EXPECT_EQ(ScreenPixel(form->Handle(), 105, 55), clRed);
    below->SetVisible(false);
    form->Update();
    EXPECT_EQ(ScreenPixel(form->Handle(), 105, 55), kBackdrop);
}

TEST_F(DrawingTest, BackdropHoldsTheParentAndTheGraphicControlsBeforeOnly) {
    new Patch(form, clRed, 100, 50);
    auto* middle = new Patch(form, clLime, 110, 50);
    new Patch(form, clBlue, 120, 50);
    TBitmap backdrop;
    backdrop.SetSize(60, 40);
    CaptureBackdrop(*middle, backdrop.Canvas());
    // The patch before it covers its left 30 pixels; neither itself nor the patch after it
    // (which covers local x 10 to 50) is captured.
    EXPECT_EQ(backdrop.PixelAt(5, 5), clRed);
    EXPECT_EQ(backdrop.PixelAt(29, 39), clRed);
    EXPECT_EQ(backdrop.PixelAt(35, 5), kBackdrop);
    EXPECT_EQ(backdrop.PixelAt(55, 5), kBackdrop);
    EXPECT_FALSE(form->ControlState() & csPaintCopy);

    TBitmap orphan;
    orphan.SetSize(4, 4);
    Patch unparented(form, clRed, 0, 0);
    unparented.SetParent(nullptr);
    CaptureBackdrop(unparented, orphan.Canvas());  // without a parent: left as it was
    EXPECT_EQ(orphan.PixelAt(1, 1), clBlack);
}

TEST_F(DrawingTest, PaintBoxDrawsThroughItsOnPaint) {
    struct Painter {
        TPaintBox* box;
        int paints = 0;
        void Paint(TObject*) {
            ++paints;
            box->Canvas().Brush().Color = clYellow;
            box->Canvas().FillRect(box->ClientRect());
        }
    };
    auto* box = new TPaintBox(form);
    Painter painter{box};
    box->SetParent(form);
    box->SetBounds(20, 20, 30, 30);
    box->OnPaint = TNotifyEvent(&painter, &Painter::Paint);
    box->Repaint();
    EXPECT_GE(painter.paints, 1);
    EXPECT_EQ(ScreenPixel(form->Handle(), 30, 30), clYellow);
}

TEST(ToolkitBitmap, RowsOfTwentyFourAndThirtyTwoBitPictures) {
    TBitmap bitmap;
    bitmap.SetSize(5, 3);
    EXPECT_EQ(bitmap.BytesPerPixel(), 3);
    bitmap.Canvas().SetPixel(4, 2, RGBColor(1, 2, 3));
    const std::uint8_t* row = bitmap.ScanLine(2);
    EXPECT_EQ(row[12], 3);  // blue, green, red
    EXPECT_EQ(row[13], 2);
    EXPECT_EQ(row[14], 1);
    bitmap.ScanLine(0)[0] = 200;
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), RGBColor(0, 0, 200));

    bitmap.SetPixelFormat(TPixelFormat::pf32bit);  // the picture survives the conversion
    EXPECT_EQ(bitmap.BytesPerPixel(), 4);
    EXPECT_EQ(bitmap.ScanLine(2)[16], 3);
    EXPECT_EQ(bitmap.PixelAt(4, 2), RGBColor(1, 2, 3));

    TBitmap copy;
    copy.Assign(bitmap);
    EXPECT_EQ(copy.PixelAt(4, 2), RGBColor(1, 2, 3));
    EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf32bit);
}

TEST(ToolkitBitmap, TransparentDrawLeavesTheKeyColourOut) {
    TBitmap target;
    target.SetSize(4, 1);
    target.Canvas().Brush().Color = clBlue;
    target.Canvas().FillRect({0, 0, 4, 1});
    TBitmap sprite;
    sprite.SetSize(3, 1);
    sprite.Canvas().SetPixel(0, 0, clWhite);
    sprite.Canvas().SetPixel(1, 0, clLime);
    sprite.Canvas().SetPixel(2, 0, clBlack);
    sprite.SetTransparentColor(clLime);
    sprite.SetTransparent(true);
    target.Canvas().Draw(1, 0, sprite);
    EXPECT_EQ(target.PixelAt(0, 0), clBlue);
    EXPECT_EQ(target.PixelAt(1, 0), clWhite);
    EXPECT_EQ(target.PixelAt(2, 0), clBlue);
    EXPECT_EQ(target.PixelAt(3, 0), clBlack);
}

TEST(ToolkitTimer, TicksBetweenMessagesUntilDisabled) {
    struct Ticks {
        int count = 0;
        void Tick(TObject*) { ++count; }
    } ticks;
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.OnTimer = TNotifyEvent(&ticks, &Ticks::Tick);
    PumpMessagesFor(200);
    EXPECT_GE(ticks.count, 3);
    timer.SetEnabled(false);
    const int stopped = ticks.count;
    PumpMessagesFor(60);
    EXPECT_EQ(ticks.count, stopped);
}

}  // namespace
