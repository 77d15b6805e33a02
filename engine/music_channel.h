#pragma once
// The music channel: the input with its AGC, high-passed, widened, with a delayed surround side
// signal and a treble lift, an optional loudness contour, compressed with 199 frames of
// look-ahead.

#include <cstdint>

#include "engine/channel_pair.h"
#include "engine/coefficients.h"
#include "engine/engine_inputs.h"
#include "engine/engine_state.h"
#include "engine/gain_rule.h"

// The channel's memories and coefficients for one block, held in locals; Finish puts the
// memories back.
struct MusicChannel {
    EngineState& s;
    const EngineInputs& inputs;
    const PairPole kHipass, kSurround1, kSurround2, kTreble1, kTreble2, kLoudLow, kLoudHigh;
    const ChannelPair trebleGain, surroundAmount, musicCompDrive, musicOutputGain;
    const double wideAmount, musicAgcCeiling, compAttack, compRelease;
    const int32_t surroundDelay;
    ChannelPair musicAgcGain, hipassLp1, hipassLp2, surroundLp1, surroundLp2;
    ChannelPair trebleLp1, trebleLp2, loudLowLp, loudHighLp;
    double wideMemory, musicCompGain, musicCompSmooth;
    int32_t surroundPos, musicPos;

    MusicChannel(EngineState& state, const BlockCoefficients& c, const EngineInputs& in)
        : s(state), inputs(in),
          kHipass(Packed(c.kHipass)), kSurround1(Packed(c.kSurround1)),
          kSurround2(Packed(c.kSurround2)), kTreble1(Packed(c.kTreble1)),
          kTreble2(Packed(c.kTreble2)), kLoudLow(Packed(c.kLoudLow)), kLoudHigh(Packed(c.kLoudHigh)),
          trebleGain(c.trebleGain), surroundAmount(c.surroundAmount),
          musicCompDrive(c.musicCompDrive), musicOutputGain(c.musicOutputGain),
          wideAmount(c.wideAmount), musicAgcCeiling(c.musicAgcCeiling), compAttack(c.compAttack),
          compRelease(c.compRelease), surroundDelay(c.surroundDelay),
          musicAgcGain(LoadPair(s.musicAgcGain)), hipassLp1(LoadPair(s.hipassLp1)),
          hipassLp2(LoadPair(s.hipassLp2)), surroundLp1(LoadPair(s.surroundLp1)),
          surroundLp2(LoadPair(s.surroundLp2)), trebleLp1(LoadPair(s.trebleLp1)),
          trebleLp2(LoadPair(s.trebleLp2)), loudLowLp(LoadPair(s.loudLowLp)),
          loudHighLp(LoadPair(s.loudHighLp)), wideMemory(s.wideMemory),
          musicCompGain(s.musicCompGain), musicCompSmooth(s.musicCompSmooth),
          surroundPos(s.surroundRingPos), musicPos(s.musicRingPos) {}

