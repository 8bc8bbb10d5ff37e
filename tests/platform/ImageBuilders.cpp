#include "platform/ImageBuilders.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

namespace {
void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    b[at] = v & 255;
    b[at + 1] = (v >> 8) & 255;
}
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 255;
}
void PutBigEndian32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (24 - 8 * i)) & 255;
}
} // namespace

std::vector<std::uint8_t> MakeBmpFile(const BmpParts& parts) {
    const bool masksAfterHeader = parts.headerSize == 40 && !parts.masks.empty();
    const std::size_t tableAt = 14 + parts.headerSize + (masksAfterHeader ? 12 : 0);
    const std::size_t offset = tableAt + parts.palette.size() * 4;
    std::vector<std::uint8_t> b(offset, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(offset + parts.pixels.size()));
    Put32(b, 10, static_cast<std::uint32_t>(offset));
    Put32(b, 14, parts.headerSize);
    Put32(b, 18, static_cast<std::uint32_t>(parts.width));
    Put32(b, 22, static_cast<std::uint32_t>(parts.height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(parts.bitCount));
    Put32(b, 30, parts.compression);
    Put32(b, 34, static_cast<std::uint32_t>(parts.pixels.size()));
    Put32(b, 46, parts.colorsUsed);
    const std::size_t maskRoom = masksAfterHeader ? 3 : (parts.headerSize - 40) / 4;
    for (std::size_t i = 0; i < parts.masks.size() && i < maskRoom; ++i) Put32(b, 54 + i * 4, parts.masks[i]);
    for (std::size_t i = 0; i < parts.palette.size(); ++i) Put32(b, tableAt + i * 4, parts.palette[i]);
    b.insert(b.end(), parts.pixels.begin(), parts.pixels.end());
    return b;
}

std::vector<std::uint8_t> MakeBmp(int width, int height, int bitCount,
                                  const std::vector<std::uint32_t>& pixels,
                                  const std::vector<std::uint32_t>& palette, bool topDown) {
    const std::size_t stride = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
    BmpParts parts;
    parts.width = width;
    parts.height = topDown ? -height : height;
    parts.bitCount = bitCount;
    if (bitCount <= 8) {
        parts.palette = palette;
        parts.palette.resize(std::size_t{1} << bitCount, 0);
    }
    std::vector<std::uint8_t>& b = parts.pixels;
    b.assign(stride * height, 0);
    for (int y = 0; y < height; ++y) {
        std::size_t row = stride * static_cast<std::size_t>(topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            std::uint32_t v = pixels[static_cast<std::size_t>(y) * width + x];
            if (bitCount <= 8) {
                int perByte = 8 / bitCount;
                int shift = 8 - bitCount * (x % perByte + 1);
                b[row + x / perByte] |= static_cast<std::uint8_t>(v << shift);
            } else if (bitCount == 16) {
                Put16(b, row + x * 2, v);
            } else if (bitCount == 24) {
                b[row + x * 3] = v & 255;
                b[row + x * 3 + 1] = (v >> 8) & 255;
                b[row + x * 3 + 2] = (v >> 16) & 255;
            } else {
                Put32(b, row + x * 4, v);
            }
        }
    }
    return MakeBmpFile(parts);
}

std::vector<std::uint8_t> MakePngFile(const PngParts& parts) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<std::uint8_t> out;
    std::vector<png_color> palette;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* o = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
            o->insert(o->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(parts.width), static_cast<png_uint_32>(parts.height),
                 parts.bitDepth, parts.colourType,
                 parts.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (parts.gamma != 0) png_set_gAMA(png, info, parts.gamma);
    for (std::uint32_t c : parts.palette)
        palette.push_back(
            {static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8), static_cast<png_byte>(c)});
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (!parts.paletteAlpha.empty())
        png_set_tRNS(png, info, parts.paletteAlpha.data(), static_cast<int>(parts.paletteAlpha.size()),
                     nullptr);
    if (!parts.transparent.empty()) {
        png_color_16 colour{};
        colour.gray = parts.transparent[0];
        if (parts.transparent.size() == 3) {
            colour.red = parts.transparent[0];
            colour.green = parts.transparent[1];
            colour.blue = parts.transparent[2];
        }
        png_set_tRNS(png, info, nullptr, 0, &colour);
    }
    png_write_info(png, info);
    const std::size_t rowBytes = parts.samples.size() / static_cast<std::size_t>(parts.height);
    for (int y = 0; y < parts.height; ++y)
        rows.push_back(const_cast<png_bytep>(parts.samples.data()) + rowBytes * static_cast<std::size_t>(y));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<std::uint8_t> MakePng(int width, int height, const std::vector<std::uint32_t>& argb) {
    PngParts parts;
    parts.width = width;
    parts.height = height;
    for (std::uint32_t c : argb)
        for (int shift : {16, 8, 0, 24}) parts.samples.push_back(static_cast<std::uint8_t>(c >> shift));
    return MakePngFile(parts);
}

std::vector<std::uint8_t> MakeJpeg(int width, int height, const std::vector<std::uint32_t>& rgb,
                                   bool progressive) {
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
    if (progressive) jpeg_simple_progression(&info);
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

std::vector<std::uint8_t> WithPngSize(std::vector<std::uint8_t> png, std::uint32_t width,
                                      std::uint32_t height) {
    // The header chunk follows the 8-byte signature: length, "IHDR", 13 bytes, checksum.
    PutBigEndian32(png, 16, width);
    PutBigEndian32(png, 20, height);
    PutBigEndian32(png, 29, static_cast<std::uint32_t>(crc32(0, png.data() + 12, 17)));
    return png;
}

std::vector<std::uint8_t> WithJpegSize(std::vector<std::uint8_t> jpeg, std::uint16_t width,
                                       std::uint16_t height) {
    // The frame header (a start-of-frame marker FFC0 to FFC2): length, precision, height, width.
    for (std::size_t i = 2; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] >= 0xC0 && jpeg[i + 1] <= 0xC2) {
            jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[i + 6] = static_cast<std::uint8_t>(height);
            jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[i + 8] = static_cast<std::uint8_t>(width);
            break;
        }
    }
    return jpeg;
}
