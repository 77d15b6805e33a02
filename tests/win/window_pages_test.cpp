// The control window's page wheel: turning with "Previous" and "Next", the scope panel's slide,
// a second press during a turn and the page caption.

#include "tests/win/control_window_fixture.h"

#include <array>

namespace {

class WindowPages : public ControlWindowTest {
protected:
    void SetUp() override {
        ControlWindowTest::SetUp();
        Show();
        form->Timer_animTimer(nullptr);
        form->Timer3Timer(nullptr);
    }

    // Each tick's scope panel top.
    std::vector<int> TurnWatchingTheScope(bool next) {
        next ? form->BitButton2Click(nullptr) : form->BitButton1Click(nullptr);
        std::vector<int> tops;
        for (; form->Timer_anim->Enabled(); tops.push_back(form->Panel_osc->Top())) form->Timer_animTimer(nullptr);
        return tops;
    }
};

TEST_F(WindowPages, FourPressesVisitEveryPageAndComeBack) {
    for (const bool next : {true, false}) {
        std::string captions;
        for (int press = 0; press < 4; ++press) {
            Turn(next);
            EXPECT_FALSE(form->Timer_anim->Enabled());
            form->Timer3Timer(nullptr);
            captions += form->TextAnimator1->Caption() + " ";
            const auto panels = std::array{form->Panel1, form->Panel4, form->Panel3, form->Panel2};
            const TPanel* top = panels[form->wheel.pageIndex];
            EXPECT_EQ((std::pair{top->Top(), top->Left()}), (std::pair{32, 2}));
        }
        EXPECT_EQ(captions, next ? "Bass Music Settings Main " : "Settings Music Bass Main ");
    }
}

TEST_F(WindowPages, TheScopePanelSlidesDownAndBackUnderTheNewPage) {
    EXPECT_EQ(TurnWatchingTheScope(true), (std::vector<int>{187, 200, 213, 226, 239, 226, 213, 200, 187, 174}));
    EXPECT_EQ(form->Panel_osc->Height(), 55);
    EXPECT_EQ(TurnWatchingTheScope(false), (std::vector<int>{187, 200, 213, 226, 239, 202, 189, 176, 163, 150}));
    EXPECT_EQ(form->Panel_osc->Height(), 79);
    // The paint box fills the panel inside its bevel.
    EXPECT_EQ((std::vector<int>{form->Panel_osc->Left(), form->Panel_osc->Width(),
                                form->Panel_osc->Top() + form->Panel_osc->Height(), form->osc->Width(),
                                form->osc->Height()}),
              (std::vector<int>{5, 260, 229, 252, 71}));
}

TEST_F(WindowPages, ASecondPressDuringATurnTurnsOnFromThePageTheFirstWasGoingTo) {
    form->BitButton2Click(nullptr);
    for (int tick = 0; tick < 3; ++tick) form->Timer_animTimer(nullptr);
    form->BitButton2Click(nullptr);
    form->Timer_animTimer(nullptr);
    EXPECT_EQ(form->Panel_osc->Top(), 187);
    // Bass, the first press's page, has left the top by one step.
    const WheelPoint bass = PagePanelPlace(-3 * kQuarterTurn + kQuarterTurn / 10, 3, kQuarterTurn);
    EXPECT_EQ(form->Panel2->Top(), bass.top);
    EXPECT_EQ(form->Panel2->Left(), bass.left);
    int ticks = 1;
    for (; form->Timer_anim->Enabled(); ++ticks) form->Timer_animTimer(nullptr);
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(form->wheel.pageIndex, 2);
    EXPECT_EQ(form->Panel3->Top(), 32);
}

TEST_F(WindowPages, EveryShowRewritesTheCaptionAndPlacesTheStoredPageInOneTick) {
    EXPECT_EQ(form->TextAnimator1->Caption(), "Main");
    Turn(true);
    Hide();
    form->TextAnimator1->SetCaption("stale");
    Show();
    EXPECT_TRUE(form->Timer_anim->Enabled());
    form->Timer_animTimer(nullptr);
    EXPECT_FALSE(form->Timer_anim->Enabled());
    EXPECT_EQ(form->Panel2->Top(), 32);
    form->Timer3Timer(nullptr);
    EXPECT_EQ(form->TextAnimator1->Caption(), "Bass");
}

}  // namespace
