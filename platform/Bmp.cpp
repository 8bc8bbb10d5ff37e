// Windows bitmap files: the core (12-byte) and the info headers (40 bytes and
// the longer versions); 1, 4, 8, 16, 24 and 32 bits per pixel uncompressed,
// 16 and 32 bits with bit fields (the channel masks stored after a 40-byte
// header or inside a longer one), and 8 and 4 bits run-length coded.
// Uncompressed 16-bit pixels are 5-5-5. Rows are stored bottom-up unless the
// height is negative (never for run-length coded pictures).
#include "platform/BmpRle.h"
#include "platform/Image.h"

#include <cstring>

namespace {

enum : std::uint32_t { kPlain = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

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

struct Header {
    std::int64_t width = 0, height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kPlain, colorsUsed = 0;
    std::uint32_t masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    std::size_t tableAt = 0;
    int paletteEntryBytes = 4;
    std::uint32_t pixelOffset = 0;
};

bool ReadHeader(const Reader& r, Header& h) {
    if (!r.Has(0, 18) || r.data[0] != 'B' || r.data[1] != 'M') return false;
    h.pixelOffset = r.U32(10);
    const std::uint32_t headerSize = r.U32(14);
    if (headerSize == 12) {
        if (!r.Has(14, 12)) return false;
        h.width = r.U16(18);
        h.height = r.U16(20);
        h.bitCount = r.U16(24);
        h.paletteEntryBytes = 3;
    } else if (headerSize >= 40 && headerSize <= 124) {
        if (!r.Has(14, headerSize)) return false;
        h.width = static_cast<std::int32_t>(r.U32(18));
        h.height = static_cast<std::int32_t>(r.U32(22));
        h.bitCount = r.U16(28);
        h.compression = r.U32(30);
        h.colorsUsed = r.U32(46);
        if (h.compression == kBitFields) { // after a 40-byte header, or inside a longer one
            if (!r.Has(54, 12)) return false;
            for (int i = 0; i < 3; ++i) h.masks[i] = r.U32(54 + 4 * i);
        }
    } else {
        return false;
    }
    h.tableAt = 14 + headerSize + (h.compression == kBitFields && headerSize == 40 ? 12 : 0);
    if (h.height < 0) {
        h.topDown = true;
        h.height = -h.height;
    }
    return true;
}

bool KindAllowed(const Header& h) {
    switch (h.compression) {
    case kPlain:
        return h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 ||
               h.bitCount == 24 || h.bitCount == 32;
    case kRle8:
        return h.bitCount == 8 && !h.topDown;
    case kRle4:
        return h.bitCount == 4 && !h.topDown;
    case kBitFields:
        return h.bitCount == 16 || h.bitCount == 32;
    default:
        return false;
    }
}

// One colour channel of a 16- or 32-bit pixel: a run of set bits.
struct Channel {
    int shift = 0;
    std::uint32_t max = 0; // the mask shifted down; 0 for a channel the pixels lack
    // The 8-bit value v / max x 255 rounded up, so that packing it back into
    // a field of the same width (c x max / 255, rounded down) gives v again:
    // a 16-bit picture keeps its exact colours on a 16-bit surface.
    std::uint32_t Widen(std::uint32_t pixel) const {
        if (!max) return 0;
        const std::uint64_t v = (pixel >> shift) & max;
        if (max == 255) return static_cast<std::uint32_t>(v); // the usual 8-bit channel
        return static_cast<std::uint32_t>((v * 255 + max - 1) / max);
    }
};

// Masks must be runs of set bits that lie within the pixel and don't overlap.
bool MakeChannels(const std::uint32_t (&masks)[3], int bitCount, Channel (&out)[3]) {
    const std::uint64_t pixelBits = (std::uint64_t{1} << bitCount) - 1;
    std::uint32_t seen = 0;
    for (int i = 0; i < 3; ++i) {
        const std::uint32_t m = masks[i];
        if ((m & ~pixelBits) || (m & seen)) return false;
        seen |= m;
        if (!m) continue;
        int shift = 0;
        while (!(m & (1u << shift))) ++shift;
        const std::uint32_t run = m >> shift;
        if (run & (run + 1)) return false; // a gap inside the mask
        out[i] = {shift, run};
    }
    return seen != 0;
}

void ReadColourTable(const Reader& r, const Header& h, std::uint32_t count, cImage& out) {
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* e = r.data + h.tableAt + i * h.paletteEntryBytes;
        out.palette[i] = (static_cast<std::uint32_t>(e[2]) << 16) | (e[1] << 8) | e[0];
    }
    out.paletteSize = static_cast<int>(count);
}

// Uncompressed rows; the caller has checked that they all lie in the file.
void ReadRows(const Reader& r, const Header& h, std::size_t stride, const Channel (&ch)[3], cImage& out) {
    for (int y = 0; y < out.height; ++y) {
        const int fileRow = h.topDown ? y : out.height - 1 - y;
        const std::uint8_t* row = r.data + h.pixelOffset + stride * static_cast<std::size_t>(fileRow);
        const std::size_t first = static_cast<std::size_t>(y) * out.width;
        for (int x = 0; x < out.width; ++x) {
            if (h.bitCount <= 8) {
                const int perByte = 8 / h.bitCount;
                const int shift = 8 - h.bitCount * (x % perByte + 1);
                out.indices[first + x] =
                    static_cast<std::uint8_t>((row[x / perByte] >> shift) & ((1 << h.bitCount) - 1));
                continue;
            }
            std::uint32_t v = 0;
            if (h.bitCount == 16) {
                v = row[x * 2] | (row[x * 2 + 1] << 8);
            } else if (h.bitCount == 24) {
                const std::uint8_t* p = row + x * 3;
                v = (static_cast<std::uint32_t>(p[2]) << 16) | (p[1] << 8) | p[0];
            } else {
                std::memcpy(&v, row + x * 4, 4);
            }
            out.argb[first + x] =
                0xFF000000u | (ch[0].Widen(v) << 16) | (ch[1].Widen(v) << 8) | ch[2].Widen(v);
        }
    }
}

bool Decode(const Reader& r, cImage& out) {
    Header h;
    if (!ReadHeader(r, h) || !ImageSizeAllowed(h.width, h.height) || !KindAllowed(h)) return false;
    if (h.bitCount == 16 && h.compression == kPlain) {
        h.masks[0] = 0x7C00;
        h.masks[1] = 0x03E0;
        h.masks[2] = 0x001F;
    }
    Channel ch[3];
    if (h.bitCount > 8 && !MakeChannels(h.masks, h.bitCount, ch)) return false;

    out.width = static_cast<int>(h.width);
    out.height = static_cast<int>(h.height);
    out.bitCount = h.bitCount;
    if (h.bitCount <= 8) {
        const std::uint32_t maxColors = 1u << h.bitCount;
        const std::uint32_t count = h.colorsUsed == 0 || h.colorsUsed > maxColors ? maxColors : h.colorsUsed;
        if (!r.Has(h.tableAt, static_cast<std::size_t>(count) * h.paletteEntryBytes)) return false;
        ReadColourTable(r, h, count, out);
    }
    const std::size_t pixels = static_cast<std::size_t>(h.width) * static_cast<std::size_t>(h.height);
    if (h.compression == kRle8 || h.compression == kRle4) {
        if (!r.Has(h.pixelOffset, 0)) return false;
        out.indices.assign(pixels, 0);
        if (!DecodeBmpRle(r.data + h.pixelOffset, r.size - h.pixelOffset, out.width, out.height, h.bitCount,
                          out.indices.data()))
            return false;
    } else {
        const std::size_t stride = ((static_cast<std::size_t>(h.width) * h.bitCount + 31) / 32) * 4;
        if (!r.Has(h.pixelOffset, stride * static_cast<std::size_t>(h.height))) return false;
        if (h.bitCount <= 8)
            out.indices.assign(pixels, 0);
        else
            out.argb.assign(pixels, 0);
        ReadRows(r, h, stride, ch, out);
    }
    if (h.bitCount <= 8) {
        // An index past the colour table shows as black, as the table's
        // missing entries would.
        out.argb.resize(pixels);
        for (std::size_t i = 0; i < pixels; ++i) {
            const int index = out.indices[i];
            out.argb[i] = 0xFF000000u | (index < out.paletteSize ? out.palette[index] : 0);
        }
    }
    return true;
}

} // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, cImage& out) {
    cImage picture; // a refused file leaves `out` as it was
    if (!Decode(Reader{data, size}, picture)) return false;
    out = std::move(picture);
    return true;
}
