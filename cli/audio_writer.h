#pragma once
// A 16-bit audio file written under a temporary name in its folder and renamed into place by
// Commit(): until then the target is never touched, and a writer dropped before Commit()
// removes its temporary file.

#include <sndfile.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cli/output_format.h"

class AudioWriter {
public:
    // Throws RuntimeFailure naming the file and the reason.
    AudioWriter(const std::string& path, const OutputFormat& format, int32_t sampleRate, int32_t channels);
    ~AudioWriter();
    AudioWriter(const AudioWriter&) = delete;
    AudioWriter& operator=(const AudioWriter&) = delete;

    void Write(const int16_t* samples, int64_t frames);
    void Commit();

private:
    // Closes and removes the temporary file, if any.
    void Discard();
    void Fail(const std::string& reason) const;

    std::string path_;
    OutputFormat format_;
    int32_t channels_;
    std::vector<float> floatSamples_;
    std::string temporaryPath_;
    int interruptPlace_ = -1;
    int descriptor_ = -1;
    SNDFILE* file_ = nullptr;
};
