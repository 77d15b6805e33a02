#pragma once
// An audio file of any format libsndfile reads, delivered as interleaved 16-bit frames.

#include <sndfile.h>

#include <cstdint>
#include <string>
#include <vector>

class AudioReader {
public:
    // Throws RuntimeFailure naming the file and the reason.
    explicit AudioReader(const std::string& path);
    ~AudioReader();
    AudioReader(const AudioReader&) = delete;
    AudioReader& operator=(const AudioReader&) = delete;

    int32_t Channels() const { return info_.channels; }
    int32_t SampleRate() const { return info_.samplerate; }
    // The length the file announces, 0 when it is not known (a stream that cannot seek).
    int64_t Frames() const { return info_.frames == SF_COUNT_MAX ? 0 : info_.frames; }

    // Reads up to `frames` frames; 0 at the end. Throws RuntimeFailure on a read error.
    int64_t Read(int16_t* samples, int64_t frames);

private:
    std::string path_;
    int descriptor_ = -1;
    SNDFILE* file_ = nullptr;
    SF_INFO info_{};
    // Floating-point samples come in through this buffer: libsndfile hands them out as 16-bit
    // values without scaling, which turns a normal file into near silence.
    bool floatingPoint_ = false;
    std::vector<float> floatSamples_;
};
