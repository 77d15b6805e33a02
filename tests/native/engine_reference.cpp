// A frame-by-frame transcription of the engine's channels, kept as the model that the
// engine's restructured, channel-packed passes must match bit for bit.

#include "tests/native/engine_reference.h"

#include <algorithm>
#include <cmath>

#include "engine/gain_rule.h"
#include "engine/sample_limits.h"

namespace {

// v x 32766 truncated toward zero; far outside the 16-bit range (and NaN) it gives a value
// beyond the nearest limit, so the conversion never overflows.
int32_t ScaleToSample(float v) {
    const double scaled = static_cast<double>(v) * 32766.0;
    if (scaled > 65536.0) return 65536;
    if (!(scaled >= -65536.0)) return -65536;
    return static_cast<int32_t>(scaled);
}

void LowPass(float& y, double x, OnePole pole) {
    y = Single(static_cast<double>(y) * pole.complement + x * pole.k);
}

float HighPass(float& y, float x, OnePole pole) {
    LowPass(y, x, pole);
    return Single(static_cast<double>(x) - y);
}

bool Above(double x, double threshold) { return std::fabs(x) > threshold; }

void StepGain(float& gain, bool triggered, double ceiling, double down, double up, double settle) {
    const double g = gain;
    gain = Single(g * (triggered ? down : (g < ceiling ? up : settle)));
}

void ReferenceBassPass(EngineState& s, const BlockCoefficients& c, const EngineInputs& inputs,
              int16_t* copy, int32_t frames, bool stereo) {
    const int stride = stereo ? 2 : 1;
    for (int32_t i = 0; i < frames; ++i) {
        int16_t* frame = copy + i * stride;
        const int16_t raw[2] = {frame[0], frame[stride - 1]};

        float colorIn[2];
        for (int ch = 0; ch < 2; ++ch) {
            const float bassIn = Single(static_cast<double>(raw[ch]) * kSampleIn);
            LowPass(s.bassLp[ch], static_cast<double>(bassIn) * c.bassInputGain, c.kBassIn);
            s.bassLp[ch] = Single(static_cast<double>(s.bassLp[ch]) * c.kBassLeak.complement);
            LowPass(s.bassDcLp[ch], s.bassLp[ch], c.kBassDc);
            s.bassLp[ch] = Single(static_cast<double>(s.bassLp[ch]) - s.bassDcLp[ch]);
            LowPass(s.bassAgcLp[ch], static_cast<double>(s.bassLp[ch]) * s.bassAgcGain, c.kBassAgc);
        }
        StepGain(s.bassAgcGain, Above(s.bassAgcLp[0], 0.8) || Above(s.bassAgcLp[1], 0.8),
                 c.bassAgcCeiling, 0.999, 1.000003, 0.9999);

        for (int ch = 0; ch < 2; ++ch) {
            const float phattOut =
                Single(static_cast<double>(s.bassAgcLp[ch]) * s.phattGain * c.phattDrive);
            colorIn[ch] = Single(static_cast<double>(phattOut) * c.colorGain);
        }
        const float d = Single((static_cast<double>(colorIn[0]) - colorIn[1]) * c.bassSeparation);
        colorIn[0] = Single(static_cast<double>(colorIn[0]) + d);
        colorIn[1] = Single(static_cast<double>(colorIn[1]) - d);

        if (ReadInput(inputs.soft)) {
            StepGain(s.phattGain, Above(colorIn[0], 1.0) || Above(colorIn[1], 1.0), 1.0,
                     0.993, 1.003, 0.999);
        } else {
            StepGain(s.phattGain, colorIn[0] > 0.7 || colorIn[1] > 0.7, 1.0, 0.99, 1.004, 0.999);
        }

        const bool doubleResonance = ReadInput(inputs.doubleresonance);
        for (int ch = 0; ch < 2; ++ch) {
            LowPass(s.colorLp1[ch], static_cast<double>(colorIn[ch]) * c.resonanceDrive, c.kColor1);
            LowPass(s.colorLp2[ch], s.colorLp1[ch], c.kColor2);
            s.colorLp2[ch] = HighPass(s.resonanceLp1[ch], s.colorLp2[ch], c.kResonance1);
            LowPass(s.colorLp3[ch], s.colorLp2[ch], c.kColor3);
            if (doubleResonance) {
                s.colorLp3[ch] = HighPass(s.resonanceLp2[ch], s.colorLp3[ch], c.kResonance2);
            }
        }

        const int32_t w = s.bassRingPos;
        s.bassRingPos = w < kLookAheadRing - 1 ? w + 1 : 0;
        s.bassRing[w][0] = s.colorLp3[0];
        s.bassRing[w][1] = s.colorLp3[1];

        const double compGain = s.bassCompGain;
        StepGain(s.bassCompGain,
                 Above(s.colorLp3[0] * compGain, 0.9) || Above(s.colorLp3[1] * compGain, 0.9),
                 1.0, 0.99, 1.0001, 0.9999);
        s.bassCompSmooth1 = Single(0.98 * s.bassCompSmooth1 + 0.02 * s.bassCompGain);
        s.bassCompSmooth2 = Single(0.98 * s.bassCompSmooth2 + 0.02 * s.bassCompSmooth1);

        int32_t out[2];
        for (int ch = 0; ch < 2; ++ch) {
            const float bassFinal = Single(static_cast<double>(s.bassRing[s.bassRingPos][ch]) *
                                           s.bassCompSmooth2 * c.bassOutputGain);
            out[ch] = Clamp16(ScaleToSample(bassFinal));
        }
        if (stereo) {
            frame[1] = static_cast<int16_t>(out[1]);
            frame[0] = static_cast<int16_t>(out[0]);
        } else {
            frame[0] = static_cast<int16_t>(out[1]);
        }
    }
}

void ReferenceMusicPass(ReferenceEngine& engine, const BlockCoefficients& c, int16_t* samples, int32_t frames,
               bool stereo) {
    EngineState& s = engine.state;
    const EngineInputs& inputs = engine.inputs;
    const int16_t* bass = engine.inputCopy.data();
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
        s.surroundRing[w][0] = surroundSide[0];
        s.surroundRing[w][1] = surroundSide[1];

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
                      static_cast<double>(s.surroundRing[surroundRead][0]) * c.surroundAmount);
        e[1] = Single(static_cast<double>(trebleSig[1]) * c.trebleGain + sig[1] -
                      static_cast<double>(s.surroundRing[surroundRead][1]) * c.surroundAmount);

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
        s.musicRing[v][0] = e[0];
        s.musicRing[v][1] = e[1];

