#include "engine/coefficients.h"

#include <cmath>

namespace {

// Integer powers as plain products, evaluated left to right.
double Pow2(double x) { return x * x; }
double Pow3(double x) { return x * x * x; }
double Pow4(double x) { return x * x * x * x; }
double Pow5(double x) { return x * x * x * x * x; }
double Pow6(double x) { return x * x * x * x * x * x; }

OnePole MakeOnePole(double k) {
    OnePole pole;
    pole.k = static_cast<float>(k);
    pole.complement = static_cast<float>(1.0 - static_cast<double>(pole.k));
    return pole;
}

float Single(double value) { return static_cast<float>(value); }

}  // namespace

BlockCoefficients DeriveCoefficients(const EngineInputs& inputs, int32_t sampleRate) {
    BlockCoefficients c;
    c.rateFactor = Single(sampleRate / 44100.0);
    const double F = c.rateFactor;
    const int32_t delay = static_cast<int32_t>(999.0 * F);
    c.surroundDelay = delay < kMaxSurroundDelay ? delay : kMaxSurroundDelay;

    const double LO = ReadInput(inputs.basslopass) / 100.0;
    const double CO = ReadInput(inputs.basscolor) / 100.0;
    const double RE = ReadInput(inputs.bassresonance) / 100.0;
    const double HI = ReadInput(inputs.hipass) / 100.0;

    c.bassAgcCeiling = Single(ReadInput(inputs.bassagc) / 25.0 + 1.0);
    c.bassSeparation = Single(Pow2(ReadInput(inputs.bass3d) / 50.0) - 0.5);
    c.phattDrive = Single(Pow4(ReadInput(inputs.phatt) / 80.0) * 4.0 + 0.7);
    c.bassInputGain = Single(Pow6(LO) * 15.0 + 1.6);
    c.bassCompDrive = Single(Pow2(ReadInput(inputs.basslim) / 100.0) * 1.4 + 0.3);
    c.resonanceDrive = Single((Pow5(1.0 - RE) + 1.0 + 10.0 * Pow5(CO)) * c.bassCompDrive);
    c.colorGain = Single((Pow6(CO) + 1.0) * F);
    c.bassOutputGain = Single(ReadInput(inputs.bassout) / 100.0);

    c.musicAgcCeiling = Single(ReadInput(inputs.agc) / 100.0 * 5.0 + 1.0);
    c.wideAmount = Single(ReadInput(inputs.wide3d) / 100.0);
    c.surroundAmount = Single(ReadInput(inputs.prologic) / 100.0);
    c.trebleGain = Single(ReadInput(inputs.treble) / 20.0);
    c.musicCompDrive = Single(ReadInput(inputs.comp) / 100.0 * 4.0 + 0.6);
    c.compAttack = Single(0.997 - Pow4(ReadInput(inputs.speed) / 100.0) * 0.04);
    c.compRelease = Single(Pow4(ReadInput(inputs.speed) / 100.0) * 0.0007 + 1.00004);
    c.musicOutputGain = Single(ReadInput(inputs.dry) / 100.0 * c.musicCompDrive);

    c.kBassIn = MakeOnePole(1.0 / ((Pow3(LO) * 250.0 + 10.0) * F));
    c.kBassLeak = MakeOnePole(1.0 / ((Pow6(LO) * 800.0 + 20.0) * F));
    c.kBassAgc = c.kBassLeak;
    c.kBassDc = MakeOnePole(1.0 / ((LO + 0.014) * 60000.0 * F));
    c.kColor1 = MakeOnePole(1.0 / ((std::sqrt(CO) * 80.0 + 20.0) * F));
    c.kColor2 = MakeOnePole(1.0 / ((Pow5(CO) * 800.0 + 20.0) * F));
    c.kColor3 = c.kColor2;
    c.kResonance1 = MakeOnePole(1.0 / ((Pow2(RE) + 0.004) * 70000.0 * F));
    c.kResonance2 = MakeOnePole(1.0 / ((Pow2(RE) + 0.004) * 80000.0 * F));
    c.kHipass = MakeOnePole(1.0 / ((Pow5(HI) * 1400.0 + 30.0) * F));
    c.kSurround1 = MakeOnePole(1.0 / ((Pow5(HI) * 700.0 + 30.0) * F));
    c.kSurround2 = MakeOnePole(1.0 / (30.0 * F));
    c.kTreble1 = MakeOnePole(1.0 / (3.0 * F + 1.0));
    c.kTreble2 = MakeOnePole(0.5);
    c.kLoudLow = MakeOnePole(1.0 / (80.0 * F));
    c.kLoudHigh = MakeOnePole(1.0 / (F + 1.0));
    return c;
}
