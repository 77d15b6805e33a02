#pragma once
// The mix of a frame: bass plus music, limited to the 16-bit output range and counted.

#include <emmintrin.h>

#include <cstdint>

#include "engine/sample_limits.h"

struct MixedFrame {
    int16_t first;
    int16_t second;
};

// Adds the two channels' bass and music samples, limits each sum with counting (the limits
// themselves count), and negates the first result when inverted.
inline MixedFrame MixFrame(__m128i bass, __m128i music, bool inverted, int32_t& clipCount) {
    const __m128i sum = _mm_add_epi32(bass, music);
    const __m128i below = _mm_cmpgt_epi32(_mm_set1_epi32(kSampleLow + 1), sum);
    const __m128i above = _mm_cmpgt_epi32(sum, _mm_set1_epi32(kSampleHigh - 1));
    const int limited = _mm_movemask_ps(_mm_castsi128_ps(_mm_or_si128(below, above))) & 3;
    clipCount += (limited & 1) + (limited >> 1);
    // Saturating to 16 bits first keeps the limiting exact for any 32-bit sum.
    const __m128i packed = _mm_max_epi16(_mm_min_epi16(_mm_packs_epi32(sum, sum),
                                                       _mm_set1_epi16(kSampleHigh)),
                                         _mm_set1_epi16(kSampleLow));
    const int32_t both = _mm_cvtsi128_si32(packed);
    const int16_t first = static_cast<int16_t>(both);
    return {static_cast<int16_t>(inverted ? -first : first), static_cast<int16_t>(both >> 16)};
}
