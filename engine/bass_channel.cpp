#include "engine/bass_channel.h"

#include <cmath>

#include "engine/filters.h"
#include "engine/sample_limits.h"

void BassPass(EngineState& s, const BlockCoefficients& c, const EngineInputs& inputs,
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
        s.bassRing[0][w] = s.colorLp3[0];
        s.bassRing[1][w] = s.colorLp3[1];

        const double compGain = s.bassCompGain;
        StepGain(s.bassCompGain,
                 Above(s.colorLp3[0] * compGain, 0.9) || Above(s.colorLp3[1] * compGain, 0.9),
                 1.0, 0.99, 1.0001, 0.9999);
        s.bassCompSmooth1 = Single(0.98 * s.bassCompSmooth1 + 0.02 * s.bassCompGain);
        s.bassCompSmooth2 = Single(0.98 * s.bassCompSmooth2 + 0.02 * s.bassCompSmooth1);

        int32_t out[2];
        for (int ch = 0; ch < 2; ++ch) {
            const float bassFinal = Single(static_cast<double>(s.bassRing[ch][s.bassRingPos]) *
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
