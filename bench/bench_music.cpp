#include "bench/bench_music.h"

#include <cmath>

std::vector<int16_t> MakeMusic() {
    const int32_t frames = kRate * 10;
    std::vector<int16_t> samples(static_cast<size_t>(frames) * 2);
    uint32_t noise = 12345;
    for (int32_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        noise = noise * 1664525u + 1013904223u;
        const double hiss = (static_cast<int32_t>(noise >> 16) - 32768) / 32768.0;
        const double bass = std::sin(2 * M_PI * 55 * t) * (0.5 + 0.5 * std::sin(2 * M_PI * 2 * t));
        const double chord = std::sin(2 * M_PI * 261.6 * t) + std::sin(2 * M_PI * 329.6 * t) +
                             std::sin(2 * M_PI * 392.0 * t);
        samples[2 * i] = static_cast<int16_t>(9000 * bass + 3000 * chord + 1500 * hiss);
        samples[2 * i + 1] = static_cast<int16_t>(9000 * bass + 2500 * chord - 1500 * hiss);
    }
    return samples;
}
