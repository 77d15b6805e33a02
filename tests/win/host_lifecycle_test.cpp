// Start, process and stop through the real library, with the blocks coming from a second thread as
// the player's audio thread delivers them.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "settings/player_files.h"
#include "tests/win/host_plugin_under_test.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int32_t kPlayerBlock = 576;
// Four million stereo frames: about a tenth of a second of work in pieces of the scratch copy.
constexpr int32_t kLongBlock = 1 << 22;

// A value of a buffer that another thread is writing.
int16_t Peek(const std::vector<int16_t>& samples, size_t at) {
    return *static_cast<const volatile int16_t*>(&samples[at]);
}

}  // namespace

TEST(PluginLifecycle, StopBeforeAnyStartReturnsAtOnce) {
    const LibraryCopy copy;
    ASSERT_NE(copy.Library(), nullptr);
    DspModule& module = copy.Module();
    std::packaged_task<void()> stop([&module] { module.Quit(&module); });
    std::future<void> returned = stop.get_future();
    std::thread(std::move(stop)).detach();
    ASSERT_EQ(returned.wait_for(2s), std::future_status::ready) << "Quit before Init never came back";
    std::vector<int16_t> block = TestTone(kPlayerBlock, 2);
    const std::vector<int16_t> input = block;
    EXPECT_EQ(module.ModifySamples(&module, block.data(), kPlayerBlock, 16, 2, 44100), kPlayerBlock);
    EXPECT_EQ(block, input);
}

TEST(PluginLifecycle, BlocksTheEngineCannotTakeComeBackUntouchedWithTheirFrameCount) {
    PluginUnderTest& plugin = PluginUnderTest::Get();
    plugin.StartIfStopped();
    DspModule& module = plugin.Module();

    std::vector<int16_t> block = TestTone(kPlayerBlock, 2);
    const std::vector<int16_t> input = block;
    ASSERT_TRUE(plugin.Process(block, 2));
    ASSERT_NE(block, input) << "the engine should be running";

    for (const int32_t bits : {8, 24, 32}) {
        SCOPED_TRACE(bits);
        // Room for 32-bit samples, so a block wrongly read as 16-bit stays inside the buffer too.
        std::vector<int16_t> raw = TestTone(kPlayerBlock * 2, 2);
        const std::vector<int16_t> before = raw;
        EXPECT_EQ(module.ModifySamples(&module, raw.data(), kPlayerBlock, bits, 2, 44100), kPlayerBlock);
        EXPECT_EQ(raw, before);
    }

    // Nonsense from the player: nothing is read or written and the count comes back as given.
    const std::vector<int16_t> untouched = TestTone(kPlayerBlock, 2);
    block = untouched;
    EXPECT_EQ(module.ModifySamples(&module, nullptr, kPlayerBlock, 16, 2, 44100), kPlayerBlock);
    EXPECT_EQ(module.ModifySamples(&module, block.data(), 0, 16, 2, 44100), 0);
    EXPECT_EQ(module.ModifySamples(&module, block.data(), -5, 16, 2, 44100), -5);
    EXPECT_EQ(module.ModifySamples(&module, block.data(), kPlayerBlock, 16, 0, 44100), kPlayerBlock);
    EXPECT_EQ(module.ModifySamples(&module, block.data(), kPlayerBlock, 16, 2, 0), kPlayerBlock);
    EXPECT_EQ(block, untouched);
}

