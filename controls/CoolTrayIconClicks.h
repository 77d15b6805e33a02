#pragma once

// Tells single clicks on the notification-area icon from double clicks.
//
// With a double-click handler, the shell's left press starts a wait of the system double-click
// time; a release during that wait leaves the click pending, and only the end of the wait reports
// it, unless a double click came in between. Without a handler the wait never runs, so the click is
// reported at once on release.
class TrayClickDecision {
public:
    // A left press reached the icon.
    void LeftPress();
    // A left release reached the icon; true when the click is to be reported now.
    bool LeftRelease(bool doubleClickWaitRunning);
    // The shell reported a double click in place of the second press.
    void DoubleClick();
    // The double-click wait ended; true when the pending click is to be reported now.
    bool WaitElapsed();

    bool LeftButtonDown() const { return leftButtonDown_; }
    bool ClickPending() const { return clickPending_; }
    bool DoubleClicked() const { return doubleClicked_; }

private:
    bool leftButtonDown_ = false;
    bool clickPending_ = false;
    bool doubleClicked_ = false;
};
