#pragma once
// The bass channel: the low end held steady by its own AGC, driven into the phatt gain stage,
// coloured by resonant low-pass sections, separated in stereo and compressed with 199 frames
// of look-ahead.

#include <cstdint>

#include "engine/channel_pair.h"
#include "engine/coefficients.h"
#include "engine/engine_inputs.h"
#include "engine/engine_state.h"
#include "engine/gain_rule.h"
#include "engine/sample_limits.h"

// The channel's memories and coefficients for one block, held in locals so that the compiler
// keeps them in registers; Finish puts the memories back.
struct BassChannel {
    EngineState& s;
    const EngineInputs& inputs;
    const PairPole kBassIn, kBassLeak, kBassDc, kBassAgc;
    const PairPole kColor1, kColor2, kColor3, kResonance1, kResonance2;
    const StoredPair leakComplement, colorGainStored;
    const ChannelPair bassInputGain, phattDrive, resonanceDrive, bassOutputGain;
    const double bassSeparation, bassAgcCeiling;
    ChannelPair bassLp, bassDcLp, bassAgcLp, colorLp1, colorLp2, colorLp3, resonanceLp1, resonanceLp2;
    double bassAgcGain, phattGain, bassCompGain, bassCompSmooth1, bassCompSmooth2;
    int32_t ringPos;
    ChannelPair colorIn;  // handed from Phatt to Color

    BassChannel(EngineState& state, const BlockCoefficients& c, const EngineInputs& in)
        : s(state), inputs(in),
          kBassIn(Packed(c.kBassIn)), kBassLeak(Packed(c.kBassLeak)), kBassDc(Packed(c.kBassDc)),
          kBassAgc(Packed(c.kBassAgc)), kColor1(Packed(c.kColor1)), kColor2(Packed(c.kColor2)),
          kColor3(Packed(c.kColor3)), kResonance1(Packed(c.kResonance1)),
          kResonance2(Packed(c.kResonance2)),
          leakComplement(Stored(c.kBassLeak.complement)), colorGainStored(Stored(c.colorGain)),
          bassInputGain(c.bassInputGain), phattDrive(c.phattDrive),
          resonanceDrive(c.resonanceDrive), bassOutputGain(c.bassOutputGain),
          bassSeparation(c.bassSeparation), bassAgcCeiling(c.bassAgcCeiling),
          bassLp(LoadPair(s.bassLp)), bassDcLp(LoadPair(s.bassDcLp)), bassAgcLp(LoadPair(s.bassAgcLp)),
          colorLp1(LoadPair(s.colorLp1)), colorLp2(LoadPair(s.colorLp2)), colorLp3(LoadPair(s.colorLp3)),
          resonanceLp1(LoadPair(s.resonanceLp1)), resonanceLp2(LoadPair(s.resonanceLp2)),
          bassAgcGain(s.bassAgcGain), phattGain(s.phattGain), bassCompGain(s.bassCompGain),
          bassCompSmooth1(s.bassCompSmooth1), bassCompSmooth2(s.bassCompSmooth2),
          ringPos(s.bassRingPos) {}

    // The stages of one frame. The engine runs them as a pipeline, each stage a frame behind
    // the one before it, so that the stages' dependency chains overlap; a stage hands its
    // frame on in the memories it updates.

    // Input low-pass, leak and DC removal.
    [[gnu::always_inline]] void Input(ChannelPair input) {
        const ChannelPair bassIn = Single(input * kSampleIn);
        const StoredPair leaked =
            Stored(bassLp * kBassIn.complement + bassIn * bassInputGain * kBassIn.k) * leakComplement;
        const StoredPair dc = Stored(bassDcLp * kBassDc.complement + Widen(leaked) * kBassDc.k);
        bassDcLp = Widen(dc);
        bassLp = Widen(leaked - dc);
    }