TEST(PluginLifecycle, StopWaitsForTheBlockInFlightAndLaterBlocksComeBackUntouched) {
    PluginUnderTest& plugin = PluginUnderTest::Get();
    plugin.StartIfStopped();
    DspModule& module = plugin.Module();

    // Long enough (in pieces of the scratch copy) that the stop surely comes while it runs.
    const std::vector<int16_t> input = TestTone(kLongBlock, 2);
    const size_t last = input.size() - 1;
    std::vector<int16_t> watched = input;
    std::atomic<bool> watchedDelivered{false};
    std::atomic<bool> stopped{false};
    int32_t watchedResult = 0;
    int laterBlocksTouched = 0;
    int laterBlocksResized = 0;

    std::thread audio([&] {
        watchedDelivered = true;
        watchedResult = module.ModifySamples(&module, watched.data(), kLongBlock, 16, 2, 44100);
        while (!stopped) std::this_thread::yield();
        for (int later = 0; later < 3; ++later) {
            std::vector<int16_t> block = TestTone(kPlayerBlock, 2);
            const std::vector<int16_t> before = block;
            if (!plugin.Process(block, 2)) ++laterBlocksResized;
            if (block != before) ++laterBlocksTouched;
        }
    });

    // Stop once the engine has written the first frames of the block but not yet its last.
    while (!watchedDelivered) std::this_thread::yield();
    const auto deadline = Clock::now() + 10s;
    while (Peek(watched, 0) == input[0] && Clock::now() < deadline) {
    }
    const bool inFlightAtStop = Peek(watched, 0) != input[0] && Peek(watched, last) == input[last];
    plugin.Stop();
    const int16_t lastAtStop = Peek(watched, last);
    stopped = true;
    audio.join();

    ASSERT_TRUE(inFlightAtStop) << "the stop did not overlap the block";
    EXPECT_EQ(watchedResult, kLongBlock);
    // Quit came back only after the whole block was written.
    EXPECT_NE(lastAtStop, input[last]);
    EXPECT_EQ(lastAtStop, watched[last]);
    EXPECT_EQ(laterBlocksTouched, 0);
    EXPECT_EQ(laterBlocksResized, 0);
}

// The stop lets the window's close through because it bypasses the engine first; a refused close
// would leave "hidden" unrecorded.
TEST(PluginLifecycle, StopClosesTheWindowWhichRecordsWhetherItWasHidden) {
    PluginUnderTest& plugin = PluginUnderTest::Get();
    const std::string settings = SettingsPathIn(ExecutableFolder());
    for (const bool hide : {true, false}) {
        plugin.StopIfStarted();
        plugin.Start();
        const HWND window = ::FindWindowA(nullptr, "Velora Enhancer 0.2");
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(::IsWindowVisible(window));
        if (hide) ::ShowWindow(window, SW_HIDE);
        plugin.Stop();
        EXPECT_FALSE(::IsWindow(window));
        EXPECT_EQ(::GetPrivateProfileIntA("Velora KDS", "hidden", -1, settings.c_str()), hide ? 1 : 0);
    }
}

TEST(PluginLifecycle, BlocksDuringStartComeBackUntouchedAndTheEngineRunsAfterIt) {
    PluginUnderTest& plugin = PluginUnderTest::Get();
    plugin.StopIfStarted();

    const std::vector<int16_t> input = TestTone(kPlayerBlock, 2);
    std::atomic<bool> startReturned{false};
    int blocksDuringStart = 0;
    int touchedDuringStart = 0;
    int resizedDuringStart = 0;
    bool processedAfterStart = false;

    const auto startCalled = Clock::now();
    std::thread audio([&] {
        // Init sleeps 200 ms before it sets anything up: a block over by then met a bypassed engine.
        const auto surelyStarting = startCalled + 150ms;
        while (true) {
            std::vector<int16_t> block = input;
            const bool sameLength = plugin.Process(block, 2);
            if (Clock::now() >= surelyStarting) break;
            ++blocksDuringStart;
            if (!sameLength) ++resizedDuringStart;
            if (block != input) ++touchedDuringStart;
            std::this_thread::sleep_for(2ms);
        }
        while (!startReturned) std::this_thread::yield();
        std::vector<int16_t> block = input;
        plugin.Process(block, 2);
        processedAfterStart = block != input;
    });
    plugin.Start();
    startReturned = true;
    audio.join();

    EXPECT_GE(Clock::now() - startCalled, 200ms);
    EXPECT_GT(blocksDuringStart, 10);
    EXPECT_EQ(touchedDuringStart, 0);
    EXPECT_EQ(resizedDuringStart, 0);
    EXPECT_TRUE(processedAfterStart);
}
