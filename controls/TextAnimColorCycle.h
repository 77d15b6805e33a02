#pragma once

#include <cstdint>

// The letter colours of the text animator: each letter drawn takes the next colour on the way
// from the start colour to the stop colour and back, one step per channel unit.
class TextAnimColorCycle {
public:
    // Plain RGB colours (0x00BBGGRR); restarts the cycle at the start colour.
    void Setup(std::uint32_t start, std::uint32_t stop);
    std::uint32_t Next();

    int MaxColorDelta() const { return maxColorDelta_; }

private:
    int start_[3] = {};
    int delta_[3] = {};
    int maxColorDelta_ = 0;
    std::uint8_t colorStep_ = 0;
    int colorDirection_ = 1;
};
