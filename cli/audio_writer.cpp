#include "cli/audio_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "cli/command_failure.h"
#include "cli/interrupt_cleanup.h"
#include "cli/sndfile_open_lock.h"
#include "cli/sndfile_reason.h"

namespace {

// The temporary sits next to the target, so that the final rename never crosses file systems.
std::string TemporaryNameFor(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string name(1, '.');
    name += target.filename().string();
    name += ".velora-XXXXXX";
    return (folder / name).string();
}

// mkstemp makes the file private; the result gets the permissions of any newly created file.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

AudioWriter::AudioWriter(const std::string& path, const OutputFormat& format, int32_t sampleRate,
                         int32_t channels)
    : path_(path), format_(format), channels_(channels) {
    const std::filesystem::path target(path);
    struct stat status {};
    if (!target.has_filename() || (::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode))) {
        Fail("it is a folder");
    }

    std::string name = TemporaryNameFor(target);
    descriptor_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (descriptor_ < 0) Fail(std::strerror(errno));
    temporaryPath_ = name;
    interruptPlace_ = RemoveOnInterrupt(temporaryPath_);
    ::fchmod(descriptor_, NewFileMode());

    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = format.sndfileFormat;
    std::string reason;
    {
        const std::lock_guard<std::mutex> lock(SndfileOpenLock());
        file_ = sf_open_fd(descriptor_, SFM_WRITE, &info, SF_FALSE);
        if (file_ == nullptr) reason = SndfileReason(sf_strerror(nullptr));
    }
    if (file_ == nullptr) {
        Discard();
        Fail(std::string(format.name) + " cannot hold this audio: " + reason);
    }
}

AudioWriter::~AudioWriter() { Discard(); }

void AudioWriter::Discard() {
    if (file_ != nullptr) sf_close(file_);
    file_ = nullptr;
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
    StopRemovingOnInterrupt(interruptPlace_);
    interruptPlace_ = -1;
}

void AudioWriter::Write(const int16_t* samples, int64_t frames) {
    sf_count_t written = 0;
    if (format_.encodesFloat) {
        floatSamples_.resize(static_cast<size_t>(frames) * channels_);
        std::transform(samples, samples + floatSamples_.size(), floatSamples_.begin(),
                       [](int16_t sample) { return sample / 32768.0f; });
        written = sf_writef_float(file_, floatSamples_.data(), frames);
    } else {
        written = sf_writef_short(file_, samples, frames);
    }
    if (written != frames) Fail(SndfileReason(sf_strerror(file_)));
}

void AudioWriter::Commit() {
    const int closeError = sf_close(file_);
    file_ = nullptr;
    if (closeError != 0) Fail(sf_error_number(closeError));
    // The data must be on disk before the name points at it.
    int error = ::fsync(descriptor_) == 0 ? 0 : errno;
    if (::close(descriptor_) != 0 && error == 0) error = errno;
    descriptor_ = -1;
    if (error != 0) Fail(std::strerror(error));
    if (std::rename(temporaryPath_.c_str(), path_.c_str()) != 0) Fail(std::strerror(errno));
    temporaryPath_.clear();
    StopRemovingOnInterrupt(interruptPlace_);
    interruptPlace_ = -1;
}

void AudioWriter::Fail(const std::string& reason) const {
    throw RuntimeFailure("cannot write '" + path_ + "': " + reason);
}
