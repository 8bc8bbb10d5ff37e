#include "tools/makedemo/BmpWriter.h"

#include "tools/makedemo/Bytes.h"

std::vector<std::uint8_t> EncodeBmp(const Image& image) {
    const int w = image.Width(), h = image.Height();
    const int bits = image.Indexed() ? 8 : 24;
    const std::uint32_t stride = ((static_cast<std::uint32_t>(w) * bits + 31) / 32) * 4;
    const std::uint32_t paletteBytes = image.Indexed() ? 256 * 4 : 0;
    const std::uint32_t offset = 14 + 40 + paletteBytes;
    const std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(h);

    Bytes out;
    out.u8('B').u8('M').u32(offset + imageBytes).u16(0).u16(0).u32(offset);
    out.u32(40).i32(w).i32(h).u16(1).u16(static_cast<std::uint16_t>(bits)).u32(0).u32(imageBytes);
    out.i32(2835).i32(2835).u32(image.Indexed() ? 256 : 0).u32(0);
    if (image.Indexed())
        for (const Rgb& c : image.Palette()) out.u8(c.b).u8(c.g).u8(c.r).u8(0);
    for (int y = h - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < w; ++x) {
            Rgb c = image.Get(x, y);
            if (image.Indexed()) {
                out.u8(c.r);
                written += 1;
            } else {
                out.u8(c.b).u8(c.g).u8(c.r);
                written += 3;
            }
        }
        for (; written < stride; ++written) out.u8(0);
    }
    return out.data;
}
