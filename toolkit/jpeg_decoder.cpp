#include "toolkit/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// Far more than any picture the windows show; a damaged header can claim up to 65,500 × 65,500
// pixels, whose rows would not even fit a 32-bit address space.
constexpr unsigned long kMaxPixels = 1ul << 24;

// libjpeg's own error handler ends the process; this one jumps back to the decoder instead.
struct JumpingErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf failed;
    char message[JMSG_LENGTH_MAX];
};

void JumpBack(j_common_ptr info) {
    auto* errors = reinterpret_cast<JumpingErrorManager*>(info->err);
    errors->manager.format_message(info, errors->message);
    std::longjmp(errors->failed, 1);
}

// Warnings (level -1) mean damaged data that libjpeg would patch over: they fail too.
void JumpBackOnWarning(j_common_ptr info, int level) {
    if (level < 0) JumpBack(info);
}

}  // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, JpegPicture& picture,
                std::string& error) {
    picture = JpegPicture();
    jpeg_decompress_struct info = {};
    JumpingErrorManager errors = {};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpBack;
    errors.manager.emit_message = JumpBackOnWarning;
    // Nothing with a destructor is made between here and the jump back.
    if (setjmp(errors.failed)) {
        jpeg_destroy_decompress(&info);
        picture = JpegPicture();
        error = errors.message;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (static_cast<unsigned long long>(info.image_width) * info.image_height > kMaxPixels) {
        jpeg_destroy_decompress(&info);
        error = "the picture is too large";
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    picture.rgb.resize(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.rgb.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    jpeg_destroy_decompress(&info);
    error.clear();
    return true;
}
