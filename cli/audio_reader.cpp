#include "cli/audio_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "cli/command_failure.h"
#include "cli/sndfile_open_lock.h"
#include "cli/sndfile_reason.h"

namespace {

// Full scale is 1.0 as libsndfile scales 16-bit samples (1/32768); values beyond it are limited,
// and a sample that is not a number becomes silence.
int16_t SampleFromFloat(float value) {
    const double scaled = std::isnan(value) ? 0.0 : std::clamp(value * 32768.0, -32768.0, 32767.0);
    return static_cast<int16_t>(std::lrint(scaled));
}

}  // namespace

AudioReader::AudioReader(const std::string& path) : path_(path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        throw RuntimeFailure("cannot open '" + path + "': " + std::strerror(errno));
    }
    if (S_ISDIR(status.st_mode)) throw RuntimeFailure("cannot read '" + path + "': it is a folder");

    descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor_ < 0) throw RuntimeFailure("cannot open '" + path + "': " + std::strerror(errno));
    std::string reason;
    {
        const std::lock_guard<std::mutex> lock(SndfileOpenLock());
        file_ = sf_open_fd(descriptor_, SFM_READ, &info_, SF_FALSE);
        if (file_ == nullptr) reason = SndfileReason(sf_strerror(nullptr));
    }
    if (file_ == nullptr) {
        ::close(descriptor_);
        throw RuntimeFailure("cannot read '" + path + "': " + reason);
    }
    const int encoding = info_.format & SF_FORMAT_SUBMASK;
    floatingPoint_ = encoding == SF_FORMAT_FLOAT || encoding == SF_FORMAT_DOUBLE;
}

AudioReader::~AudioReader() {
    sf_close(file_);
    ::close(descriptor_);
}

int64_t AudioReader::Read(int16_t* samples, int64_t frames) {
    sf_count_t read = 0;
    if (floatingPoint_) {
        floatSamples_.resize(static_cast<size_t>(frames) * info_.channels);
        read = sf_readf_float(file_, floatSamples_.data(), frames);
        std::transform(floatSamples_.begin(), floatSamples_.begin() + read * info_.channels, samples,
                       SampleFromFloat);
    } else {
        read = sf_readf_short(file_, samples, frames);
    }
    if (read < frames && sf_error(file_) != SF_ERR_NO_ERROR) {
        throw RuntimeFailure("cannot read '" + path_ + "': " + SndfileReason(sf_strerror(file_)));
    }
    return read;
}
