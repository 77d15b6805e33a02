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
    // Latches between the stages.
    StoredPair inputStored;
    ChannelPair inputSig, musicSig, trebleSig, entry;
    // musicAgcGain holds the gains of the frame Gains works on; enteredGains are those the
    // latest Input used, and expectedGains those the next Input will use unless a trigger
    // intervenes. Gains repeats the latest Input with what it needs from before.
    ChannelPair enteredGains;
    ChannelPair expectedGains;
    ChannelPair inputBefore, hipassLp1Before, hipassLp2Before;

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
          surroundPos(s.surroundRingPos), musicPos(s.musicRingPos), expectedGains(musicAgcGain) {}

    // The stages of one frame, run as a pipeline by the engine, each a frame behind the one
    // before it; the latches hand the frame on.
    //
    // The AGC gains close a loop: a frame's entry steers the gains of the next frame, but the
    // next frame enters two stages before the entry is known. Input therefore goes ahead with
    // the gains the frame would get if nothing triggers (what happens on most frames), and
    // Gains repeats the next frame's Input with the real gains whenever they differ.

    // Input with its AGC gains and the two input high-passes.
    [[gnu::always_inline]] void Input(ChannelPair input) {
        inputBefore = input;
        hipassLp1Before = hipassLp1;
        hipassLp2Before = hipassLp2;
        enteredGains = expectedGains;
        HighPassInput(input, expectedGains);
        expectedGains = Linked(IdleGains(expectedGains));
    }

    // The surround branch into its ring, the widening and the treble branch.
    [[gnu::always_inline]] void SideAndTreble() {
        const StoredPair surround1 =
            Stored(surroundLp1 * kSurround1.complement + inputSig * kSurround1.k);
        surroundLp1 = Widen(surround1);
        const StoredPair h = inputStored - surround1;
        const StoredPair surround2 = Stored(surroundLp2 * kSurround2.complement + Widen(h) * kSurround2.k);
        surroundLp2 = Widen(surround2);
        StorePair(s.surroundRing[surroundPos], h - surround2);
        surroundPos = surroundPos < surroundDelay ? surroundPos + 1 : 0;

        const double wideDiff = Single((inputSig.First() - inputSig.Second()) * wideAmount);
        wideMemory = ReadInput(inputs.widefilt) ? Single(0.7 * wideMemory + 0.3 * wideDiff) : wideDiff;
        const StoredPair widened = inputStored + Mirror(Stored(wideMemory));
        musicSig = Widen(widened);

        const StoredPair treble1 = Stored(trebleLp1 * kTreble1.complement + musicSig * kTreble1.k);
        trebleLp1 = Widen(treble1);
        const StoredPair highs = widened - treble1;
        const StoredPair treble2 = Stored(trebleLp2 * kTreble2.complement + Widen(highs) * kTreble2.k);
        trebleLp2 = Widen(treble2);
        trebleSig = Widen(highs - treble2);
    }

    // The ring entry with the surround side signal of surroundDelay frames ago (added on the
    // first channel, subtracted on the second), and the AGC gains it steers for the next frame.
    // nextStarted says whether the next frame has been through Input already.
    [[gnu::always_inline]] void Gains(bool nextStarted) {
        const ChannelPair side = LoadPair(s.surroundRing[surroundPos]) * surroundAmount;
        entry = Single(trebleSig * trebleGain + musicSig + Mirror(side));
        musicAgcGain = Linked(NextAgcGains(musicAgcGain, entry));
        if (nextStarted && Differ(musicAgcGain, enteredGains)) {
            enteredGains = musicAgcGain;
            hipassLp1 = hipassLp1Before;
            hipassLp2 = hipassLp2Before;
            HighPassInput(inputBefore, musicAgcGain);
            expectedGains = Linked(IdleGains(musicAgcGain));
        }
    }

    // The loudness contour and the look-ahead compressor: the entry goes into the ring and
    // steers the gain.
    [[gnu::always_inline]] void Compress() {
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
    }

    // The ring entry of 199 frames ago leaves as 16-bit values; conversions that reach the
    // limits are added to clipCount.
    [[gnu::always_inline]] SamplePair Output(int32_t& clipCount) {
        const ChannelPair musicFinal =
            Single(LoadPair(s.musicRing[musicPos]) * musicCompSmooth * musicOutputGain);
        const ChannelPair scaled = musicFinal * 32766.0;
        clipCount += CountLimited(scaled);
        return ToSamples(scaled);
    }

    [[gnu::always_inline]] void HighPassInput(ChannelPair input, ChannelPair gains) {
        const StoredPair scaled = Stored(input * kSampleIn * gains);
        const StoredPair hipass1 = Stored(hipassLp1 * kHipass.complement + Widen(scaled) * kHipass.k);
        hipassLp1 = Widen(hipass1);
        const StoredPair once = scaled - hipass1;
        const StoredPair hipass2 = Stored(hipassLp2 * kHipass.complement + Widen(once) * kHipass.k);
        hipassLp2 = Widen(hipass2);
        inputStored = once - hipass2;
        inputSig = Widen(inputStored);
    }

    // Each channel's gain up below the ceiling, else settled: the step when nothing triggers.
    [[gnu::always_inline]] ChannelPair IdleFactors(ChannelPair gains) const {
        return Select(Below(gains, musicAgcCeiling), 1.000002, 0.99995);
    }

    [[gnu::always_inline]] ChannelPair IdleGains(ChannelPair gains) const {
        return Single(gains * IdleFactors(gains));
    }

    // Each channel's gain steps down where its own entry is above 0.8, else as when idle.
    [[gnu::always_inline]] ChannelPair NextAgcGains(ChannelPair gains, ChannelPair frameEntry) const {
        const PairMask triggered = Above(Abs(frameEntry), 0.8);
        return Single(gains * Select(triggered, 0.9998, IdleFactors(gains)));
    }

    // Unless each channel keeps its own gain, both take the smaller one.
    [[gnu::always_inline]] ChannelPair Linked(ChannelPair gains) const {
        if (ReadInput(inputs.stereoagc)) return gains;
        const double first = gains.First();
        const double second = gains.Second();
        return first < second ? first : second;
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
