#include "cli/demo_signal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kBeatSeconds = 0.5;  // 120 beats per minute, four beats to the bar
constexpr double kBarSeconds = 4 * kBeatSeconds;
constexpr double kEighthSeconds = kBeatSeconds / 2;
constexpr double kPeak = 0.5;

struct Chord {
    int bassNote;                 // MIDI note numbers
    std::array<int, 3> voices;
};

// A minor, F major, C major, G major, and A minor again for the last bar.
constexpr std::array<Chord, 4> kProgression = {{
    {33, {57, 60, 64}},
    {29, {53, 57, 60}},
    {36, {60, 64, 67}},
    {31, {55, 59, 62}},
}};

// Octaves above the root for the eight eighth notes of a bar.
constexpr std::array<int, 8> kBassPattern = {0, 0, 12, 0, 7, 0, 12, 7};

double NoteFrequency(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

double Sine(double frequency, double time) { return std::sin(2 * std::numbers::pi * frequency * time); }

// A note that starts sharply and dies away with the given time constant.
double PluckEnvelope(double sinceStart, double decaySeconds) {
    const double attack = std::min(1.0, sinceStart / 0.004);
    return attack * std::exp(-sinceStart / decaySeconds);
}

const Chord& ChordAt(double time) {
    const size_t bar = static_cast<size_t>(time / kBarSeconds);
    return kProgression[bar % kProgression.size()];
}

double BassAt(double time) {
    const double eighthStart = std::floor(time / kEighthSeconds) * kEighthSeconds;
    const size_t step = static_cast<size_t>(std::fmod(time, kBarSeconds) / kEighthSeconds);
    const double frequency = NoteFrequency(ChordAt(time).bassNote + kBassPattern[step]);
    const double since = time - eighthStart;
    const double tone = Sine(frequency, since) + 0.3 * Sine(2 * frequency, since) + 0.15 * Sine(3 * frequency, since);
    return tone * PluckEnvelope(since, 0.12);
}

// A soft sawtooth: six harmonics falling as 1/h.
double SoftSaw(double frequency, double time) {
    double sum = 0;
    for (int harmonic = 1; harmonic <= 6; ++harmonic) sum += Sine(harmonic * frequency, time) / harmonic;
    return sum;
}

// The chord voices sit at different places between the speakers, are detuned a little against
// each other on the two sides and swell on every beat, the left side half a beat after the right.
std::array<double, 2> ChordsAt(double time) {
    constexpr std::array<double, 3> kPan = {-0.4, 0.0, 0.4};  // -1 left, +1 right
    const Chord& chord = ChordAt(time);
    std::array<double, 2> out{};
    for (size_t voice = 0; voice < chord.voices.size(); ++voice) {
        const double frequency = NoteFrequency(chord.voices[voice]);
        const double left = SoftSaw(frequency * 0.998, time) * (1 - kPan[voice]) / 2;
        const double right = SoftSaw(frequency * 1.002, time) * (1 + kPan[voice]) / 2;
        out[0] += left;
        out[1] += right;
    }
    const double beatPhase = std::fmod(time, kBeatSeconds) / kBeatSeconds;
    out[0] *= 0.75 + 0.25 * std::cos(2 * std::numbers::pi * (beatPhase + 0.5));
    out[1] *= 0.75 + 0.25 * std::cos(2 * std::numbers::pi * beatPhase);
    return out;
}

// White noise from a fixed seed, so that every demo is the same.
class NoiseSource {
public:
    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    uint32_t state_ = 0x9E3779B9u;
};

// Closed on every eighth, open on the last eighth of each bar; the noise's first difference
// keeps only its top end.
double HiHatAt(double time, double noiseStep) {
    const double since = std::fmod(time, kEighthSeconds);
    const bool open = std::fmod(time, kBarSeconds) >= kBarSeconds - kEighthSeconds;
    return noiseStep * PluckEnvelope(since, open ? 0.12 : 0.03);
}

// Fades in over 10 ms and out over the last half second, so the file neither starts nor ends
// with a click.
double Fade(double time) {
    const double total = static_cast<double>(kDemoSeconds);
    return std::clamp(std::min(time / 0.01, (total - time) / 0.5), 0.0, 1.0);
}

}  // namespace

std::vector<int16_t> RenderDemoSignal() {
    std::vector<double> mix(static_cast<size_t>(kDemoFrames) * kDemoChannels);
    NoiseSource noise;
    double previousNoise = 0;
    for (int32_t frame = 0; frame < kDemoFrames; ++frame) {
        const double time = static_cast<double>(frame) / kDemoSampleRate;
        const double white = noise.Next();
        const double hiHat = HiHatAt(time, white - previousNoise);
        previousNoise = white;
        const double bass = BassAt(time);
        const std::array<double, 2> chords = ChordsAt(time);
        const double fade = Fade(time);
        // The bass sits low in the mix: the engine's bass channel lifts it, and the chords must be
        // loud enough for the widening to be heard next to it.
        mix[2 * frame] = fade * (0.2 * bass + 0.35 * chords[0] + 0.12 * hiHat);
        mix[2 * frame + 1] = fade * (0.2 * bass + 0.35 * chords[1] + 0.35 * hiHat);
    }

    double largest = 0;
    for (double value : mix) largest = std::max(largest, std::abs(value));
    const double scale = kPeak * 32767 / largest;
    std::vector<int16_t> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(),
                   [scale](double value) { return static_cast<int16_t>(std::lround(value * scale)); });
    return samples;
}
