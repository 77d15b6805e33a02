#include "controls/TextAnimColorCycle.h"

#include <algorithm>
#include <cstdlib>

void TextAnimColorCycle::Setup(std::uint32_t start, std::uint32_t stop) {
    maxColorDelta_ = 0;
    for (int channel = 0; channel < 3; ++channel) {
        start_[channel] = (start >> (8 * channel)) & 0xFF;
        delta_[channel] = static_cast<int>((stop >> (8 * channel)) & 0xFF) - start_[channel];
        maxColorDelta_ = std::max(maxColorDelta_, std::abs(delta_[channel]));
    }
    colorStep_ = 0;
    colorDirection_ = 1;
}

std::uint32_t TextAnimColorCycle::Next() {
    std::uint32_t color = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const int s = start_[channel];
        const int d = delta_[channel];
        const int value = std::abs(d) < colorStep_ ? s + d
                          : d > 0                  ? s + colorStep_
                          : d < 0                  ? s - colorStep_
                                                   : s;
        color |= static_cast<std::uint32_t>(value) << (8 * channel);
    }
    colorStep_ = static_cast<std::uint8_t>(colorStep_ + colorDirection_);
    if (colorStep_ == maxColorDelta_ || colorStep_ == 0) colorDirection_ = -colorDirection_;
    return color;
}
