// How the stand-in player hands a recording to a module: block sizes, threads, messages, and the
// libraries it refuses.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "standin/block_feeder.h"
#include "standin/playback.h"
#include "standin/player_window.h"
#include "standin/plugin_library.h"

namespace {

// What a module standing in for the plug-in saw of each block.
struct SeenBlock {
    ptrdiff_t offset;  // in samples from the start of the recording
    int32_t frames;
    int32_t bits;
    int32_t channels;
    int32_t sampleRate;
    DWORD thread;
    std::chrono::steady_clock::time_point handedOver;
};

struct FakeModule {
    const int16_t* recording = nullptr;
    std::vector<SeenBlock> seen;
    int32_t lengthChange = 0;           // added to the frame count the module gives back
    std::atomic<bool>* waitFor = nullptr;  // the first block waits until this is set
    bool waitedInVain = false;
};

FakeModule fake;

int32_t FakeModifySamples(DspModule*, int16_t* samples, int32_t frames, int32_t bits, int32_t channels,
                          int32_t sampleRate) {
    fake.seen.push_back({samples - fake.recording, frames, bits, channels, sampleRate, ::GetCurrentThreadId(),
                         std::chrono::steady_clock::now()});
    for (int32_t i = 0; i < frames * channels; ++i) samples[i] = static_cast<int16_t>(-samples[i]);
    if (fake.waitFor != nullptr && fake.seen.size() == 1) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!*fake.waitFor && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
        fake.waitedInVain = !*fake.waitFor;
    }
    return frames + fake.lengthChange;
}

DspModule FakeModuleRecord(const PcmAudio& audio) {
    fake = FakeModule{};
    fake.recording = audio.samples.data();
    DspModule module{};
    module.description = "fake";
    module.ModifySamples = FakeModifySamples;
    return module;
}

PcmAudio Ramp(int32_t channels, int32_t frames, int32_t sampleRate) {
    PcmAudio audio{channels, sampleRate, {}};
    for (int32_t i = 0; i < channels * frames; ++i) audio.samples.push_back(static_cast<int16_t>(i + 1));
    return audio;
}

std::atomic<bool> timerFired{false};

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) { timerFired = true; }

}  // namespace

TEST(StandinPlayback, FeedsWholeBlocksInPlaceAndAShorterLastOne) {
    PcmAudio stereo = Ramp(2, 1300, 48000);
    DspModule module = FakeModuleRecord(stereo);
    FeedBlocks(module, stereo, 576, BlockPace::kAtOnce);
    ASSERT_EQ(fake.seen.size(), 3u);
    const int32_t frames[] = {576, 576, 148};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(fake.seen[i].offset, static_cast<ptrdiff_t>(i * 576 * 2));
        EXPECT_EQ(fake.seen[i].frames, frames[i]);
        EXPECT_EQ(fake.seen[i].bits, 16);
        EXPECT_EQ(fake.seen[i].channels, 2);
        EXPECT_EQ(fake.seen[i].sampleRate, 48000);
    }
    EXPECT_EQ(stereo.samples.front(), -1);
    EXPECT_EQ(stereo.samples.back(), -2600);

    PcmAudio mono = Ramp(1, 1000, 22050);
    module = FakeModuleRecord(mono);
    FeedBlocks(module, mono, 1000, BlockPace::kAtOnce);
    ASSERT_EQ(fake.seen.size(), 1u);
    EXPECT_EQ(fake.seen[0].frames, 1000);
    EXPECT_EQ(fake.seen[0].channels, 1);

    PcmAudio empty{2, 44100, {}};
    module = FakeModuleRecord(empty);
    FeedBlocks(module, empty, 576, BlockPace::kAtOnce);
    EXPECT_TRUE(fake.seen.empty());
}

TEST(StandinPlayback, RealtimeHandsEachBlockOverNoSoonerThanItsStartInTheAudio) {
    using std::chrono::milliseconds;
    // Blocks of 100 ms, the last one 50 ms: a player would take 350 ms to play them.
    PcmAudio stereo = Ramp(2, 1400, 4000);
    DspModule module = FakeModuleRecord(stereo);
    const auto before = std::chrono::steady_clock::now();
    FeedBlocks(module, stereo, 400, BlockPace::kRealtime);
    const auto took = std::chrono::steady_clock::now() - before;
    ASSERT_EQ(fake.seen.size(), 4u);
    for (size_t i = 0; i < fake.seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(fake.seen[i].handedOver - before, milliseconds(100 * i));
    }
    EXPECT_LT(took, milliseconds(1000));
    EXPECT_EQ(stereo.samples.back(), -2800);

    module = FakeModuleRecord(stereo);
    FeedBlocks(module, stereo, 400, BlockPace::kAtOnce);
    EXPECT_LT(fake.seen.back().handedOver - fake.seen.front().handedOver, milliseconds(100));
}

TEST(StandinPlayback, AModuleThatChangesABlocksLengthFails) {
    PcmAudio stereo = Ramp(2, 600, 44100);
    DspModule module = FakeModuleRecord(stereo);
    fake.lengthChange = 1;
    try {
        FeedBlocks(module, stereo, 576, BlockPace::kAtOnce);
        FAIL() << "a lengthened block went unnoticed";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "the plug-in gave back 577 frames for a block of 576");
    }
    EXPECT_EQ(fake.seen.size(), 1u);
}

TEST(StandinPlayback, BlocksGoThroughAnotherThreadWhileThisOneDispatchesMessages) {
    const PlayerWindow window;
    PcmAudio stereo = Ramp(2, 2000, 44100);
    DspModule module = FakeModuleRecord(stereo);
    // The first block holds the audio thread until a timer of this thread has been dispatched.
    timerFired = false;
    fake.waitFor = &timerFired;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, OnTimer);
    PlayThroughModule(module, stereo, 576, BlockPace::kAtOnce, window.Handle());
    ::KillTimer(nullptr, timer);

    EXPECT_FALSE(fake.waitedInVain);
    ASSERT_EQ(fake.seen.size(), 4u);
    for (const SeenBlock& block : fake.seen) EXPECT_NE(block.thread, ::GetCurrentThreadId());
    EXPECT_EQ(stereo.samples.back(), -4000);

    stereo = Ramp(2, 2000, 44100);
    module = FakeModuleRecord(stereo);
    fake.lengthChange = -1;
    EXPECT_THROW(PlayThroughModule(module, stereo, 576, BlockPace::kAtOnce, window.Handle()), std::runtime_error);
}

TEST(StandinPlayback, RefusesLibrariesThatAreNoPlugIns) {
    try {
        PluginLibrary missing("Z:\\velora\\no-such-plugin.dll");
        FAIL() << "loaded a missing library";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("Z:\\velora\\no-such-plugin.dll: cannot load the plug-in"),
                  std::string::npos)
            << error.what();
    }
    try {
        PluginLibrary system("version.dll");
        FAIL() << "took a system library for a plug-in";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "version.dll: no winampDSPGetHeader2 export, not a DSP plug-in");
    }
}
