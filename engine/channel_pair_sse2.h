#pragma once
// The channel pair in SSE2 registers: both channels' doubles in one register, their single-
// precision values and 32-bit samples in its low half.

#include <emmintrin.h>

#include <cstdint>

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

inline ChannelPair operator+(ChannelPair a, ChannelPair b) { return ChannelPair(_mm_add_pd(a.v, b.v)); }
inline ChannelPair operator-(ChannelPair a, ChannelPair b) { return ChannelPair(_mm_sub_pd(a.v, b.v)); }
inline ChannelPair operator*(ChannelPair a, ChannelPair b) { return ChannelPair(_mm_mul_pd(a.v, b.v)); }

inline ChannelPair Single(ChannelPair a) { return ChannelPair(_mm_cvtps_pd(_mm_cvtpd_ps(a.v))); }

inline ChannelPair LoadPair(const float* pair) {
    return ChannelPair(_mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(pair)))));
}

inline void StorePair(float* pair, ChannelPair a) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(pair), _mm_castps_si128(_mm_cvtpd_ps(a.v)));
}

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

inline ChannelPair Mirror(ChannelPair a) { return ChannelPair(_mm_xor_pd(a.v, _mm_set_pd(-0.0, 0.0))); }
inline StoredPair Mirror(StoredPair a) { return {_mm_xor_ps(a.v, _mm_set_ps(0.0f, 0.0f, -0.0f, 0.0f))}; }

inline ChannelPair Abs(ChannelPair a) { return ChannelPair(_mm_andnot_pd(_mm_set1_pd(-0.0), a.v)); }

// Each lane all ones where a comparison holds, all zeros where it does not (or a lane is NaN).
struct PairMask {
    __m128d v;
};

inline PairMask Above(ChannelPair a, ChannelPair b) { return {_mm_cmpgt_pd(a.v, b.v)}; }
inline PairMask Below(ChannelPair a, ChannelPair b) { return {_mm_cmplt_pd(a.v, b.v)}; }
inline bool Any(PairMask mask) { return _mm_movemask_pd(mask.v) != 0; }
inline bool Differ(ChannelPair a, ChannelPair b) { return _mm_movemask_pd(_mm_cmpneq_pd(a.v, b.v)) != 0; }

inline ChannelPair Select(PairMask mask, ChannelPair a, ChannelPair b) {
    return ChannelPair(_mm_or_pd(_mm_and_pd(mask.v, a.v), _mm_andnot_pd(mask.v, b.v)));
}

struct SamplePair {
    __m128i v;

    SamplePair() : v(_mm_setzero_si128()) {}
    explicit SamplePair(__m128i lanes) : v(lanes) {}

    static SamplePair Of(int32_t first, int32_t second) { return SamplePair(_mm_setr_epi32(first, second, 0, 0)); }

    int32_t First() const { return _mm_cvtsi128_si32(v); }
    int32_t Second() const { return _mm_cvtsi128_si32(_mm_srli_si128(v, 4)); }
};

inline SamplePair SecondOnBoth(SamplePair a) { return SamplePair(_mm_shuffle_epi32(a.v, 0x55)); }

inline SamplePair ToSamples(ChannelPair scaled) {
    const __m128d low = _mm_set1_pd(kSampleLow);
    const __m128d high = _mm_set1_pd(kSampleHigh);
    return SamplePair(_mm_cvttpd_epi32(_mm_min_pd(_mm_max_pd(scaled.v, low), high)));
}

inline int CountLimited(ChannelPair scaled) {
    const __m128d inside = _mm_and_pd(_mm_cmpgt_pd(scaled.v, _mm_set1_pd(kSampleLow)),
                                      _mm_cmplt_pd(scaled.v, _mm_set1_pd(kSampleHigh)));
    const int mask = _mm_movemask_pd(inside);
    return 2 - (mask & 1) - (mask >> 1);
}

inline LimitedPair LimitedSum(SamplePair a, SamplePair b, int32_t& clipCount) {
    const __m128i sum = _mm_add_epi32(a.v, b.v);
    const __m128i below = _mm_cmpgt_epi32(_mm_set1_epi32(kSampleLow + 1), sum);
    const __m128i above = _mm_cmpgt_epi32(sum, _mm_set1_epi32(kSampleHigh - 1));
    const int limited = _mm_movemask_ps(_mm_castsi128_ps(_mm_or_si128(below, above))) & 3;
    clipCount += (limited & 1) + (limited >> 1);
    // Saturating to 16 bits first keeps the limiting exact for any 32-bit sum.
    const __m128i packed = _mm_max_epi16(_mm_min_epi16(_mm_packs_epi32(sum, sum), _mm_set1_epi16(kSampleHigh)),
                                         _mm_set1_epi16(kSampleLow));
    const int32_t both = _mm_cvtsi128_si32(packed);
    return {static_cast<int16_t>(both), static_cast<int16_t>(both >> 16)};
}
