// JPEG pictures through libjpeg. libjpeg reports fatal errors by calling an
// exit routine; ours jumps back here so a damaged file only fails the load.
// Memory follows the data, not the size a header claims: a file too short
// for its claimed size is refused before decoding, libjpeg's own buffers are
// capped, and the picture's rows are kept only as they decode.
#include "platform/Image.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg's own working memory. Single-scan files need a few rows of it;
// progressive files hold every coefficient of the picture (about 3 bytes a
// pixel with the usual halved colour, 6 without), so this admits progressive
// pictures of some 8 (4) million pixels and refuses larger ones before
// allocating anything.
constexpr long kMaxWorkingMemory = 24l * 1024 * 1024;

struct ErrorJump {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnFatal(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}
void OnMessage(j_common_ptr) {} // warnings are not shown

// With Huffman coding every block of a scan costs at least one bit (its DC
// code), two in a sequential scan (and an AC code). A first scan that the
// rest of the file can't hold is damage. Arithmetic coding can code a block
// in a fraction of a bit, so there the memory cap and the row-by-row buffer
// below are the only guards.
bool DataCanHoldFirstScan(const jpeg_decompress_struct& info) {
    if (info.arith_code) return true;
    std::uint64_t blocks = 0;
    for (int i = 0; i < info.comps_in_scan; ++i)
        blocks += static_cast<std::uint64_t>(info.cur_comp_info[i]->width_in_blocks) *
                  info.cur_comp_info[i]->height_in_blocks;
    const std::uint64_t bitsPerBlock = info.progressive_mode ? 1 : 2;
    return blocks * bitsPerBlock <= static_cast<std::uint64_t>(info.src->bytes_in_buffer) * 8;
}

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
    info.mem->max_memory_to_use = kMaxWorkingMemory;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        !ImageSizeAllowed(info.image_width, info.image_height) || !DataCanHoldFirstScan(info)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info); // reads a progressive file whole
    if (info.output_components != 3 || err.base.num_warnings != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const int w = static_cast<int>(info.output_width), h = static_cast<int>(info.output_height);
    const std::size_t total = static_cast<std::size_t>(w) * h;
    row.assign(static_cast<std::size_t>(w) * 3, 0);
    while (info.output_scanline < info.output_height) {
        const std::size_t first = static_cast<std::size_t>(info.output_scanline) * w;
        JSAMPROW rows[1] = {row.data()};
        // A damaged file is refused below anyway: stop at its first warning
        // rather than decode a huge picture out of a few hundred bytes.
        if (err.base.num_warnings != 0 || jpeg_read_scanlines(&info, rows, 1) != 1) break;
        if (pixels.capacity() < first + w) pixels.reserve(std::min(total, std::max(first + w, 2 * first)));
        pixels.resize(first + w);
        for (int x = 0; x < w; ++x)
            pixels[first + x] = 0xFF000000u | (row[x * 3] << 16) | (row[x * 3 + 1] << 8) | row[x * 3 + 2];
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
