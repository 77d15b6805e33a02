#pragma once
// The two channels of a frame side by side in one SSE2 register. Each lane is computed exactly
// as a scalar double would be, so packed code rounds like the frame-by-frame arithmetic.

#include <emmintrin.h>

#include <cstdint>

#include "engine/coefficients.h"
#include "engine/sample_limits.h"

struct ChannelPair {
    __m128d v;

    ChannelPair() : v(_mm_setzero_pd()) {}
    explicit ChannelPair(__m128d lanes) : v(lanes) {}
    // A scalar stands for the same value on both channels.
    ChannelPair(double both) : v(_mm_set1_pd(both)) {}

    static ChannelPair Of(double first, double second) { return ChannelPair(_mm_set_pd(second, first)); }

    double First() const { return _mm_cvtsd_f64(v); }
    double Second() const { return _mm_cvtsd_f64(_mm_unpackhi_pd(v, v)); }
};

// A one-pole coefficient and its complement, ready for both channels.
struct PairPole {
    ChannelPair k;
    ChannelPair complement;
};

inline PairPole Packed(OnePole pole) { return {pole.k, pole.complement}; }

inline ChannelPair operator+(ChannelPair a, ChannelPair b) { return ChannelPair(_mm_add_pd(a.v, b.v)); }
inline ChannelPair operator-(ChannelPair a, ChannelPair b) { return ChannelPair(_mm_sub_pd(a.v, b.v)); }
inline ChannelPair operator*(ChannelPair a, ChannelPair b) { return ChannelPair(_mm_mul_pd(a.v, b.v)); }

// Both lanes rounded to single precision, as storing them into floats does.
inline ChannelPair Single(ChannelPair a) { return ChannelPair(_mm_cvtps_pd(_mm_cvtpd_ps(a.v))); }

inline ChannelPair LoadPair(const float* pair) {
    return ChannelPair(_mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(pair)))));
}

inline void StorePair(float* pair, ChannelPair a) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(pair), _mm_castps_si128(_mm_cvtpd_ps(a.v)));
}

// The pair's values as stored in single precision, in the low half of a register.
//
// A single addition, subtraction or multiplication of two single-precision values rounded once
// to single precision gives exactly what the operation in double precision rounded to single
// gives: double carries more than twice the bits of single plus two, so rounding twice never
// differs from rounding once. Such updates therefore skip the trip through double precision.
struct StoredPair {
    __m128 v;
};

inline StoredPair Stored(ChannelPair a) { return {_mm_cvtpd_ps(a.v)}; }
inline ChannelPair Widen(StoredPair a) { return ChannelPair(_mm_cvtps_pd(a.v)); }

inline StoredPair operator+(StoredPair a, StoredPair b) { return {_mm_add_ps(a.v, b.v)}; }
inline StoredPair operator-(StoredPair a, StoredPair b) { return {_mm_sub_ps(a.v, b.v)}; }
inline StoredPair operator*(StoredPair a, StoredPair b) { return {_mm_mul_ps(a.v, b.v)}; }

inline void StorePair(float* pair, StoredPair a) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(pair), _mm_castps_si128(a.v));
}

// The first lane as is, the second negated: x + Mirror(y) adds y to the first channel and
// subtracts it from the second.
inline ChannelPair Mirror(ChannelPair a) { return ChannelPair(_mm_xor_pd(a.v, _mm_set_pd(-0.0, 0.0))); }

inline StoredPair Mirror(StoredPair a) { return {_mm_xor_ps(a.v, _mm_set_ps(0.0f, 0.0f, -0.0f, 0.0f))}; }

inline ChannelPair Abs(ChannelPair a) { return ChannelPair(_mm_andnot_pd(_mm_set1_pd(-0.0), a.v)); }

// Bit 0 for the first channel, bit 1 for the second.
inline int AboveMask(ChannelPair a, double threshold) {
    return _mm_movemask_pd(_mm_cmpgt_pd(a.v, _mm_set1_pd(threshold)));
}

inline bool AnyAbove(ChannelPair a, double threshold) { return AboveMask(a, threshold) != 0; }

// Per lane: a where the mask lane is set, else b.
inline ChannelPair Select(__m128d mask, ChannelPair a, ChannelPair b) {
    return ChannelPair(_mm_or_pd(_mm_and_pd(mask, a.v), _mm_andnot_pd(mask, b.v)));
}

// Both lanes limited to the 16-bit output range and truncated toward zero, as two 32-bit
// integers. The limits are whole numbers, so limiting first gives what truncating first would.
inline __m128i ToSamples(ChannelPair scaled) {
    const __m128d low = _mm_set1_pd(kSampleLow);
    const __m128d high = _mm_set1_pd(kSampleHigh);
    return _mm_cvttpd_epi32(_mm_min_pd(_mm_max_pd(scaled.v, low), high));
}

// How many lanes reach the 16-bit output limits, the limits themselves included; a NaN lane
// counts as limited, as it is limited to the lower bound.
inline int CountLimited(ChannelPair scaled) {
    const __m128d inside = _mm_and_pd(_mm_cmpgt_pd(scaled.v, _mm_set1_pd(kSampleLow)),
                                      _mm_cmplt_pd(scaled.v, _mm_set1_pd(kSampleHigh)));
    const int mask = _mm_movemask_pd(inside);
    return 2 - (mask & 1) - (mask >> 1);
}
