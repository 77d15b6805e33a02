#pragma once
// The RIFF WAVE files the stand-in player reads and writes: 16-bit PCM, mono or stereo.
// Every failure is a std::runtime_error whose message says what is wrong with the file.

#include <span>
#include <string>
#include <vector>

#include "standin/pcm_audio.h"

// Reads the samples of a file's bytes; refuses every other format.
PcmAudio ParseWav(std::span<const unsigned char> bytes);

// A canonical 44-byte header followed by the samples.
std::vector<unsigned char> EncodeWav(const PcmAudio& audio);

PcmAudio ReadWavFile(const std::string& path);
void WriteWavFile(const std::string& path, const PcmAudio& audio);
