#pragma once
// The loop that runs both channels over a piece of a block.

#include <cstdint>

#include "engine/bass_channel.h"
#include "engine/engine.h"
#include "engine/mix.h"
#include "engine/music_channel.h"

// Both channels over a piece whose input sits in the scratch copy. Every frame's bass result
// goes back into the copy, and the mix of bass and music into the caller's samples and the
// scope ring.
//
// The two channels are independent until the mix, and each is a chain of stages that hand a
// frame on to the next. The loop runs the stages as a pipeline: in each step every stage takes
// the frame the stage before it finished in the previous step, so the processor works on seven
// frames at once instead of waiting for one frame's long dependency chain. Later stages run
// first within a step, so that each reads what its predecessor left one step earlier. The
// results are those of running every frame through both channels in turn.
//
// Stride is the number of values per frame: 2 for stereo, 1 for every other channel count.
template <int32_t Stride>
class PiecePipeline {
public:
    static constexpr int32_t kStages = 7;
    // The frame's second value; with one value per frame both paths read and write it.
    static constexpr int32_t kSecond = Stride - 1;

    PiecePipeline(Engine& engine, const BlockCoefficients& c, int16_t* samples, int32_t frames)
        : engine_(engine), bass_(engine.state, c, engine.inputs), music_(engine.state, c, engine.inputs),
          copy_(engine.inputCopy), samples_(samples), frames_(frames),
          clipCount_(engine.clipCount), scopePos_(engine.scopeWritePos) {}

    [[gnu::always_inline]] void Run() {
        // While the pipeline fills and drains some stages have no frame to work on.
        const int32_t last = frames_ + kStages - 1;
        int32_t step = 0;
        for (; step < kStages - 1 && step < last; ++step) Step<false>(step);
        for (; step < frames_; ++step) Step<true>(step);
        for (; step < last; ++step) Step<false>(step);
        bass_.Finish();
        music_.Finish();
        engine_.clipCount = clipCount_;
        engine_.scopeWritePos = scopePos_;
    }

private:
    // Stage s works on frame step - s when that frame exists; Full says every stage has one.
    template <bool Full>
    [[gnu::always_inline]] bool Has(int32_t step, int32_t stage) const {
        return Full || (step >= stage && step - stage < frames_);
    }

    template <bool Full>
    [[gnu::always_inline]] void Step(int32_t step) {
        // The music results wait two steps for the bass results of their frames.
        const SamplePair musicOut = musicLater_;
        musicLater_ = musicNext_;
        if (Has<Full>(step, 6)) Mix(step - 6, bass_.Output(), musicOut);
        if (Has<Full>(step, 5)) bass_.Compress();
        if (Has<Full>(step, 4)) {
            bass_.Resonance();
            musicNext_ = music_.Output(clipCount_);
        }
        if (Has<Full>(step, 3)) {
            bass_.Color();
            music_.Compress();
        }
        if (Has<Full>(step, 2)) {
            bass_.Phatt();
            music_.Gains(step - 1 < frames_);
        }
        if (Has<Full>(step, 1)) {
            bass_.Agc();
            music_.SideAndTreble();
        }
        if (Has<Full>(step, 0)) {
            const int16_t* in = copy_ + step * Stride;
            const ChannelPair input = ChannelPair::Of(in[0], in[kSecond]);
            bass_.Input(input);
            music_.Input(input);
        }
    }

    [[gnu::always_inline]] void Mix(int32_t frame, SamplePair bassOut, SamplePair musicOut) {
        // The copy keeps the bass result, the second path's where there is one value per frame.
        int16_t* bass = copy_ + frame * Stride;
        bass[0] = static_cast<int16_t>(bassOut.First());
        bass[kSecond] = static_cast<int16_t>(bassOut.Second());

        // A mono frame's bass value is the second path's, for both sums.
        const SamplePair bassMix = Stride == 2 ? bassOut : SecondOnBoth(bassOut);
        const MixedFrame out = MixFrame(bassMix, musicOut,
                                        ReadInput(engine_.inputs.inverted), clipCount_);
        int16_t* target = samples_ + frame * Stride;
        target[0] = out.first;
        target[kSecond] = out.second;
        engine_.display.scopeRing[scopePos_].store(out.first, std::memory_order_relaxed);
        engine_.display.scopeRing[scopePos_ + 1].store(out.second, std::memory_order_relaxed);
        scopePos_ = scopePos_ < kScopeLastPair - 1 ? scopePos_ + 2 : 0;
    }

    Engine& engine_;
    BassChannel bass_;
    MusicChannel music_;
    int16_t* copy_;
    int16_t* samples_;
    const int32_t frames_;
    int32_t clipCount_;
    int32_t scopePos_;
    SamplePair musicNext_;
    SamplePair musicLater_;
};
