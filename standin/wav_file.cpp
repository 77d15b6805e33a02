#include "standin/wav_file.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>

namespace {

constexpr uint16_t kFormatPcm = 1;
// WAVE_FORMAT_EXTENSIBLE: the real format code is the start of the sub-format GUID.
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr size_t kRiffHeaderBytes = 12;
constexpr size_t kChunkHeaderBytes = 8;
constexpr size_t kPlainFormatBytes = 16;
constexpr size_t kExtensibleFormatBytes = 40;
constexpr size_t kSubFormatOffset = 24;

struct WavFormat {
    uint16_t code = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

uint16_t Read16(std::span<const unsigned char> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t Read32(std::span<const unsigned char> bytes, size_t at) {
    return static_cast<uint32_t>(Read16(bytes, at)) | static_cast<uint32_t>(Read16(bytes, at + 2)) << 16;
}

void Append16(std::vector<unsigned char>& out, uint16_t value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void Append32(std::vector<unsigned char>& out, uint32_t value) {
    Append16(out, static_cast<uint16_t>(value & 0xFFFF));
    Append16(out, static_cast<uint16_t>(value >> 16));
}

void AppendTag(std::vector<unsigned char>& out, const char (&tag)[5]) {
    out.insert(out.end(), tag, tag + 4);
}

bool HasTag(std::span<const unsigned char> bytes, size_t at, const char (&tag)[5]) {
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

WavFormat ParseFormat(std::span<const unsigned char> chunk) {
    if (chunk.size() < kPlainFormatBytes) throw std::runtime_error("the fmt chunk is too short");
    WavFormat format;
    format.code = Read16(chunk, 0);
    format.channels = Read16(chunk, 2);
    format.sampleRate = Read32(chunk, 4);
    format.blockAlign = Read16(chunk, 12);
    format.bitsPerSample = Read16(chunk, 14);
    if (format.code == kFormatExtensible) {
        if (chunk.size() < kExtensibleFormatBytes) {
            throw std::runtime_error("the extensible fmt chunk is too short");
        }
        format.code = Read16(chunk, kSubFormatOffset);
    }
    return format;
}

void CheckFormat(const WavFormat& format) {
    if (format.code != kFormatPcm) {
        throw std::runtime_error("only 16-bit PCM is supported, not format " + std::to_string(format.code));
    }
    if (format.bitsPerSample != 16) {
        throw std::runtime_error("only 16-bit PCM is supported, not " +
                                 std::to_string(format.bitsPerSample) + "-bit");
    }
    if (format.channels != 1 && format.channels != 2) {
        throw std::runtime_error("only mono or stereo is supported, not " +
                                 std::to_string(format.channels) + " channels");
    }
    if (format.blockAlign != format.channels * 2) {
        throw std::runtime_error("the frame size " + std::to_string(format.blockAlign) +
                                 " does not fit 16-bit samples in " + std::to_string(format.channels) +
                                 " channels");
    }
    if (format.sampleRate == 0 || format.sampleRate > std::numeric_limits<int32_t>::max()) {
        throw std::runtime_error("the sample rate " + std::to_string(format.sampleRate) +
                                 " Hz is not usable");
    }
}

}  // namespace

PcmAudio ParseWav(std::span<const unsigned char> bytes) {
    if (bytes.size() < kRiffHeaderBytes || !HasTag(bytes, 0, "RIFF") || !HasTag(bytes, 8, "WAVE")) {
        throw std::runtime_error("not a RIFF WAVE file");
    }
    std::optional<WavFormat> format;
    std::optional<std::span<const unsigned char>> data;
    // The RIFF size is often wrong in the wild; the chunks themselves say where they end.
    for (size_t at = kRiffHeaderBytes; at + kChunkHeaderBytes <= bytes.size();) {
        const std::string id(reinterpret_cast<const char*>(bytes.data() + at), 4);
        const size_t size = Read32(bytes, at + 4);
        const size_t body = at + kChunkHeaderBytes;
        if (size > bytes.size() - body) {
            throw std::runtime_error("the '" + id + "' chunk runs past the end of the file");
        }
        if (id == "fmt ") format = ParseFormat(bytes.subspan(body, size));
        if (id == "data") data = bytes.subspan(body, size);
        at = body + size + (size & 1);  // chunks of odd size are padded to an even length
    }
    if (!format) throw std::runtime_error("no fmt chunk");
    if (!data) throw std::runtime_error("no data chunk");
    CheckFormat(*format);
    if (data->size() % format->blockAlign != 0) {
        throw std::runtime_error("the data chunk does not hold whole frames");
    }
    if (data->size() / 2 > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        throw std::runtime_error("too many samples");
    }

    PcmAudio audio;
    audio.channels = format->channels;
    audio.sampleRate = static_cast<int32_t>(format->sampleRate);
    audio.samples.resize(data->size() / 2);
    for (size_t i = 0; i < audio.samples.size(); ++i) {
        audio.samples[i] = static_cast<int16_t>(Read16(*data, 2 * i));
    }
    return audio;
}

std::vector<unsigned char> EncodeWav(const PcmAudio& audio) {
    constexpr size_t kHeaderBytes = 44;
    const size_t dataBytes = audio.samples.size() * 2;
    if (dataBytes > std::numeric_limits<uint32_t>::max() - (kHeaderBytes - 8)) {
        throw std::runtime_error("too long for a WAV file");
    }
    const auto channels = static_cast<uint16_t>(audio.channels);
    const auto blockAlign = static_cast<uint16_t>(channels * 2);
    std::vector<unsigned char> out;
    out.reserve(kHeaderBytes + dataBytes);
    AppendTag(out, "RIFF");
    Append32(out, static_cast<uint32_t>(kHeaderBytes - 8 + dataBytes));
    AppendTag(out, "WAVE");
    AppendTag(out, "fmt ");
    Append32(out, kPlainFormatBytes);
    Append16(out, kFormatPcm);
    Append16(out, channels);
    Append32(out, static_cast<uint32_t>(audio.sampleRate));
    Append32(out, static_cast<uint32_t>(audio.sampleRate) * blockAlign);
    Append16(out, blockAlign);
    Append16(out, 16);
    AppendTag(out, "data");
    Append32(out, static_cast<uint32_t>(dataBytes));
    for (const int16_t sample : audio.samples) Append16(out, static_cast<uint16_t>(sample));
    return out;
}

PcmAudio ReadWavFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error(path + ": cannot open");
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file),
                                           std::istreambuf_iterator<char>()};
    if (file.bad()) throw std::runtime_error(path + ": cannot read");
    try {
        return ParseWav(bytes);
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(path + ": " + error.what());
    }
}

void WriteWavFile(const std::string& path, const PcmAudio& audio) {
    const std::vector<unsigned char> bytes = EncodeWav(audio);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) throw std::runtime_error(path + ": cannot write");
}
