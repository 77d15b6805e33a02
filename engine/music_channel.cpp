#include "engine/music_channel.h"

#include "engine/filters.h"
#include "engine/sample_limits.h"

void MusicPass(Engine& engine, const BlockCoefficients& c, int16_t* samples, int32_t frames,
               bool stereo) {
    EngineState& s = engine.state;
    const EngineInputs& inputs = engine.inputs;
    const int16_t* bass = engine.inputCopy;
    const int stride = stereo ? 2 : 1;
    int32_t clipCount = engine.clipCount;
    int32_t scopePos = engine.scopeWritePos;

    for (int32_t i = 0; i < frames; ++i) {
        int16_t* frame = samples + i * stride;
        const int16_t raw[2] = {frame[0], frame[stride - 1]};

        float sig[2];
        for (int ch = 0; ch < 2; ++ch) {
            sig[ch] = Single(static_cast<double>(raw[ch]) * kSampleIn * s.musicAgcGain[ch]);
            sig[ch] = HighPass(s.hipassLp1[ch], sig[ch], c.kHipass);
            sig[ch] = HighPass(s.hipassLp2[ch], sig[ch], c.kHipass);
        }

        float h[2], surroundSide[2];
        for (int ch = 0; ch < 2; ++ch) h[ch] = HighPass(s.surroundLp1[ch], sig[ch], c.kSurround1);
        for (int ch = 0; ch < 2; ++ch) surroundSide[ch] = HighPass(s.surroundLp2[ch], h[ch], c.kSurround2);
        const int32_t w = s.surroundRingPos;
        s.surroundRingPos = w < c.surroundDelay ? w + 1 : 0;
        s.surroundRing[0][w] = surroundSide[0];
        s.surroundRing[1][w] = surroundSide[1];

        const float wideDiff = Single((static_cast<double>(sig[0]) - sig[1]) * c.wideAmount);
        s.wideMemory = ReadInput(inputs.widefilt)
                           ? Single(0.7 * s.wideMemory + 0.3 * wideDiff)
                           : wideDiff;
        sig[0] = Single(static_cast<double>(sig[0]) + s.wideMemory);
        sig[1] = Single(static_cast<double>(sig[1]) - s.wideMemory);

        float trebleSig[2];
        for (int ch = 0; ch < 2; ++ch) {
            trebleSig[ch] = HighPass(s.trebleLp1[ch], sig[ch], c.kTreble1);
            trebleSig[ch] = HighPass(s.trebleLp2[ch], trebleSig[ch], c.kTreble2);
        }

        const int32_t v = s.musicRingPos;
        s.musicRingPos = v < kLookAheadRing - 1 ? v + 1 : 0;
        const int32_t surroundRead = s.surroundRingPos;
        float e[2];
        e[0] = Single(static_cast<double>(trebleSig[0]) * c.trebleGain + sig[0] +
                      static_cast<double>(s.surroundRing[0][surroundRead]) * c.surroundAmount);
        e[1] = Single(static_cast<double>(trebleSig[1]) * c.trebleGain + sig[1] -
                      static_cast<double>(s.surroundRing[1][surroundRead]) * c.surroundAmount);

        for (int ch = 0; ch < 2; ++ch) {
            StepGain(s.musicAgcGain[ch], Above(e[ch], 0.8), c.musicAgcCeiling, 0.9998, 1.000002,
                     0.99995);
        }
        if (!ReadInput(inputs.stereoagc)) {
            const float linked =
                s.musicAgcGain[0] < s.musicAgcGain[1] ? s.musicAgcGain[0] : s.musicAgcGain[1];
            s.musicAgcGain[0] = linked;
            s.musicAgcGain[1] = linked;
        }

        if (ReadInput(inputs.loudness)) {
            for (int ch = 0; ch < 2; ++ch) {
                LowPass(s.loudLowLp[ch], e[ch], c.kLoudLow);
                LowPass(s.loudHighLp[ch], e[ch], c.kLoudHigh);
                e[ch] = Single(1.3 * e[ch] - 0.7 * s.loudHighLp[ch] + 1.5 * s.loudLowLp[ch]);
            }
        }
        s.musicRing[0][v] = e[0];
        s.musicRing[1][v] = e[1];

        const double compGain = s.musicCompGain;
        StepGain(s.musicCompGain,
                 Above(e[0] * compGain * c.musicCompDrive, 0.9) ||
                     Above(e[1] * compGain * c.musicCompDrive, 0.9),
                 1.0, c.compAttack, c.compRelease, 0.9999);
        s.musicCompSmooth = Single(0.95 * s.musicCompSmooth + 0.05 * s.musicCompGain);

        int32_t musicSample[2];
        for (int ch = 0; ch < 2; ++ch) {
            const float musicFinal = Single(static_cast<double>(s.musicRing[ch][s.musicRingPos]) *
                                            s.musicCompSmooth * c.musicOutputGain);
            musicSample[ch] = Clamp16Counted(ScaleToSample(musicFinal), clipCount);
        }

        // Mix: with one value per frame both results land on it and the second one stays.
        const int16_t* bassFrame = bass + i * stride;
        int32_t first = Clamp16Counted(bassFrame[0] + musicSample[0], clipCount);
        if (ReadInput(inputs.inverted)) first = -first;
        frame[0] = static_cast<int16_t>(first);
        engine.display.scopeRing[scopePos].store(static_cast<int16_t>(first), std::memory_order_relaxed);
        const int32_t second = Clamp16Counted(bassFrame[stride - 1] + musicSample[1], clipCount);
        frame[stride - 1] = static_cast<int16_t>(second);
        engine.display.scopeRing[scopePos + 1].store(static_cast<int16_t>(second), std::memory_order_relaxed);
        scopePos = scopePos < kScopeLastPair - 1 ? scopePos + 2 : 0;
    }
    engine.clipCount = clipCount;
    engine.scopeWritePos = scopePos;
}
