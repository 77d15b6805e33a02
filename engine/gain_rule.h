#pragma once
// Every update of the engine is evaluated in double precision and stored in single precision.

inline float Single(double value) { return static_cast<float>(value); }

// One multiplicative step of an adaptive gain: down while triggered, else up below the ceiling,
// else settle. The gain travels as a double holding a single-precision value.
inline double NextGain(double gain, bool triggered, double ceiling, double down, double up,
                       double settle) {
    const double factor = triggered ? down : (gain < ceiling ? up : settle);
    return Single(gain * factor);
}