        const double compGain = s.musicCompGain;
        StepGain(s.musicCompGain,
                 Above(e[0] * compGain * c.musicCompDrive, 0.9) ||
                     Above(e[1] * compGain * c.musicCompDrive, 0.9),
                 1.0, c.compAttack, c.compRelease, 0.9999);
        s.musicCompSmooth = Single(0.95 * s.musicCompSmooth + 0.05 * s.musicCompGain);

        int32_t musicSample[2];
        for (int ch = 0; ch < 2; ++ch) {
            const float musicFinal = Single(static_cast<double>(s.musicRing[s.musicRingPos][ch]) *
                                            s.musicCompSmooth * c.musicOutputGain);
            musicSample[ch] = Clamp16Counted(ScaleToSample(musicFinal), clipCount);
        }

        // Mix: with one value per frame both results land on it and the second one stays.
        const int16_t* bassFrame = bass + i * stride;
        int32_t first = Clamp16Counted(bassFrame[0] + musicSample[0], clipCount);
        if (ReadInput(inputs.inverted)) first = -first;
        frame[0] = static_cast<int16_t>(first);
        engine.scopeRing[scopePos] = static_cast<int16_t>(first);
        const int32_t second = Clamp16Counted(bassFrame[stride - 1] + musicSample[1], clipCount);
        frame[stride - 1] = static_cast<int16_t>(second);
        engine.scopeRing[scopePos + 1] = static_cast<int16_t>(second);
        scopePos = scopePos < kScopeLastPair - 1 ? scopePos + 2 : 0;
    }
    engine.clipCount = clipCount;
    engine.scopeWritePos = scopePos;
}

}  // namespace

void ReferenceRun(ReferenceEngine& engine, int16_t* samples, int32_t frames, int32_t channels,
                  int32_t sampleRate) {
    engine.blockSampleRate = sampleRate;
    engine.scopeBlockStart = engine.scopeWritePos;
    if (samples == nullptr || frames < 0 || channels <= 0 || sampleRate < kMinSampleRate) return;
    engine.clipCount = 0;
    const BlockCoefficients coefficients = DeriveCoefficients(engine.inputs, sampleRate);
    const bool stereo = channels == 2;
    const int32_t stride = stereo ? 2 : 1;
    const int32_t pieceFrames = kInputCopyValues / stride;
    for (int32_t done = 0; done < frames; done += pieceFrames) {
        const int32_t count = frames - done < pieceFrames ? frames - done : pieceFrames;
        int16_t* piece = samples + static_cast<size_t>(done) * stride;
        std::copy(piece, piece + count * stride, engine.inputCopy.begin());
        ReferenceBassPass(engine.state, coefficients, engine.inputs, engine.inputCopy.data(), count, stereo);
        ReferenceMusicPass(engine, coefficients, piece, count, stereo);
    }
    const double total = static_cast<double>(frames) * channels;
    engine.clipRatio = total > 0 ? Single(engine.clipCount / total) : 0.0f;
    engine.clipLevel = engine.clipRatio > engine.clipLevel ? engine.clipRatio
                                                           : Single(engine.clipLevel - 0.001);
}
