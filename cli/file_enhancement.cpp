#include "cli/file_enhancement.h"

#include <sys/stat.h>

#include <algorithm>

#include "cli/command_failure.h"
#include "engine/coefficients.h"

namespace {

// Frames read and written per call: large enough that the files cost little next to the engine.
constexpr int64_t kStretchFrames = 1 << 16;

bool SameFile(const std::string& first, const std::string& second) {
    struct stat a {}, b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

// The reader, once the output is known not to be its file and the engine can take its sound.
const AudioReader& Checked(const AudioReader& reader, const std::string& path, const std::string& output) {
    if (SameFile(path, output)) {
        throw UsageError("'" + path + "' and '" + output + "' are the same file; write the result to a new one");
    }
    if (reader.Channels() > 2) {
        throw RuntimeFailure("cannot enhance '" + path + "': it has " + std::to_string(reader.Channels()) +
                             " channels, velora takes mono and stereo only");
    }
    if (reader.SampleRate() < kMinSampleRate) {
        throw RuntimeFailure("cannot enhance '" + path + "': its sample rate of " +
                             std::to_string(reader.SampleRate()) + " Hz is below the lowest the engine takes, " +
                             std::to_string(kMinSampleRate) + " Hz");
    }
    return reader;
}

// A whole number of blocks, so that the blocks fall where reading block by block puts them.
int64_t StretchFrames(int32_t blockFrames) {
    return std::max<int64_t>(1, (kStretchFrames + blockFrames - 1) / blockFrames) * blockFrames;
}

}  // namespace

FileEnhancement::FileEnhancement(const std::string& input, const std::string& output, const OutputFormat& format,
                                 const StoredTexts& stored, std::span<const InputAssignment> assignments,
                                 int32_t blockFrames)
    : reader_(input),
      writer_(output, format, Checked(reader_, input, output).SampleRate(), reader_.Channels()),
      enhancer_(stored, assignments),
      blockFrames_(blockFrames),
      stretch_(static_cast<size_t>(StretchFrames(blockFrames)) * reader_.Channels()) {}

bool FileEnhancement::Advance() {
    const int32_t channels = reader_.Channels();
    const int64_t capacity = static_cast<int64_t>(stretch_.size()) / channels;
    int64_t frames = 0;
    while (frames < capacity) {
        const int64_t read = reader_.Read(stretch_.data() + frames * channels, capacity - frames);
        if (read == 0) break;
        frames += read;
    }
    for (int64_t start = 0; start < frames; start += blockFrames_) {
        const int32_t count = static_cast<int32_t>(std::min<int64_t>(blockFrames_, frames - start));
        enhancer_.Process(stretch_.data() + start * channels, count, channels, reader_.SampleRate());
    }
    writer_.Write(stretch_.data(), frames);
    done_ += frames;
    return frames == capacity;
}
