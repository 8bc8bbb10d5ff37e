// JPEG pictures through libjpeg. libjpeg reports fatal errors by calling an
// exit routine; ours jumps back here so a damaged file only fails the load.
#include "platform/Image.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorJump {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnFatal(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}
void OnMessage(j_common_ptr) {} // warnings are not shown

} // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, cImage& out) {
    jpeg_decompress_struct info{};
    ErrorJump err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnFatal;
    err.base.output_message = OnMessage;
    // Everything that must survive a jump lives before the setjmp.
    std::vector<std::uint32_t> pixels;
    std::vector<std::uint8_t> row;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        !ImageSizeAllowed(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const int w = static_cast<int>(info.output_width), h = static_cast<int>(info.output_height);
    pixels.assign(static_cast<std::size_t>(w) * h, 0);
    row.assign(static_cast<std::size_t>(w) * 3, 0);
    while (info.output_scanline < info.output_height) {
        int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        // A damaged file is refused below anyway: stop at its first warning
        // rather than decode a huge picture out of a few hundred bytes.
        if (err.base.num_warnings != 0 || jpeg_read_scanlines(&info, rows, 1) != 1) break;
        for (int x = 0; x < w; ++x)
            pixels[static_cast<std::size_t>(y) * w + x] =
                0xFF000000u | (row[x * 3] << 16) | (row[x * 3 + 1] << 8) | row[x * 3 + 2];
    }
    // A file cut short or damaged inside only warns; such a picture is refused
    // rather than shown half grey.
    bool whole = info.output_scanline == info.output_height && err.base.num_warnings == 0;
    if (whole) jpeg_finish_decompress(&info);
    whole = whole && err.base.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    if (!whole) return false;
    out.width = w;
    out.height = h;
    out.bitCount = 24;
    out.argb = std::move(pixels);
    return true;
}
