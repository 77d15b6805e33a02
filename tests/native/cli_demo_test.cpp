// velora demo: the two files it writes, and that the enhanced one shows what the enhancer does.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>

#include "cli/demo_signal.h"
#include "cli_test_support.h"

namespace {

// A one-pole low-pass at 44,100 Hz.
class LowPass {
public:
    explicit LowPass(double corner) : k_(2 * M_PI * corner / 44100) {}
    double operator()(double x) { return y_ += (x - y_) * k_; }

private:
    double k_;
    double y_ = 0;
};

struct Balance {
    double bassShare;       // of the mid (L+R) energy, the part below about 120 Hz
    double upperSideToMid;  // above about 300 Hz, side (L-R) energy over mid energy
};

// Leaves out the first half second, where the engine's gains are still settling.
Balance Measure(const std::vector<int16_t>& samples) {
    LowPass bassOfMid(120), lowOfMid(300), lowOfSide(300);
    double midEnergy = 0, bassEnergy = 0, upperMidEnergy = 0, upperSideEnergy = 0;
    for (size_t frame = 0; frame < samples.size() / 2; ++frame) {
        const double mid = (samples[2 * frame] + samples[2 * frame + 1]) / 2.0;
        const double side = (samples[2 * frame] - samples[2 * frame + 1]) / 2.0;
        const double bass = bassOfMid(mid);
        const double upperMid = mid - lowOfMid(mid);
        const double upperSide = side - lowOfSide(side);
        if (frame < 22050) continue;
        midEnergy += mid * mid;
        bassEnergy += bass * bass;
        upperMidEnergy += upperMid * upperMid;
        upperSideEnergy += upperSide * upperSide;
    }
    return {bassEnergy / midEnergy, upperSideEnergy / upperMidEnergy};
}

class DemoCommand : public testing::Test {
protected:
    ScratchFolder folder_;
};

TEST_F(DemoCommand, WritesTenSecondsOfStereoTwiceIntoANewFolder) {
    const std::string target = folder_ / "new/demo";
    const VeloraRun run = RunVelora({"demo", target});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(target + "/demo-dry.wav"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(target + "/demo-enhanced.wav"), std::string::npos) << run.out;

    const Sound dry = ReadSound(target + "/demo-dry.wav");
    const Sound enhanced = ReadSound(target + "/demo-enhanced.wav");
    for (const Sound* sound : {&dry, &enhanced}) {
        EXPECT_EQ(sound->format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        EXPECT_EQ(sound->sampleRate, 44100);
        EXPECT_EQ(sound->channels, 2);
        EXPECT_EQ(sound->Frames(), 441000);
    }
    EXPECT_EQ(dry.samples, RenderDemoSignal());
    EXPECT_EQ(enhanced.samples, EnhanceWithEngine(dry.samples, 2, 44100));
}

TEST_F(DemoCommand, DefaultFolderIsTheCurrentOne) {
    const VeloraRun run = RunVelora({"demo"}, folder_.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folder_.Entries(), (std::set<std::string>{"demo-dry.wav", "demo-enhanced.wav"}));
}

TEST_F(DemoCommand, AFolderThatCannotBeMadeIsAFailure) {
    std::ofstream(folder_ / "plain") << "a file\n";
    const VeloraRun run = RunVelora({"demo", folder_ / "plain/demo"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(IsOneMessageLine(run.err)) << run.err;
}

// The demo exists to be heard: at the default settings the bass must get clearly fatter and
// the stereo picture above the bass clearly wider.
TEST(DemoSignal, EnhancedVersionHasMoreBassAndMoreWidth) {
    const std::vector<int16_t> dry = RenderDemoSignal();
    const Balance before = Measure(dry);
    const Balance after = Measure(EnhanceWithEngine(dry, 2, 44100));
    EXPECT_GT(after.bassShare, 2 * before.bassShare);
    EXPECT_GT(after.upperSideToMid, 1.5 * before.upperSideToMid);
}

}  // namespace
