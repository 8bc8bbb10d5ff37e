// The picture readers (BMP, PNG, JPEG): any bytes either decode into a
// picture whose buffers match its size, or are refused with nothing kept.
#include "FuzzCheck.h"

#include "platform/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cImage image;
    if (DecodeImage(data, size, image)) {
        const std::size_t pixels = static_cast<std::size_t>(image.width) * image.height;
        FuzzRequire(ImageSizeAllowed(image.width, image.height), "a decoded picture is too big");
        FuzzRequire(image.argb.size() == pixels, "pixel buffer and size disagree");
        FuzzRequire(image.indices.empty() || image.indices.size() == pixels, "index buffer and size disagree");
    } else {
        FuzzRequire(image.argb.empty() && image.indices.empty(), "a refused picture kept pixels");
    }
    return 0;
}
