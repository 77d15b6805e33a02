#pragma once
// The engine's arithmetic building blocks: every update is evaluated in double precision and
// stored in single precision, in the written operand order.

#include <cmath>

#include "engine/coefficients.h"

inline float Single(double value) { return static_cast<float>(value); }

// y becomes y x (1 - k) + x x k.
inline void LowPass(float& y, double x, OnePole pole) {
    y = Single(static_cast<double>(y) * pole.complement + x * pole.k);
}

// The low-pass update of y by x, then x - y.
inline float HighPass(float& y, float x, OnePole pole) {
    LowPass(y, x, pole);
    return Single(static_cast<double>(x) - y);
}

// |x| > threshold, compared in double precision.
inline bool Above(double x, double threshold) { return std::fabs(x) > threshold; }

// One multiplicative step of an adaptive gain: down while triggered, else up below the
// ceiling, else settle.
inline void StepGain(float& gain, bool triggered, double ceiling, double down, double up,
                     double settle) {
    const double g = gain;
    const double factor = triggered ? down : (g < ceiling ? up : settle);
    gain = Single(g * factor);
}
