// PNG pictures through libpng's simplified reader, which does its own error
// recovery; the size is checked before any pixel memory is taken.
#include "platform/Image.h"

#include <png.h>

bool DecodePng(const std::uint8_t* data, std::size_t size, cImage& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) {
        png_image_free(&image);
        return false;
    }
    if (!ImageSizeAllowed(image.width, image.height)) {
        png_image_free(&image);
        return false;
    }
    // BGRA bytes are 0xAARRGGBB words on this little-endian layout.
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(image.width) * image.height);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.bitCount = 32;
    out.argb = std::move(pixels);
    png_image_free(&image);
    return true;
}
