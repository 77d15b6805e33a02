// The About window's pictures decode to 320 x 240 with real content; damaged streams are refused
// with libjpeg's message instead of ending the process.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "toolkit/jpeg_decoder.h"

namespace {

std::vector<std::uint8_t> ReadPicture(const char* name) {
    std::ifstream file(std::string(VELORA_RESOURCES) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The variance of all colour bytes: near zero for a blank picture.
double Variance(const std::vector<std::uint8_t>& bytes) {
    double sum = 0, squares = 0;
    for (std::uint8_t byte : bytes) {
        sum += byte;
        squares += double(byte) * byte;
    }
    const double mean = sum / bytes.size();
    return squares / bytes.size() - mean * mean;
}

}  // namespace

TEST(JpegDecoder, TheAboutPicturesDecodeTo320By240WithContent) {
    for (const char* name : {"about1.jpg", "about2.jpg"}) {
        const std::vector<std::uint8_t> stream = ReadPicture(name);
        ASSERT_FALSE(stream.empty()) << name;
        JpegPicture picture;
        std::string error;
        ASSERT_TRUE(DecodeJpeg(stream.data(), stream.size(), picture, error)) << name << ": " << error;
        EXPECT_EQ(picture.width, 320) << name;
        EXPECT_EQ(picture.height, 240) << name;
        EXPECT_EQ(picture.rgb.size(), 320u * 240u * 3u) << name;
        EXPECT_GT(Variance(picture.rgb), 100.0) << name;
    }
}

TEST(JpegDecoder, DamagedStreamsFailWithAMessage) {
    const std::vector<std::uint8_t> whole = ReadPicture("about1.jpg");
    ASSERT_GT(whole.size(), 1000u);
    std::vector<std::uint8_t> noise(whole);
    for (std::size_t i = 200; i < noise.size(); i += 7) noise[i] ^= 0x5A;
    // A frame header claiming 65,500 x 65,500 pixels: refused before any row is made.
    std::vector<std::uint8_t> huge(whole);
    const std::uint8_t frameMarker[] = {0xFF, 0xC0};
    const auto frame = std::search(huge.begin(), huge.end(), std::begin(frameMarker), std::end(frameMarker));
    ASSERT_LT(frame + 9, huge.end());
    const std::uint8_t largest[] = {0xFF, 0xDC, 0xFF, 0xDC};
    std::copy(std::begin(largest), std::end(largest), frame + 5);
    struct Damage {
        const char* what;
        std::vector<std::uint8_t> stream;
    } const damages[] = {
        {"empty", {}},
        {"not a JPEG", {'G', 'I', 'F', '8', '9', 'a', 0, 0}},
        {"header only", {whole.begin(), whole.begin() + 100}},
        {"cut in half", {whole.begin(), whole.begin() + whole.size() / 2}},
        {"scrambled", noise},
        {"too large", huge},
    };
    for (const Damage& damage : damages) {
        JpegPicture picture;
        std::string error;
        EXPECT_FALSE(DecodeJpeg(damage.stream.data(), damage.stream.size(), picture, error))
            << damage.what;
        EXPECT_FALSE(error.empty()) << damage.what;
        EXPECT_TRUE(picture.rgb.empty()) << damage.what;
    }
    JpegPicture picture;
    std::string error;
    DecodeJpeg(huge.data(), huge.size(), picture, error);
    EXPECT_EQ(error, "the picture is too large");
}
