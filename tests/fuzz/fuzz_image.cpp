// Pictures: the own BMP reader (1, 4, 8, 16, 24 and 32 bits, bit fields, and
// 8- and 4-bit run-length coding) and the PNG and JPEG readers, through the
// dispatch on the first bytes and each directly.
// Any bytes either decode into a picture whose buffers match its allowed
// size, or are refused with nothing kept.
#include "FuzzCheck.h"

#include "platform/Image.h"

namespace {

void Check(bool ok, const cImage& img) {
    if (!ok) {
        FuzzRequire(img.argb.empty() && img.indices.empty(), "a refused picture kept pixels");
        return;
    }
    FuzzRequire(ImageSizeAllowed(img.width, img.height), "a picture of a refused size");
    const std::size_t pixels = static_cast<std::size_t>(img.width) * static_cast<std::size_t>(img.height);
    FuzzRequire(img.argb.size() == pixels, "pixel count does not match the size");
    FuzzRequire(img.indices.empty() || img.indices.size() == pixels, "index count does not match the size");
    FuzzRequire(img.Indexed() == (img.bitCount <= 8), "palette indices missing or kept for a deep picture");
    FuzzRequire(img.paletteSize >= 0 && img.paletteSize <= 256, "palette size out of range");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cImage a, b, c, d;
    Check(DecodeImage(data, size, a), a);
    Check(DecodeBmp(data, size, b), b);
    Check(DecodePng(data, size, c), c);
    Check(DecodeJpeg(data, size, d), d);
    return 0;
}
