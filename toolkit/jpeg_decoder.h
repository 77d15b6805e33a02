#pragma once
// JPEG (JFIF) pictures held in memory, decoded by libjpeg into rows of red, green and blue bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct JpegPicture {
    int width = 0;
    int height = 0;
    // Top row first, three bytes (red, green, blue) a pixel, no padding.
    std::vector<std::uint8_t> rgb;
};

// Decodes a whole stream. A stream libjpeg cannot read, or reads only with a warning (a
// truncated one, say), gives false, an empty picture and libjpeg's message in `error`.
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, JpegPicture& picture,
                std::string& error);
