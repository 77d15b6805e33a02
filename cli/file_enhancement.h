#pragma once
// One audio file enhanced into another: read in large stretches, handed to a fresh engine in
// blocks of the requested size, and written under a temporary name until Commit().

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "cli/audio_reader.h"
#include "cli/audio_writer.h"
#include "cli/enhancer.h"
#include "cli/input_assignment.h"
#include "cli/output_format.h"

class FileEnhancement {
public:
    // Opens both files. Throws UsageError when the output is the input, RuntimeFailure when a file
    // cannot be opened or the engine cannot take the sound.
    FileEnhancement(const std::string& input, const std::string& output, const OutputFormat& format,
                    const StoredTexts& stored, std::span<const InputAssignment> assignments, int32_t blockFrames);

    int32_t Channels() const { return reader_.Channels(); }
    int32_t SampleRate() const { return reader_.SampleRate(); }
    // The length the input announces, 0 when it is not known.
    int64_t Frames() const { return reader_.Frames(); }
    int64_t Done() const { return done_; }

    // Reads, enhances and writes the next stretch; false once the input has ended.
    // Throws RuntimeFailure.
    bool Advance();
    // Puts the output in place. Throws RuntimeFailure.
    void Commit() { writer_.Commit(); }

private:
    AudioReader reader_;
    AudioWriter writer_;
    Enhancer enhancer_;
    int32_t blockFrames_;
    std::vector<int16_t> stretch_;
    int64_t done_ = 0;
};
