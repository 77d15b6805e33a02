#pragma once
// The host's float channels into the engine's interleaved 16-bit frames and back, with x86 four
// frames at a time in SSE2 registers and the rest one by one, with the same rounding and
// clipping. Elsewhere (or with VELORA_PORTABLE_PAIRS) every frame goes one by one.

#include <cstdint>

#include "lv2/port_values.h"

#if defined(__SSE2__) && !defined(VELORA_PORTABLE_PAIRS)
#define VELORA_SSE2_SAMPLE_BLOCKS 1
#include <emmintrin.h>

namespace sample_blocks_detail {

// As FloatToPcm16, lane by lane: not-a-number becomes 0, the rest is held to the 16-bit range
// and rounded to the nearest integer, ties to even.
inline __m128i RoundedPcm(__m128 x) {
    const __m128 scaled = _mm_mul_ps(x, _mm_set1_ps(32768.0f));
    const __m128 numbers = _mm_and_ps(scaled, _mm_cmpord_ps(scaled, scaled));
    return _mm_cvtps_epi32(_mm_min_ps(_mm_max_ps(numbers, _mm_set1_ps(-32768.0f)), _mm_set1_ps(32767.0f)));
}

inline __m128 Floats(__m128i pcm32) { return _mm_mul_ps(_mm_cvtepi32_ps(pcm32), _mm_set1_ps(1.0f / 32768.0f)); }

// The four (sign-extended) 16-bit values in the low or high half of a register.
inline __m128i LowPcm32(__m128i pcm) { return _mm_srai_epi32(_mm_unpacklo_epi16(pcm, pcm), 16); }
inline __m128i HighPcm32(__m128i pcm) { return _mm_srai_epi32(_mm_unpackhi_epi16(pcm, pcm), 16); }

}  // namespace sample_blocks_detail
#endif

// One channel (mono) or two (stereo, interleaved first, second).
inline void ToPcm16Frames(const float* const* channels, int32_t channelCount, uint32_t frames, int16_t* samples) {
    uint32_t frame = 0;
    if (channelCount == 2) {
#ifdef VELORA_SSE2_SAMPLE_BLOCKS
        using namespace sample_blocks_detail;
        for (; frame + 4 <= frames; frame += 4) {
            const __m128i first = RoundedPcm(_mm_loadu_ps(channels[0] + frame));
            const __m128i second = RoundedPcm(_mm_loadu_ps(channels[1] + frame));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(samples + 2 * frame),
                             _mm_packs_epi32(_mm_unpacklo_epi32(first, second), _mm_unpackhi_epi32(first, second)));
        }
#endif
        for (; frame < frames; ++frame) {
            samples[2 * frame] = FloatToPcm16(channels[0][frame]);
            samples[2 * frame + 1] = FloatToPcm16(channels[1][frame]);
        }
        return;
    }
#ifdef VELORA_SSE2_SAMPLE_BLOCKS
    for (; frame + 4 <= frames; frame += 4) {
        const __m128i values = sample_blocks_detail::RoundedPcm(_mm_loadu_ps(channels[0] + frame));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(samples + frame), _mm_packs_epi32(values, values));
    }
#endif
    for (; frame < frames; ++frame) samples[frame] = FloatToPcm16(channels[0][frame]);
}

inline void FromPcm16Frames(const int16_t* samples, int32_t channelCount, uint32_t frames, float* const* channels) {
    uint32_t frame = 0;
    if (channelCount == 2) {
#ifdef VELORA_SSE2_SAMPLE_BLOCKS
        using namespace sample_blocks_detail;
        for (; frame + 4 <= frames; frame += 4) {
            const __m128i pcm = _mm_loadu_si128(reinterpret_cast<const __m128i*>(samples + 2 * frame));
            const __m128 low = Floats(LowPcm32(pcm));    // frames 0 and 1, both channels
            const __m128 high = Floats(HighPcm32(pcm));  // frames 2 and 3
            _mm_storeu_ps(channels[0] + frame, _mm_shuffle_ps(low, high, _MM_SHUFFLE(2, 0, 2, 0)));
            _mm_storeu_ps(channels[1] + frame, _mm_shuffle_ps(low, high, _MM_SHUFFLE(3, 1, 3, 1)));
        }
#endif
        for (; frame < frames; ++frame) {
            channels[0][frame] = Pcm16ToFloat(samples[2 * frame]);
            channels[1][frame] = Pcm16ToFloat(samples[2 * frame + 1]);
        }
        return;
    }
#ifdef VELORA_SSE2_SAMPLE_BLOCKS
    for (; frame + 4 <= frames; frame += 4) {
        const __m128i pcm = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(samples + frame));
        _mm_storeu_ps(channels[0] + frame, sample_blocks_detail::Floats(sample_blocks_detail::LowPcm32(pcm)));
    }
#endif
    for (; frame < frames; ++frame) channels[0][frame] = Pcm16ToFloat(samples[frame]);
}
