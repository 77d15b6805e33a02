#pragma once
// The file format of an output, chosen by the extension of its name.

#include <optional>
#include <string>
#include <string_view>

struct OutputFormat {
    int sndfileFormat;  // major format and encoding, as libsndfile names them
    const char* name;
    // The lossy encoders are handed floating-point samples: libsndfile's MP3 encoder garbles
    // 16-bit stereo, leaking one channel into the other.
    bool encodesFloat;
};

// The format for an extension without its dot ("wav", "FLAC"), or nothing when it is not one of
// KnownOutputExtensions().
std::optional<OutputFormat> OutputFormatForExtension(std::string_view extension);

// The format for this file name's extension (case does not matter), or nothing when the
// extension is not one of KnownOutputExtensions().
std::optional<OutputFormat> OutputFormatForPath(std::string_view path);

// "wav, flac, ..." for messages and the help.
std::string KnownOutputExtensions();