    // One frame: the input pair in, the music result of 199 frames ago out as 16-bit values;
    // conversions that reach the limits are added to clipCount.
    [[gnu::always_inline]] __m128i Frame(ChannelPair input, int32_t& clipCount) {
        ChannelPair musicSig = Single(input * kSampleIn * musicAgcGain);
        hipassLp1 = Single(hipassLp1 * kHipass.complement + musicSig * kHipass.k);
        musicSig = Single(musicSig - hipassLp1);
        hipassLp2 = Single(hipassLp2 * kHipass.complement + musicSig * kHipass.k);
        musicSig = Single(musicSig - hipassLp2);

        surroundLp1 = Single(surroundLp1 * kSurround1.complement + musicSig * kSurround1.k);
        const ChannelPair h = Single(musicSig - surroundLp1);
        surroundLp2 = Single(surroundLp2 * kSurround2.complement + h * kSurround2.k);
        StorePair(s.surroundRing[surroundPos], Single(h - surroundLp2));
        surroundPos = surroundPos < surroundDelay ? surroundPos + 1 : 0;

        const double wideDiff = Single((musicSig.First() - musicSig.Second()) * wideAmount);
        wideMemory = ReadInput(inputs.widefilt) ? Single(0.7 * wideMemory + 0.3 * wideDiff) : wideDiff;
        musicSig = Single(musicSig + Mirror(wideMemory));

        trebleLp1 = Single(trebleLp1 * kTreble1.complement + musicSig * kTreble1.k);
        ChannelPair trebleSig = Single(musicSig - trebleLp1);
        trebleLp2 = Single(trebleLp2 * kTreble2.complement + trebleSig * kTreble2.k);
        trebleSig = Single(trebleSig - trebleLp2);

        // The side signal of surroundDelay frames ago: added on the first channel, subtracted
        // on the second.
        const ChannelPair side = LoadPair(s.surroundRing[surroundPos]) * surroundAmount;
        ChannelPair entry = Single(trebleSig * trebleGain + musicSig + Mirror(side));

        musicAgcGain = NextAgcGains(entry);
        if (!ReadInput(inputs.stereoagc)) {
            const double first = musicAgcGain.First();
            const double second = musicAgcGain.Second();
            musicAgcGain = first < second ? first : second;
        }

        if (ReadInput(inputs.loudness)) {
            loudLowLp = Single(loudLowLp * kLoudLow.complement + entry * kLoudLow.k);
            loudHighLp = Single(loudHighLp * kLoudHigh.complement + entry * kLoudHigh.k);
            entry = Single(1.3 * entry - 0.7 * loudHighLp + 1.5 * loudLowLp);
        }
        StorePair(s.musicRing[musicPos], entry);
        musicPos = musicPos < kLookAheadRing - 1 ? musicPos + 1 : 0;

        musicCompGain = NextGain(musicCompGain, AnyAbove(Abs(entry * musicCompGain * musicCompDrive), 0.9),
                                 1.0, compAttack, compRelease, 0.9999);
        musicCompSmooth = Single(0.95 * musicCompSmooth + 0.05 * musicCompGain);

        const ChannelPair musicFinal =
            Single(LoadPair(s.musicRing[musicPos]) * musicCompSmooth * musicOutputGain);
        const ChannelPair scaled = musicFinal * 32766.0;
        clipCount += CountLimited(scaled);
        return ToSamples(scaled);
    }

    // Each channel's AGC gain steps down where its own entry is above 0.8, else up below the
    // ceiling, else settles.
    [[gnu::always_inline]] ChannelPair NextAgcGains(ChannelPair entry) const {
        const ChannelPair idle =
            Select(_mm_cmplt_pd(musicAgcGain.v, _mm_set1_pd(musicAgcCeiling)), 1.000002, 0.99995);
        const __m128d triggered = _mm_cmpgt_pd(Abs(entry).v, _mm_set1_pd(0.8));
        // Mostly neither channel triggers; the branch keeps the gains off the entries' path.
        if (_mm_movemask_pd(triggered) == 0) return Single(musicAgcGain * idle);
        return Single(musicAgcGain * Select(triggered, 0.9998, idle));
    }

    void Finish() {
        StorePair(s.musicAgcGain, musicAgcGain);
        StorePair(s.hipassLp1, hipassLp1);
        StorePair(s.hipassLp2, hipassLp2);
        StorePair(s.surroundLp1, surroundLp1);
        StorePair(s.surroundLp2, surroundLp2);
        StorePair(s.trebleLp1, trebleLp1);
        StorePair(s.trebleLp2, trebleLp2);
        StorePair(s.loudLowLp, loudLowLp);
        StorePair(s.loudHighLp, loudHighLp);
        s.wideMemory = Single(wideMemory);
        s.musicCompGain = Single(musicCompGain);
        s.musicCompSmooth = Single(musicCompSmooth);
        s.surroundRingPos = surroundPos;
        s.musicRingPos = musicPos;
    }
};
