#include "platform/ImageBuilders.h"

#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <png.h>

namespace {
void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    b[at] = v & 255;
    b[at + 1] = (v >> 8) & 255;
}
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 255;
}
} // namespace

std::vector<std::uint8_t> MakeBmp(int width, int height, int bitCount,
                                  const std::vector<std::uint32_t>& pixels,
                                  const std::vector<std::uint32_t>& palette, bool topDown) {
    const std::size_t stride = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
    const std::size_t tableBytes = bitCount <= 8 ? (std::size_t{1} << bitCount) * 4 : 0;
    const std::size_t offset = 14 + 40 + tableBytes;
    std::vector<std::uint8_t> b(offset + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(offset));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(bitCount));
    for (std::size_t i = 0; i < palette.size() && i * 4 < tableBytes; ++i) Put32(b, 54 + i * 4, palette[i]);
    for (int y = 0; y < height; ++y) {
        std::size_t row = offset + stride * static_cast<std::size_t>(topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            std::uint32_t v = pixels[static_cast<std::size_t>(y) * width + x];
            if (bitCount <= 8) {
                int perByte = 8 / bitCount;
                int shift = 8 - bitCount * (x % perByte + 1);
                b[row + x / perByte] |= static_cast<std::uint8_t>(v << shift);
            } else if (bitCount == 24) {
                b[row + x * 3] = v & 255;
                b[row + x * 3 + 1] = (v >> 8) & 255;
                b[row + x * 3 + 2] = (v >> 16) & 255;
            } else {
                Put32(b, row + x * 4, v);
            }
        }
    }
    return b;
}

std::vector<std::uint8_t> MakePng(int width, int height, const std::vector<std::uint32_t>& argb) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, argb.data(), 0, nullptr);
    std::vector<std::uint8_t> out(size);
    png_image_write_to_memory(&image, out.data(), &size, 0, argb.data(), 0, nullptr);
    out.resize(size);
    return out;
}

std::vector<std::uint8_t> MakeJpeg(int width, int height, const std::vector<std::uint32_t>& rgb) {
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* mem = nullptr;
    unsigned long memSize = 0;
    jpeg_mem_dest(&info, &mem, &memSize);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t c = rgb[static_cast<std::size_t>(y) * width + x];
            row[x * 3] = (c >> 16) & 255;
            row[x * 3 + 1] = (c >> 8) & 255;
            row[x * 3 + 2] = c & 255;
        }
        JSAMPROW r[1] = {row.data()};
        jpeg_write_scanlines(&info, r, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> out(mem, mem + memSize);
    jpeg_destroy_compress(&info);
    std::free(mem);
    return out;
}
