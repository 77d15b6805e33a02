#pragma once
// The channel pair in the compiler's generic vectors, which become NEON registers on aarch64
// and plain scalar code where there is no vector unit. Every lane operation is an IEEE
// operation of its own, so the results are those of the SSE2 registers bit for bit.

#include <cstdint>
#include <cstring>

#if defined(__aarch64__)
#include <arm_neon.h>
#endif

#include "engine/sample_limits.h"

typedef double PairDoubles __attribute__((vector_size(16)));
typedef float PairFloats __attribute__((vector_size(8)));
typedef int64_t PairLaneBits __attribute__((vector_size(16)));
typedef int32_t PairInts __attribute__((vector_size(8)));

struct ChannelPair {
    PairDoubles v;

    ChannelPair() : v(PairDoubles{0.0, 0.0}) {}
    explicit ChannelPair(PairDoubles lanes) : v(lanes) {}
    // A scalar stands for the same value on both channels.
    ChannelPair(double both) : v(PairDoubles{both, both}) {}

    static ChannelPair Of(double first, double second) { return ChannelPair(PairDoubles{first, second}); }

    double First() const { return v[0]; }
    double Second() const { return v[1]; }
};

inline ChannelPair operator+(ChannelPair a, ChannelPair b) { return ChannelPair(a.v + b.v); }
inline ChannelPair operator-(ChannelPair a, ChannelPair b) { return ChannelPair(a.v - b.v); }
inline ChannelPair operator*(ChannelPair a, ChannelPair b) { return ChannelPair(a.v * b.v); }

struct StoredPair {
    PairFloats v;
};

inline StoredPair Stored(ChannelPair a) { return {__builtin_convertvector(a.v, PairFloats)}; }
#if defined(__aarch64__)
// g++ widens a generic float pair lane by lane; NEON widens both lanes in one instruction.
inline ChannelPair Widen(StoredPair a) { return ChannelPair(vcvt_f64_f32(a.v)); }
#else
inline ChannelPair Widen(StoredPair a) { return ChannelPair(__builtin_convertvector(a.v, PairDoubles)); }
#endif

inline ChannelPair Single(ChannelPair a) { return Widen(Stored(a)); }

inline StoredPair operator+(StoredPair a, StoredPair b) { return {a.v + b.v}; }
inline StoredPair operator-(StoredPair a, StoredPair b) { return {a.v - b.v}; }
inline StoredPair operator*(StoredPair a, StoredPair b) { return {a.v * b.v}; }

inline ChannelPair LoadPair(const float* pair) {
    StoredPair stored;
    std::memcpy(&stored.v, pair, sizeof stored.v);
    return Widen(stored);
}

inline void StorePair(float* pair, StoredPair a) { std::memcpy(pair, &a.v, sizeof a.v); }
inline void StorePair(float* pair, ChannelPair a) { StorePair(pair, Stored(a)); }

// The sign bit flipped or cleared, as the SSE2 bit operations do, NaN lanes included.
inline ChannelPair Mirror(ChannelPair a) {
    return ChannelPair(reinterpret_cast<PairDoubles>(reinterpret_cast<PairLaneBits>(a.v) ^ PairLaneBits{0, INT64_MIN}));
}
inline StoredPair Mirror(StoredPair a) {
    return {reinterpret_cast<PairFloats>(reinterpret_cast<PairInts>(a.v) ^ PairInts{0, INT32_MIN})};
}
inline ChannelPair Abs(ChannelPair a) {
    return ChannelPair(reinterpret_cast<PairDoubles>(reinterpret_cast<PairLaneBits>(a.v) & INT64_MAX));
}

// Each lane all ones where a comparison holds, all zeros where it does not (or a lane is NaN).
struct PairMask {
    PairLaneBits v;
};

inline PairMask Above(ChannelPair a, ChannelPair b) { return {a.v > b.v}; }
inline PairMask Below(ChannelPair a, ChannelPair b) { return {a.v < b.v}; }
inline bool Any(PairMask mask) { return (mask.v[0] | mask.v[1]) != 0; }
inline bool Differ(ChannelPair a, ChannelPair b) { return Any({a.v != b.v}); }

inline ChannelPair Select(PairMask mask, ChannelPair a, ChannelPair b) { return ChannelPair(mask.v ? a.v : b.v); }

struct SamplePair {
    PairInts v;

    SamplePair() : v(PairInts{0, 0}) {}
    explicit SamplePair(PairInts lanes) : v(lanes) {}

    static SamplePair Of(int32_t first, int32_t second) { return SamplePair(PairInts{first, second}); }

    int32_t First() const { return v[0]; }
    int32_t Second() const { return v[1]; }
};

inline SamplePair SecondOnBoth(SamplePair a) { return SamplePair::Of(a.Second(), a.Second()); }

// The limiting keeps NaN out of the conversion as SSE2's maximum does (it answers its second
// operand), so no lane is ever converted from outside the integer range.
inline SamplePair ToSamples(ChannelPair scaled) {
    const PairDoubles low = PairDoubles{kSampleLow, kSampleLow};
    const PairDoubles high = PairDoubles{kSampleHigh, kSampleHigh};
    const PairDoubles raised = scaled.v > low ? scaled.v : low;
    const PairDoubles limited = raised < high ? raised : high;
    return SamplePair(__builtin_convertvector(limited, PairInts));
}

inline int CountLimited(ChannelPair scaled) {
    const PairLaneBits inside = (scaled.v > kSampleLow) & (scaled.v < kSampleHigh);
    return static_cast<int>(2 + inside[0] + inside[1]);
}

inline LimitedPair LimitedSum(SamplePair a, SamplePair b, int32_t& clipCount) {
    const PairInts sum = a.v + b.v;
    const int16_t first = static_cast<int16_t>(Clamp16Counted(sum[0], clipCount));
    return {first, static_cast<int16_t>(Clamp16Counted(sum[1], clipCount))};
}
