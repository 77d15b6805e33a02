#include "controls/CoolTrayIconClicks.h"

void TrayClickDecision::LeftPress() { leftButtonDown_ = true; }

bool TrayClickDecision::LeftRelease(bool doubleClickWaitRunning) {
    bool clickNow = false;
    if (leftButtonDown_) {
        clickPending_ = true;
        if (!doubleClickWaitRunning) {
            clickPending_ = false;
            clickNow = true;
        }
    }
    leftButtonDown_ = false;
    return clickNow;
}

void TrayClickDecision::DoubleClick() {
    clickPending_ = false;
    doubleClicked_ = true;
}

bool TrayClickDecision::WaitElapsed() {
    bool clickNow = false;
    if (!doubleClicked_ && clickPending_) {
        clickPending_ = false;
        clickNow = true;
    }
    doubleClicked_ = false;
    return clickNow;
}
