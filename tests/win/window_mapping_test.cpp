// The control window's controls writing the engine's inputs, and knobs and sliders in step.

#include "tests/win/control_window_fixture.h"

#include "tests/win/toolkit_test_support.h"

namespace {

using WindowMapping = ControlWindowTest;

// Counts a control's change reports on their way to the window's own handler.
struct ChangeCounter {
    TForm_s* form;
    void (TForm_s::*handler)(TObject*);
    int count = 0;
    void Changed(TObject* sender) {
        ++count;
        (form->*handler)(sender);
    }
};

TEST_F(WindowMapping, DraggingAKnobMovesItsSliderFieldAndHintAndStops) {
    Show();
    ChangeCounter slider{form, &TForm_s::TrackBarChange};
    ChangeCounter knob{form, &TForm_s::MyKnobChange};
    form->TrackBar(15)->OnChange = TNotifyEvent(&slider, &ChangeCounter::Changed);
    form->MyKnob23->OnChange = TNotifyEvent(&knob, &ChangeCounter::Changed);
    // 30 degrees above the 3 o'clock line of the 59-pixel knob: 70 on its 300-degree scale.
    const HWND window = form->MyKnob23->Handle();
    ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(46, 19));
    ::SendMessageA(window, WM_LBUTTONUP, 0, PointParam(46, 19));
    EXPECT_EQ((std::vector<int>{form->MyKnob23->Position(), form->TrackBar(15)->Position(), ReadInput(inputs.treble),
                                slider.count}),
              (std::vector<int>{70, 70, 70, 1}));
    EXPECT_EQ(form->TrackBar(15)->Hint(), "70%");
    EXPECT_LE(knob.count, 2);
}

// Every knob following its slider is checked below.
TEST_F(WindowMapping, ASliderSetInCodeIsClampedAndMovesItsKnob) {
    form->TrackBar(16)->SetPosition(130);
    EXPECT_EQ((std::vector<int>{form->TrackBar(16)->Position(), ReadInput(inputs.dry), form->MyKnob22->Position()}),
              (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(form->TrackBar(16)->Hint(), "100%");
    // The same position again runs no handler: the field keeps what it was given meanwhile.
    WriteInput(inputs.dry, 7);
    form->TrackBar(16)->SetPosition(100);
    EXPECT_EQ(ReadInput(inputs.dry), 7);
}

TEST_F(WindowMapping, EachSliderWritesItsOwnFieldAndOnlyFourMoveAKnob) {
    const auto table = EngineInputTable();
    for (int number = 1; number <= kSliderCount; ++number) {
        form->TrackBar(number)->SetPosition(number);
        EXPECT_EQ(GetEngineInput(inputs, table[number - 1]), number) << number;
    }
    EXPECT_EQ((std::vector<int>{form->MyKnob21->Position(), form->MyKnob22->Position(), form->MyKnob23->Position(),
                                form->MyKnob24->Position()}),
              (std::vector<int>{8, 16, 15, 11}));
}

TEST_F(WindowMapping, EachCheckBoxSwitchesItsOwnFlag) {
    const std::pair<TCheckBox* TForm_s::*, std::atomic<bool> EngineInputs::*> boxes[] = {
        {&TForm_s::CheckBox_double, &EngineInputs::doubleresonance},
        {&TForm_s::CheckBox_soft, &EngineInputs::soft},
        {&TForm_s::CheckBox_stereo, &EngineInputs::stereoagc},
        {&TForm_s::CheckBox_wf, &EngineInputs::widefilt},
        {&TForm_s::CheckBox_loudness, &EngineInputs::loudness},
        {&TForm_s::CheckBox_i, &EngineInputs::inverted},
    };
    for (const auto& [box, flag] : boxes) {
        (form->*box)->SetChecked(true);
        EXPECT_TRUE(ReadInput(inputs.*flag)) << (form->*box)->Caption();
        int on = 0;
        for (const auto& [other, otherFlag] : boxes) on += ReadInput(inputs.*otherFlag);
        EXPECT_EQ(on, 1);
        (form->*box)->SetChecked(false);
        EXPECT_FALSE(ReadInput(inputs.*flag));
    }
    // The oscilloscope's controls write no engine input.
    const std::vector<int32_t> before = InputValues();
    form->TrackBar_t->SetPosition(80);
    form->CheckBox1->SetChecked(true);
    form->Edit1->SetText("300");
    EXPECT_EQ(InputValues(), before);
    EXPECT_EQ(form->Timer_osc->Interval(), 12u);
    EXPECT_EQ(form->Label_osc->Caption(), "80fps");
}

}  // namespace
