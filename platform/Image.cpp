#include "platform/Image.h"

#include "platform/Surface.h"

#include <cstdio>

bool ImageSizeAllowed(std::int64_t width, std::int64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxSurfaceSide && height <= kMaxSurfaceSide &&
           width * height <= kMaxSurfacePixels;
}

bool DecodeImage(const std::uint8_t* data, std::size_t size, cImage& out) {
    out = cImage{};
    if (!data || size < 4) return false;
    bool ok = false;
    if (data[0] == 'B' && data[1] == 'M')
        ok = DecodeBmp(data, size, out);
    else if (data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G')
        ok = DecodePng(data, size, out);
    else if (data[0] == 0xFF && data[1] == 0xD8)
        ok = DecodeJpeg(data, size, out);
    if (!ok) out = cImage{};
    return ok;
}

bool LoadImageFile(const std::string& path, cImage& out) {
    out = cImage{};
    std::FILE* fp = std::fopen(path.c_str(), "rb");
    if (!fp) return false;
    std::vector<std::uint8_t> bytes;
    // Room for the whole file at once, when its size is known: no regrowing copies.
    if (std::fseek(fp, 0, SEEK_END) == 0) {
        const long size = std::ftell(fp);
        if (size > 0 && static_cast<unsigned long>(size) <= kMaxImageFileBytes)
            bytes.reserve(static_cast<std::size_t>(size));
        std::rewind(fp);
    }
    std::uint8_t chunk[65536];
    std::size_t n;
    bool tooBig = false;
    while ((n = std::fread(chunk, 1, sizeof chunk, fp)) > 0) {
        if (bytes.size() + n > kMaxImageFileBytes) {
            tooBig = true;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    std::fclose(fp);
    if (tooBig) return false;
    return DecodeImage(bytes.data(), bytes.size(), out);
}
