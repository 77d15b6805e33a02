#include "engine/engine.h"

#include <cstring>

#include "engine/bass_channel.h"
#include "engine/gain_rule.h"
#include "engine/mix.h"
#include "engine/music_channel.h"

void EngineEnterBlock(Engine& engine, int32_t sampleRate) {
    engine.display.blockSampleRate.store(sampleRate, std::memory_order_relaxed);
    engine.display.scopeBlockStart.store(engine.scopeWritePos, std::memory_order_relaxed);
}

namespace {

// Runs both channels over a piece whose input sits in the scratch copy: every frame's bass
// result goes back into the copy, and the mix of bass and music into the caller's samples and
// the scope ring. The two channels are independent until the mix, so running them frame by
// frame side by side lets their filter chains overlap in the processor.
void ProcessPiece(Engine& engine, const BlockCoefficients& c, int16_t* samples, int32_t frames,
                  int32_t stride) {
    BassChannel bass(engine.state, c, engine.inputs);
    MusicChannel music(engine.state, c, engine.inputs);
    int16_t* copy = engine.inputCopy;
    int32_t clipCount = engine.clipCount;
    int32_t scopePos = engine.scopeWritePos;
    const int32_t second = stride - 1;  // with one value per frame both paths read it

    for (int32_t i = 0; i < frames; ++i) {
        int16_t* in = copy + i * stride;
        const ChannelPair input = ChannelPair::Of(in[0], in[second]);
        const __m128i bassOut = bass.Frame(input);
        const __m128i musicOut = music.Frame(input, clipCount);

        // The copy keeps the bass result, the second path's where there is one value per frame.
        const int32_t bassFirst = _mm_cvtsi128_si32(bassOut);
        const int32_t bassSecond = _mm_cvtsi128_si32(_mm_srli_si128(bassOut, 4));
        in[0] = static_cast<int16_t>(bassFirst);
        in[second] = static_cast<int16_t>(bassSecond);

        // A mono frame's bass value is the second path's, for both sums.
        const __m128i bassMix = stride == 2 ? bassOut : _mm_shuffle_epi32(bassOut, 0x55);
        const MixedFrame out = MixFrame(bassMix, musicOut, ReadInput(engine.inputs.inverted), clipCount);
        int16_t* frame = samples + i * stride;
        frame[0] = out.first;
        frame[second] = out.second;
        engine.display.scopeRing[scopePos].store(out.first, std::memory_order_relaxed);
        engine.display.scopeRing[scopePos + 1].store(out.second, std::memory_order_relaxed);
        scopePos = scopePos < kScopeLastPair - 1 ? scopePos + 2 : 0;
    }

    bass.Finish();
    music.Finish();
    engine.clipCount = clipCount;
    engine.scopeWritePos = scopePos;
}

// The clip ratio of the block turns into the meter's level: it holds each new peak and then
// falls by 0.001 per processed block.
void FinishClipStatistics(Engine& engine, int32_t frames, int32_t channels) {
    const double samples = static_cast<double>(frames) * channels;
    engine.clipRatio = samples > 0 ? Single(engine.clipCount / samples) : 0.0f;
    const float level = engine.display.clipLevel.load(std::memory_order_relaxed);
    const float next = engine.clipRatio > level ? engine.clipRatio : Single(level - 0.001);
    engine.display.clipLevel.store(next, std::memory_order_relaxed);
}

}  // namespace

void EngineProcessBlock(Engine& engine, int16_t* samples, int32_t frames, int32_t channels,
                        int32_t sampleRate) {
    if (samples == nullptr || frames < 0 || channels <= 0 || sampleRate < kMinSampleRate ||
        engine.inputCopy == nullptr) {
        return;
    }
    engine.clipCount = 0;
    const BlockCoefficients coefficients = DeriveCoefficients(engine.inputs, sampleRate);

    // Any channel count but two is processed as mono: one value per frame. A block larger
    // than the scratch copy is processed in pieces that fit it.
    const int32_t stride = channels == 2 ? 2 : 1;
    const int32_t pieceFrames = kInputCopyValues / stride;
    for (int32_t done = 0; done < frames; done += pieceFrames) {
        const int32_t count = frames - done < pieceFrames ? frames - done : pieceFrames;
        int16_t* piece = samples + static_cast<size_t>(done) * stride;
        std::memcpy(engine.inputCopy, piece, static_cast<size_t>(count) * stride * sizeof(int16_t));
        ProcessPiece(engine, coefficients, piece, count, stride);
    }
    FinishClipStatistics(engine, frames, channels);
}
