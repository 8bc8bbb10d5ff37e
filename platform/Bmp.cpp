// Windows bitmap files: the core (12-byte) and the info headers (40 bytes and
// the longer versions), 1, 4, 8, 24 and 32 bits per pixel, uncompressed, and
// 32 bits with bit fields. Rows are stored bottom-up unless the height is
// negative.
#include "platform/Image.h"

#include <cstring>

namespace {

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    bool Has(std::size_t at, std::size_t n) const { return at <= size && n <= size - at; }
    std::uint32_t U32(std::size_t at) const {
        return data[at] | (data[at + 1] << 8) | (data[at + 2] << 16) |
               (static_cast<std::uint32_t>(data[at + 3]) << 24);
    }
    std::uint16_t U16(std::size_t at) const {
        return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
    }
};

int MaskShift(std::uint32_t mask) {
    int s = 0;
    while (s < 32 && !(mask & (1u << s))) ++s;
    return s;
}

int MaskChannel(std::uint32_t pixel, std::uint32_t mask) {
    if (!mask) return 0;
    int shift = MaskShift(mask);
    std::uint32_t max = mask >> shift;
    return static_cast<int>(((pixel & mask) >> shift) * 255 / max);
}

std::uint32_t MakeBmpArgb(std::uint32_t v, const std::uint32_t (&masks)[3]) {
    return 0xFF000000u | (static_cast<std::uint32_t>(MaskChannel(v, masks[0])) << 16) |
           (static_cast<std::uint32_t>(MaskChannel(v, masks[1])) << 8) |
           static_cast<std::uint32_t>(MaskChannel(v, masks[2]));
}

} // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, cImage& out) {
    Reader r{data, size};
    if (!r.Has(0, 18) || data[0] != 'B' || data[1] != 'M') return false;
    const std::uint32_t pixelOffset = r.U32(10);
    const std::uint32_t headerSize = r.U32(14);
    std::int64_t width, height;
    int bitCount;
    std::uint32_t compression = 0, colorsUsed = 0;
    std::uint32_t masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    int paletteEntryBytes = 4;
    if (headerSize == 12) {
        if (!r.Has(14, 12)) return false;
        width = r.U16(18);
        height = r.U16(20);
        bitCount = r.U16(24);
        paletteEntryBytes = 3;
    } else if (headerSize >= 40 && headerSize <= 124) {
        if (!r.Has(14, headerSize)) return false;
        width = static_cast<std::int32_t>(r.U32(18));
        height = static_cast<std::int32_t>(r.U32(22));
        bitCount = r.U16(28);
        compression = r.U32(30);
        colorsUsed = r.U32(46);
        if (compression == 3) { // bit fields follow a 40-byte header, or sit inside a longer one
            if (!r.Has(54, 12)) return false;
            for (int i = 0; i < 3; ++i) masks[i] = r.U32(54 + 4 * i);
        }
    } else {
        return false;
    }
    bool topDown = height < 0;
    if (topDown) height = -height;
    if (!ImageSizeAllowed(width, height)) return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) return false;
    if (compression != 0 && !(compression == 3 && bitCount == 32)) return false;

    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.bitCount = bitCount;
    if (bitCount <= 8) {
        std::uint32_t maxColors = 1u << bitCount;
        std::uint32_t count = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
        std::size_t tableAt = 14 + headerSize + (compression == 3 && headerSize == 40 ? 12 : 0);
        if (!r.Has(tableAt, static_cast<std::size_t>(count) * paletteEntryBytes)) return false;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t* e = data + tableAt + i * paletteEntryBytes;
            out.palette[i] = (static_cast<std::uint32_t>(e[2]) << 16) | (e[1] << 8) | e[0];
        }
        out.paletteSize = static_cast<int>(count);
    }
    const std::size_t stride = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
    if (!r.Has(pixelOffset, stride * static_cast<std::size_t>(height))) return false;

    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    out.argb.assign(pixels, 0);
    if (bitCount <= 8) out.indices.assign(pixels, 0);
    for (int y = 0; y < out.height; ++y) {
        int fileRow = topDown ? y : out.height - 1 - y;
        const std::uint8_t* row = data + pixelOffset + stride * static_cast<std::size_t>(fileRow);
        for (int x = 0; x < out.width; ++x) {
            std::size_t at = static_cast<std::size_t>(y) * out.width + x;
            std::uint32_t argb;
            if (bitCount <= 8) {
                int perByte = 8 / bitCount;
                int byte = row[x / perByte];
                int shift = 8 - bitCount * (x % perByte + 1);
                int index = (byte >> shift) & ((1 << bitCount) - 1);
                // An index past the colour table shows as black, as the table's
                // missing entries would.
                out.indices[at] = static_cast<std::uint8_t>(index);
                argb = 0xFF000000u | (index < out.paletteSize ? out.palette[index] : 0);
            } else if (bitCount == 24) {
                const std::uint8_t* p = row + x * 3;
                argb = 0xFF000000u | (static_cast<std::uint32_t>(p[2]) << 16) | (p[1] << 8) | p[0];
            } else {
                std::uint32_t v;
                std::memcpy(&v, row + x * 4, 4);
                argb = compression == 3 ? MakeBmpArgb(v, masks) : (0xFF000000u | (v & 0x00FFFFFFu));
            }
            out.argb[at] = argb;
        }
    }
    return true;
}
