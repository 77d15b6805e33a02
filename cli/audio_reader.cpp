#include "cli/audio_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/command_failure.h"

namespace {

std::string WithoutFinalStop(std::string text) {
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
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
    file_ = sf_open_fd(descriptor_, SFM_READ, &info_, SF_FALSE);
    if (file_ == nullptr) {
        const std::string reason = WithoutFinalStop(sf_strerror(nullptr));
        ::close(descriptor_);
        throw RuntimeFailure("cannot read '" + path + "': " + reason);
    }
    // Floating-point sources may exceed full scale: limit such samples instead of letting them wrap.
    sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

AudioReader::~AudioReader() {
    sf_close(file_);
    ::close(descriptor_);
}

int64_t AudioReader::Read(int16_t* samples, int64_t frames) {
    const sf_count_t read = sf_readf_short(file_, samples, frames);
    if (read < frames && sf_error(file_) != SF_ERR_NO_ERROR) {
        throw RuntimeFailure("cannot read '" + path_ + "': " + WithoutFinalStop(sf_strerror(file_)));
    }
    return read;
}
