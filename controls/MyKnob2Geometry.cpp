#include "controls/MyKnob2Geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Nearest integer, halves to the even neighbour (the default rounding mode).
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

float KnobDegreesPerUnit(int min, int max) {
    const int range = max - min;
    return range == 0 ? 0.0f : static_cast<float>(300.0 / range);
}

int KnobAngle(int position, int min, float degreesPerUnit) {
    return 240 - RoundEven(static_cast<double>(position - min) * degreesPerUnit);
}

int KnobPositionFromAngle(int angle, int min, float degreesPerUnit) {
    if (degreesPerUnit == 0.0f) return min;
    return RoundEven((240.0 - angle) / degreesPerUnit) + min;
}

int KnobClampedPosition(int value, int min, int max, float degreesPerUnit) {
    if (degreesPerUnit >= 0.0f) {
        if (value < min) value = min;
        if (value > max) value = max;
        return value;
    }
    // A reversed range still keeps the value between its two ends.
    return std::clamp(value, max, min);
}

int KnobMouseAngle(int x, int y, int width, int height) {
    const int cx = width / 2;
    const int cy = height / 2;
    int angle;
    if (x == cx) {
        angle = y <= cy ? 90 : 240;
    } else {
        angle = RoundEven(std::atan(static_cast<double>(cy - y) / (x - cx)) * 180.0 /
                          std::numbers::pi);
        if (x < cx) angle = (angle + 540) % 360;
    }
    if (angle > 240 && angle <= 270) angle = 240;
    if (angle < -60) angle = -60;
    return angle;
}

int KnobWheelTarget(int position, int wheelDelta) {
    return RoundEven(position + wheelDelta / 60.0);
}

KnobPointer KnobPointerEnds(int angle, int radius) {
    const float rad = static_cast<float>(angle * std::numbers::pi / 180.0);
    const float cosA = std::cos(rad);
    const float sinA = std::sin(rad);
    const double outerLength = 0.9 * radius - 5;
    const double innerLength = 0.3 * radius;
    return {{RoundEven(outerLength * cosA) + radius, radius - RoundEven(outerLength * sinA)},
            {RoundEven(innerLength * cosA) + radius, radius - RoundEven(innerLength * sinA)}};
}

int KnobSquareSide(int knobSize, int width, int height) {
    if (knobSize < height || knobSize < width) return std::max(width, height);
    if (knobSize > height || knobSize > width) return std::min(width, height);
    return knobSize;
}
