#include "engine/engine.h"

#include <cstring>

#include "engine/gain_rule.h"
#include "engine/piece_pipeline.h"

void EngineEnterBlock(Engine& engine, int32_t sampleRate) {
    engine.display.blockSampleRate.store(sampleRate, std::memory_order_relaxed);
    engine.display.scopeBlockStart.store(engine.scopeWritePos, std::memory_order_relaxed);
}

namespace {

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
        if (stride == 2) {
            PiecePipeline<2>(engine, coefficients, piece, count).Run();
        } else {
            PiecePipeline<1>(engine, coefficients, piece, count).Run();
        }
    }
    FinishClipStatistics(engine, frames, channels);
}
