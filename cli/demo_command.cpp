#include "cli/demo_command.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "cli/audio_writer.h"
#include "cli/command_failure.h"
#include "cli/demo_signal.h"
#include "cli/enhancer.h"
#include "cli/output_format.h"

namespace {

void WriteWav(const std::filesystem::path& path, const std::vector<int16_t>& samples) {
    AudioWriter writer(path.string(), *OutputFormatForPath(path.string()), kDemoSampleRate, kDemoChannels);
    writer.Write(samples.data(), static_cast<int64_t>(samples.size() / kDemoChannels));
    writer.Commit();
}

// Enhanced in the player's usual blocks, as the plug-in would hear it.
std::vector<int16_t> Enhanced(std::vector<int16_t> samples) {
    Enhancer enhancer({}, {});
    for (int32_t done = 0; done < kDemoFrames; done += kDefaultBlockFrames) {
        const int32_t frames = std::min(kDefaultBlockFrames, kDemoFrames - done);
        enhancer.Process(samples.data() + static_cast<size_t>(done) * kDemoChannels, frames, kDemoChannels,
                         kDemoSampleRate);
    }
    return samples;
}

}  // namespace

void RunDemoCommand(const DemoRequest& request) {
    const std::filesystem::path folder = std::filesystem::absolute(request.folder).lexically_normal();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw RuntimeFailure("cannot create the folder '" + folder.string() + "': " + error.message());

    const std::vector<int16_t> dry = RenderDemoSignal();
    WriteWav(folder / kDemoDryName, dry);
    WriteWav(folder / kDemoEnhancedName, Enhanced(dry));
    std::printf("wrote the demo, %d seconds of stereo at %d Hz:\n  %s  (as it is)\n  %s  (enhanced at the default settings)\n",
                kDemoSeconds, kDemoSampleRate, (folder / kDemoDryName).c_str(),
                (folder / kDemoEnhancedName).c_str());
}
