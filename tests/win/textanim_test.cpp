#include <gtest/gtest.h>

#include <vector>

#include "controls/TextAnim.h"
#include "tests/win/toolkit_test_support.h"

namespace {

class TextAnimatorTest : public ::testing::Test {
public:
    void SetUp() override {
        form = TestForm(clWhite);
        animator = new TTextAnimator(form);
        animator->SetParent(form);
        animator->SetLeft(10);
        animator->SetTop(10);
    }
    void TearDown() override { form->DestroyComponents(); }

    TForm* form = nullptr;
    TTextAnimator* animator = nullptr;
};

TEST_F(TextAnimatorTest, StartsAnimatedWithItsPublishedDefaults) {
    EXPECT_TRUE(animator->Active());
    ASSERT_NE(animator->AnimationTimer(), nullptr);
    EXPECT_EQ(animator->AnimationTimer()->Interval(), 70u);
    EXPECT_EQ(animator->Alignment(), TAlignment::taCenter);
    EXPECT_TRUE(animator->AutoSize());
    EXPECT_TRUE(animator->ColorAnimation());
    EXPECT_EQ(animator->ColorStart(), RGBColor(255, 255, 0));
    EXPECT_EQ(animator->ColorStop(), RGBColor(255, 0, 0));
    EXPECT_EQ(animator->Delay(), 70);
    EXPECT_EQ(animator->MaxStep(), 20);
    EXPECT_EQ(animator->Step(), 2);
    EXPECT_EQ(animator->Style(), taWind);
    EXPECT_TRUE(animator->Transparent());
    EXPECT_EQ(animator->Font().Name(), "Times New Roman");
    EXPECT_EQ(animator->Font().Size(), 10);
    EXPECT_EQ(animator->Font().Style(), fsBold);
    EXPECT_FALSE(animator->FontStored());
    EXPECT_TRUE(animator->ControlStyle() & csOpaque);
}

TEST_F(TextAnimatorTest, WindPhasesReflectAtMaxStep) {
    animator->SetCaption("Main");
    EXPECT_EQ(animator->LetterOffsets(), (std::vector<int>{0, 5, 10, 15}));
    animator->AnimateLetters();
    EXPECT_EQ(animator->LetterOffsets(), (std::vector<int>{2, 7, 12, 17}));
    animator->AnimateLetters();
    animator->AnimateLetters();
    EXPECT_EQ(animator->LetterOffsets()[3], 19);
    animator->AnimateLetters();
    EXPECT_EQ(animator->LetterOffsets()[3], 17);
}

TEST_F(TextAnimatorTest, WaveStyleRestartsThePhases) {
    animator->SetCaption("Bass");
    animator->AnimateLetters();
    animator->SetStyle(taWave);
    EXPECT_EQ(animator->LetterOffsets(), (std::vector<int>{0, 14, 20, 14}));
}

TEST_F(TextAnimatorTest, StepNeverExceedsMaxStep) {
    animator->SetStep(50);
    EXPECT_EQ(animator->Step(), 20);
    animator->SetMaxStep(5);
    EXPECT_EQ(animator->Step(), 5);
}

TEST_F(TextAnimatorTest, TheTimerMovesTheLetters) {
    animator->SetCaption("Main");
    animator->SetDelay(10);
    EXPECT_EQ(animator->AnimationTimer()->Interval(), 10u);
    PumpMessagesFor(150);
    EXPECT_NE(animator->LetterOffsets(), (std::vector<int>{0, 5, 10, 15}));
    const int owned = animator->ComponentCount();
    animator->SetActive(false);
    EXPECT_EQ(animator->AnimationTimer(), nullptr);
    EXPECT_EQ(animator->ComponentCount(), owned - 1);
}

TEST_F(TextAnimatorTest, AutoSizeFollowsCaptionAndFont) {
    animator->SetCaption("Music");
    EXPECT_GT(animator->TextWidthTotal(), 0);
    EXPECT_EQ(animator->Width(), animator->TextWidthTotal());
    EXPECT_EQ(animator->Height(), animator->LetterHeight());
    const int narrowWidth = animator->Width();
    animator->Font().SetSize(16);
    EXPECT_TRUE(animator->FontStored());
    EXPECT_GT(animator->Width(), narrowWidth);
    EXPECT_EQ(animator->Width(), animator->TextWidthTotal());

    animator->SetAutoSize(false);
    animator->SetBounds(10, 10, 121, 24);
    animator->SetCaption("Settings");
    EXPECT_EQ(animator->Width(), 121);
    EXPECT_EQ(animator->Height(), 24);
}

TEST_F(TextAnimatorTest, EmptyCaptionHasNoLetters) {
    animator->SetCaption("");
    EXPECT_TRUE(animator->LetterOffsets().empty());
    EXPECT_EQ(animator->TextWidthTotal(), 0);
    animator->AnimateLetters();
}

TEST_F(TextAnimatorTest, LettersTakeSuccessiveColoursOfTheCycle) {
    animator->SetActive(false);
    animator->SetAutoSize(false);
    animator->SetStyle(taAll);
    animator->SetMaxStep(0);
    animator->Font().SetName("Lucida Console");
    animator->Font().SetHeight(-24);
    animator->SetColorStart(RGBColor(0, 0, 255));
    animator->SetColorStop(RGBColor(0, 0, 128));
    animator->SetTransparent(false);
    animator->SetColor(clWhite);
    animator->SetCaption("MM");
    animator->SetBounds(10, 10, 121, 24);
    animator->SetAlignment(TAlignment::taLeftJustify);
    TBitmap image;
    PaintGraphicInto(*animator, image);
    const int letterWidth = animator->LetterWidths()[0];
    const auto hasColor = [&](int from, int to, TColor color) {
        for (int y = 0; y < image.Height(); ++y)
            for (int x = from; x < to; ++x)
                if (image.PixelAt(x, y) == color) return true;
        return false;
    };
    EXPECT_TRUE(hasColor(0, letterWidth, RGBColor(0, 0, 255)));
    EXPECT_TRUE(hasColor(letterWidth, 2 * letterWidth, RGBColor(0, 0, 254)));
    EXPECT_FALSE(hasColor(0, 2 * letterWidth, RGBColor(0, 0, 253)));
    EXPECT_EQ(image.PixelAt(120, 1), clWhite);
}

TEST_F(TextAnimatorTest, TransparentAnimatorShowsTheParentBehindTheLetters) {
    form->SetColor(RGBColor(10, 120, 30));
    animator->SetCaption("I");
    TBitmap image;
    PaintGraphicInto(*animator, image);
    EXPECT_EQ(image.PixelAt(0, 0), RGBColor(10, 120, 30));
    form->SetColor(clWhite);
}

}  // namespace
