// PNG pictures through libpng's row reader, with the values the file stores:
// no gamma or colour-space chunk changes them (libpng applies neither unless
// asked), 16-bit samples keep their high byte, and palette, grey and tRNS
// transparency are expanded to BGRA bytes, which are 0xAARRGGBB words on this
// little-endian layout. libpng reports fatal errors through a long jump back
// here, so a damaged file only fails the load.
#include "platform/Image.h"

#include <csetjmp>
#include <cstring>

#include <png.h>

namespace {

// Largest ancillary chunk libpng may take in (text, colour profiles: all
// unused here).
constexpr png_alloc_size_t kMaxChunkBytes = 1u << 20;

// Deflate codes at most 258 bytes in two bits, so no compressed stream
// unpacks to more than 1032 times its size.
constexpr std::uint64_t kMaxInflateRatio = 1032;

struct Source {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t n) {
    auto* s = static_cast<Source*>(png_get_io_ptr(png));
    if (n > s->size - s->at) png_error(png, "file ends early");
    std::memcpy(out, s->data + s->at, n);
    s->at += n;
}

void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

// Bytes in the whole image-data chunks of the file (the walk stops at the
// first chunk that doesn't fit; libpng refuses such files anyway).
std::uint64_t ImageDataBytes(const std::uint8_t* data, std::size_t size) {
    std::uint64_t total = 0;
    std::size_t at = 8; // after the signature
    while (at <= size && size - at >= 12) {
        const std::uint32_t length = BigEndian32(data + at);
        if (length > size - at - 12) break;
        if (std::memcmp(data + at + 4, "IDAT", 4) == 0) total += length;
        if (std::memcmp(data + at + 4, "IEND", 4) == 0) break;
        at += 12 + static_cast<std::size_t>(length);
    }
    return total;
}

// A file whose image data is too short to unpack into the pixels its header
// claims is damaged; refusing it up front keeps a few bytes from taking the
// memory of a huge picture.
bool DataCanHoldPicture(png_structp png, png_infop info, std::uint64_t dataBytes) {
    const std::uint64_t pixelBits = static_cast<std::uint64_t>(png_get_image_width(png, info)) *
                                    png_get_image_height(png, info) * png_get_channels(png, info) *
                                    png_get_bit_depth(png, info);
    return pixelBits / 8 <= (dataBytes + 1) * kMaxInflateRatio;
}

void AskForBgra(png_structp png, png_infop info) {
    const int colour = png_get_color_type(png, info);
    const int depth = png_get_bit_depth(png, info);
    if (depth == 16) png_set_strip_16(png); // the high byte of each sample
    if (colour == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colour == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (colour == PNG_COLOR_TYPE_GRAY || colour == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFFFF, PNG_FILLER_AFTER); // only where the file has no alpha
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

} // namespace

bool DecodePng(const std::uint8_t* data, std::size_t size, cImage& out) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    // Everything that must survive a jump lives before the setjmp.
    Source source{data, size, 0};
    std::vector<std::uint32_t> pixels;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &source, ReadFromMemory);
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    bool ok = ImageSizeAllowed(width, height) && DataCanHoldPicture(png, info, ImageDataBytes(data, size));
    if (ok) {
        AskForBgra(png, info);
        ok = png_get_rowbytes(png, info) == static_cast<std::size_t>(width) * 4;
    }
    if (ok) {
        pixels.assign(static_cast<std::size_t>(width) * height, 0);
        rows.resize(height);
        for (png_uint_32 y = 0; y < height; ++y)
            rows[y] = reinterpret_cast<png_bytep>(pixels.data() + static_cast<std::size_t>(y) * width);
        png_read_image(png, rows.data());
        png_read_end(png, nullptr);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) return false;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.bitCount = 32;
    out.argb = std::move(pixels);
    return true;
}
