#include "ui/page_wheel.h"

#include <cmath>

namespace {

// In 64 bits: a corrupt stored page can be any 32-bit value, and the negation or the successor
// of one at either end overflows 32 bits.
float RestingAngle(int32_t page, float quarterTurn) {
    return static_cast<float>(-int64_t{page} * double{quarterTurn});
}

}  // namespace

WheelPoint PagePanelPlace(float wheelAngle, int slot, float quarterTurn) {
    const double angle = static_cast<double>(wheelAngle) + slot * static_cast<double>(quarterTurn);
    return {static_cast<int>(std::trunc(242 - 210 * std::cos(angle))),
            static_cast<int>(std::trunc(-210 * std::sin(angle))) + 2};
}

ScopePlace ScopePanelPlace(int32_t ticksLeft, float wheelAngle) {
    if (ticksLeft >= 5) return {5, 174 + 13 * (kTurnTicks - ticksLeft), 260, 55};
    // The Main page at or near the top leaves room for a taller scope.
    if (std::cos(static_cast<double>(wheelAngle)) > 0.7) return {5, 150 + 13 * ticksLeft, 260, 79};
    return {5, 174 + 13 * ticksLeft, 260, 55};
}

const char* PageName(int32_t pageIndex) {
    static const char* const kNames[kPageCount] = {"Main", "Settings", "Music", "Bass"};
    return pageIndex >= 0 && pageIndex < kPageCount ? kNames[pageIndex] : nullptr;
}

void PageWheel::Rest(int32_t page) {
    pageIndex = page;
    wheelAngle = RestingAngle(pageIndex, quarterTurn);
    wheelStep = 0;
    animTicksLeft = 1;
}

void PageWheel::StartTurn(bool next) {
    wheelAngle = RestingAngle(pageIndex, quarterTurn);
    wheelStep = next ? quarterTurn / 10 : quarterTurn / -10;
    // The remainder takes the dividend's sign, as a stored page outside 0..3 needs.
    pageIndex = static_cast<int32_t>((int64_t{pageIndex} + (next ? 3 : 1)) % kPageCount);
    animTicksLeft = kTurnTicks;
}

bool PageWheel::Tick() {
    wheelAngle = static_cast<float>(static_cast<double>(wheelAngle) + wheelStep);
    --animTicksLeft;
    return animTicksLeft > 0;
}