    // The AGC.
    [[gnu::always_inline]] void Agc() {
        bassAgcLp = Single(bassAgcLp * kBassAgc.complement + bassLp * bassAgcGain * kBassAgc.k);
        bassAgcGain = NextGain(bassAgcGain, AnyAbove(Abs(bassAgcLp), 0.8), bassAgcCeiling, 0.999,
                               1.000003, 0.9999);
    }

    // The phatt gain stage and the stereo separation.
    [[gnu::always_inline]] void Phatt() {
        const StoredPair scaled = Stored(bassAgcLp * phattGain * phattDrive) * colorGainStored;
        const ChannelPair unseparated = Widen(scaled);
        const double d = Single((unseparated.First() - unseparated.Second()) * bassSeparation);
        colorIn = Widen(scaled + Mirror(Stored(d)));
        if (ReadInput(inputs.soft)) {
            phattGain = NextGain(phattGain, AnyAbove(Abs(colorIn), 1.0), 1.0, 0.993, 1.003, 0.999);
        } else {
            phattGain = NextGain(phattGain, AnyAbove(colorIn, 0.7), 1.0, 0.99, 1.004, 0.999);
        }
    }

    // The colour low-passes with the first resonant high-pass.
    [[gnu::always_inline]] void Color() {
        colorLp1 = Single(colorLp1 * kColor1.complement + colorIn * resonanceDrive * kColor1.k);
        const StoredPair color2 = Stored(colorLp2 * kColor2.complement + colorLp1 * kColor2.k);
        const StoredPair resonance1 =
            Stored(resonanceLp1 * kResonance1.complement + Widen(color2) * kResonance1.k);
        resonanceLp1 = Widen(resonance1);
        colorLp2 = Widen(color2 - resonance1);
    }

    // The last colour low-pass with the optional second resonant high-pass.
    [[gnu::always_inline]] void Resonance() {
        colorLp3 = Single(colorLp3 * kColor3.complement + colorLp2 * kColor3.k);
        if (ReadInput(inputs.doubleresonance)) {
            resonanceLp2 = Single(resonanceLp2 * kResonance2.complement + colorLp3 * kResonance2.k);
            colorLp3 = Single(colorLp3 - resonanceLp2);
        }
    }

    // The look-ahead compressor: the frame enters the ring and steers the gain.
    [[gnu::always_inline]] void Compress() {
        StorePair(s.bassRing[ringPos], colorLp3);
        ringPos = ringPos < kLookAheadRing - 1 ? ringPos + 1 : 0;
        bassCompGain = NextGain(bassCompGain, AnyAbove(Abs(colorLp3 * bassCompGain), 0.9), 1.0,
                                0.99, 1.0001, 0.9999);
        bassCompSmooth1 = Single(0.98 * bassCompSmooth1 + 0.02 * bassCompGain);
        bassCompSmooth2 = Single(0.98 * bassCompSmooth2 + 0.02 * bassCompSmooth1);
    }

    // The ring entry of 199 frames ago leaves with the gain of the undelayed signal, as
    // 16-bit values.
    [[gnu::always_inline]] SamplePair Output() {
        const ChannelPair bassFinal =
            Single(LoadPair(s.bassRing[ringPos]) * bassCompSmooth2 * bassOutputGain);
        return ToSamples(bassFinal * 32766.0);
    }

    void Finish() {
        StorePair(s.bassLp, bassLp);
        StorePair(s.bassDcLp, bassDcLp);
        StorePair(s.bassAgcLp, bassAgcLp);
        StorePair(s.colorLp1, colorLp1);
        StorePair(s.colorLp2, colorLp2);
        StorePair(s.colorLp3, colorLp3);
        StorePair(s.resonanceLp1, resonanceLp1);
        StorePair(s.resonanceLp2, resonanceLp2);
        s.bassAgcGain = Single(bassAgcGain);
        s.phattGain = Single(phattGain);
        s.bassCompGain = Single(bassCompGain);
        s.bassCompSmooth1 = Single(bassCompSmooth1);
        s.bassCompSmooth2 = Single(bassCompSmooth2);
        s.bassRingPos = ringPos;
    }
};
