// Damaged JPEG streams: the decoder gives a whole picture or an empty one with libjpeg's message.

#include "toolkit/jpeg_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    JpegPicture picture;
    std::string error;
    if (DecodeJpeg(data, size, picture, error)) {
        if (picture.rgb.size() != static_cast<size_t>(picture.width) * picture.height * 3 || picture.rgb.empty()) {
            __builtin_trap();
        }
    } else if (!picture.rgb.empty() || picture.width != 0 || error.empty()) {
        __builtin_trap();
    }
    return 0;
}
