// The stand-in player's WAV files: what it reads, what it writes and what it refuses.

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "standin/wav_file.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void Put32(Bytes& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutChunk(Bytes& out, const std::string& id, const Bytes& body) {
    out.insert(out.end(), id.begin(), id.end());
    Put32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) out.push_back(0);
}

Bytes Format(uint32_t code, uint32_t channels, uint32_t rate, uint32_t bits) {
    Bytes body;
    Put16(body, code);
    Put16(body, channels);
    Put32(body, rate);
    Put32(body, rate * channels * bits / 8);
    Put16(body, channels * bits / 8);
    Put16(body, bits);
    return body;
}

Bytes Riff(const std::vector<std::pair<std::string, Bytes>>& chunks) {
    Bytes out = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    for (const auto& [id, body] : chunks) PutChunk(out, id, body);
    const auto riffSize = static_cast<uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<unsigned char>(riffSize >> (8 * i));
    return out;
}

std::string Refusal(const Bytes& bytes) {
    try {
        ParseWav(bytes);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "accepted";
}

}  // namespace

TEST(StandinWavFile, WritesACanonicalHeaderAndReadsItsOwnFilesBack) {
    PcmAudio stereo{2, 44100, {1, -1, 32767, -32768, 0, 1234}};
    const Bytes bytes = EncodeWav(stereo);
    ASSERT_EQ(bytes.size(), 44u + 12u);
    Bytes header;
    header.insert(header.end(), {'R', 'I', 'F', 'F'});
    Put32(header, 36 + 12);
    header.insert(header.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(header, 16);
    const Bytes format = Format(1, 2, 44100, 16);
    header.insert(header.end(), format.begin(), format.end());
    header.insert(header.end(), {'d', 'a', 't', 'a'});
    Put32(header, 12);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 44), header);
    EXPECT_EQ(bytes[44 + 4], 0xFF);  // 32767, low byte first
    EXPECT_EQ(bytes[44 + 5], 0x7F);

    const PcmAudio back = ParseWav(bytes);
    EXPECT_EQ(back.channels, 2);
    EXPECT_EQ(back.sampleRate, 44100);
    EXPECT_EQ(back.samples, stereo.samples);
    EXPECT_EQ(back.Frames(), 3);

    const PcmAudio mono{1, 22050, {-5, 5, 7}};
    const PcmAudio monoBack = ParseWav(EncodeWav(mono));
    EXPECT_EQ(monoBack.channels, 1);
    EXPECT_EQ(monoBack.sampleRate, 22050);
    EXPECT_EQ(monoBack.samples, mono.samples);
}

TEST(StandinWavFile, FindsItsChunksPastOthersOfOddSizeAndReadsTheExtensibleForm) {
    Bytes data;
    Put16(data, 0x1234);
    Put16(data, 0xFEDC);
    Bytes extensible = Format(0xFFFE, 1, 48000, 16);
    Put16(extensible, 22);  // the extension's size
    Put16(extensible, 16);  // valid bits
    Put32(extensible, 4);   // speaker mask
    Put16(extensible, 1);   // sub-format: PCM, then the rest of its GUID
    extensible.insert(extensible.end(), 14, 0x00);
    const Bytes file = Riff({{"LIST", {'a', 'b', 'c'}},
                             {"fmt ", extensible},
                             {"junk", {1}},
                             {"data", data},
                             {"note", {'x'}}});
    const PcmAudio audio = ParseWav(file);
    EXPECT_EQ(audio.channels, 1);
    EXPECT_EQ(audio.sampleRate, 48000);
    EXPECT_EQ(audio.samples, (std::vector<int16_t>{0x1234, static_cast<int16_t>(0xFEDC)}));
}

TEST(StandinWavFile, RefusesWhatIsNotMonoOrStereo16BitPcmAndDamagedFiles) {
    const Bytes twoFrames = {1, 0, 2, 0, 3, 0, 4, 0};
    const Bytes good = Riff({{"fmt ", Format(1, 2, 44100, 16)}, {"data", twoFrames}});
    ASSERT_EQ(Refusal(good), "accepted");

    Bytes truncated = good;
    truncated.resize(truncated.size() - 2);
    Bytes wrongFrameSize = Format(1, 2, 44100, 16);
    wrongFrameSize[12] = 2;
    Bytes shortExtensible = Format(0xFFFE, 2, 44100, 16);
    Put16(shortExtensible, 0);

    const std::vector<std::pair<Bytes, std::string>> cases = {
        {{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}, "not a RIFF WAVE file"},
        {{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '}, "not a RIFF WAVE file"},
        {{'R', 'I', 'F', 'F'}, "not a RIFF WAVE file"},
        {Riff({{"fmt ", Format(1, 2, 44100, 8)}, {"data", twoFrames}}), "not 8-bit"},
        {Riff({{"fmt ", Format(1, 2, 44100, 24)}, {"data", twoFrames}}), "not 24-bit"},
        {Riff({{"fmt ", Format(3, 2, 44100, 32)}, {"data", twoFrames}}), "not format 3"},
        {Riff({{"fmt ", Format(1, 3, 44100, 16)}, {"data", twoFrames}}), "not 3 channels"},
        {Riff({{"fmt ", Format(1, 0, 44100, 16)}, {"data", twoFrames}}), "not 0 channels"},
        {Riff({{"fmt ", Format(1, 2, 0, 16)}, {"data", twoFrames}}), "sample rate 0 Hz"},
        {Riff({{"fmt ", wrongFrameSize}, {"data", twoFrames}}), "frame size 2"},
        {Riff({{"fmt ", shortExtensible}, {"data", twoFrames}}), "extensible fmt chunk is too short"},
        {Riff({{"fmt ", Bytes(14, 1)}, {"data", twoFrames}}), "fmt chunk is too short"},
        {Riff({{"fmt ", Format(1, 2, 44100, 16)}, {"data", {1, 0, 2, 0, 3, 0}}}), "whole frames"},
        {Riff({{"data", twoFrames}}), "no fmt chunk"},
        {Riff({{"fmt ", Format(1, 2, 44100, 16)}}), "no data chunk"},
        {truncated, "'data' chunk runs past the end"},
    };
    for (const auto& [bytes, message] : cases) {
        SCOPED_TRACE(message);
        EXPECT_NE(Refusal(bytes).find(message), std::string::npos) << Refusal(bytes);
    }
}

TEST(StandinWavFile, FileErrorsNameTheFile) {
    char temp[MAX_PATH] = {};
    ASSERT_NE(::GetTempPathA(MAX_PATH, temp), 0u);
    const std::string missing = std::string(temp) + "velora-no-such-folder\\in.wav";
    try {
        ReadWavFile(missing);
        FAIL() << "read a missing file";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), missing + ": cannot open");
    }
    try {
        WriteWavFile(missing, PcmAudio{1, 44100, {1}});
        FAIL() << "wrote into a missing folder";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), missing + ": cannot write");
    }

    const std::string text = std::string(temp) + "velora-standin-text-" +
                             std::to_string(::GetCurrentProcessId()) + ".wav";
    const HANDLE file = ::CreateFileA(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, "plain text, no sound", 20, &written, nullptr);
    ::CloseHandle(file);
    try {
        ReadWavFile(text);
        FAIL() << "read a text file";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), text + ": not a RIFF WAVE file");
    }
    ::DeleteFileA(text.c_str());
}
