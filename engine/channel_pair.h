#pragma once
// The two channels of a frame side by side in one register. Each lane is computed exactly as a
// scalar double would be, so packed code rounds like the frame-by-frame arithmetic.
//
// Two implementations give the same bits: SSE2 registers on x86, and the compiler's generic
// vectors everywhere else (or wherever VELORA_PORTABLE_PAIRS asks for them). Each provides:
// - ChannelPair, both channels in double precision: + - *, Single (both lanes rounded to single
//   precision, as storing them into floats does), LoadPair and StorePair from and to float[2];
// - StoredPair, the pair's values as stored in single precision: Stored, Widen, + - *,
//   StorePair;
// - Mirror (the first lane as is, the second negated: x + Mirror(y) adds y to the first channel
//   and subtracts it from the second) and Abs;
// - PairMask from Above and Below, Any, Differ, and Select (per lane: a where the mask is set,
//   else b);
// - SamplePair, two 32-bit samples: ToSamples (both lanes limited to the 16-bit output range
//   and truncated toward zero; the limits are whole numbers, so limiting first gives what
//   truncating first would, and a NaN lane is limited to the lower bound), CountLimited (how
//   many lanes reach those limits, the limits themselves and NaN included), LimitedSum (the
//   lanes' sums as a LimitedPair, counting every limited sum), SecondOnBoth.
//
// A single addition, subtraction or multiplication of two single-precision values rounded once
// to single precision gives exactly what the operation in double precision rounded to single
// gives: double carries more than twice the bits of single plus two, so rounding twice never
// differs from rounding once. Such updates therefore skip the trip through double precision.

#if defined(__SSE2__) && !defined(VELORA_PORTABLE_PAIRS)
#include "engine/channel_pair_sse2.h"
#else
#include "engine/channel_pair_portable.h"
#endif

#include "engine/coefficients.h"

// A one-pole coefficient and its complement, ready for both channels.
struct PairPole {
    ChannelPair k;
    ChannelPair complement;
};

inline PairPole Packed(OnePole pole) { return {pole.k, pole.complement}; }

inline bool AnyAbove(ChannelPair a, double threshold) { return Any(Above(a, threshold)); }
