#pragma once
// The page wheel of the control window: the four pages sit on a wheel of radius 210 around the
// client point (2, 242), and a page turn rotates it a quarter turn in ten ticks of 100 ms while
// the scope panel slides down and back up. Plain arithmetic, no window.

#include <cstdint>

// Wheel slots: Main 0, Settings 1, Music 2, Bass 3; a slot is also that page's index.
inline constexpr int kPageCount = 4;
// Not pi / 2: the wheel's side pages rest just below the client area's bottom edge.
inline constexpr float kQuarterTurn = 1.57f;
inline constexpr int32_t kTurnTicks = 10;

struct WheelPoint {
    int top;
    int left;
};

struct ScopePlace {
    int left;
    int top;
    int width;
    int height;
};

// Where the panel in wheel slot k stands at the given wheel angle.
WheelPoint PagePanelPlace(float wheelAngle, int slot, float quarterTurn);
// Where the scope panel stands after an animation tick that left ticksLeft ticks to run.
ScopePlace ScopePanelPlace(int32_t ticksLeft, float wheelAngle);
// The page's name for the caption, or null for an index outside 0..3.
const char* PageName(int32_t pageIndex);

// The wheel's state as the window's animation timer drives it.
struct PageWheel {
    int32_t pageIndex = 0;
    float wheelAngle = 0;
    float wheelStep = 0;
    float quarterTurn = kQuarterTurn;
    int32_t animTicksLeft = 0;

    // The stored page put on top at a show: one tick of no movement places everything.
    void Rest(int32_t page);
    // "Previous" turns towards the page one higher, "Next" towards the one three higher; a turn
    // still running is abandoned from the resting angle of the page it was going to.
    void StartTurn(bool next);
    // One animation tick; says whether the animation goes on.
    bool Tick();
    WheelPoint Panel(int slot) const { return PagePanelPlace(wheelAngle, slot, quarterTurn); }
    ScopePlace Scope() const { return ScopePanelPlace(animTicksLeft, wheelAngle); }
};
