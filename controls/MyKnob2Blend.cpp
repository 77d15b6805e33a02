#include "controls/MyKnob2Blend.h"

#include <algorithm>

std::uint32_t OffsetColor(std::uint32_t color, int amount) {
    const auto channel = [&](int shift) {
        return static_cast<std::uint32_t>(
                   std::clamp(static_cast<int>((color >> shift) & 0xFF) + amount, 0, 255))
               << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

void BlendRow(std::uint8_t* dest, const std::uint8_t* src, int pixels, int weight) {
    for (int byte = 0; byte < pixels * 3; ++byte) {
        const int mixed = (dest[byte] * (100 - weight) + src[byte] * weight) / 100;
        dest[byte] = static_cast<std::uint8_t>(std::clamp(mixed, 0, 255));
    }
}
