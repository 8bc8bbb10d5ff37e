// bmp\hbt\hbtNN.dat: the 8-bit mode's colour table, 256 x 256 palette indices.
// A file is taken whole (its first 65536 bytes) or not at all; then the 8-bit
// blends that look the table up (half transparency, the tint toward a colour
// with a step count from the file) run on pictures made of the file's bytes,
// and every pixel they write must be the table's answer for its inputs.
#include "FuzzCheck.h"

#include "graphics/Effects.h"
#include "graphics/Graphics.h"
#include "graphics/SurfaceData.h"
#include "platform/DirectDrawSurface.h"
#include "platform/Presenter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>

namespace {

constexpr std::size_t kTableBytes = 65536;
constexpr int kSide = 16;
constexpr char kFile[] = "hbt.dat";

// One 8-bit DirectDraw screen and two pictures for the whole run.
struct EightBitScreen {
    cMemoryPresenter window;
    DDSURFACEDATA picture, target;
    bool ok = false;
    EightBitScreen() {
        window.Open("fuzz", 640, 480, false);
        ok = DDInit(0, &window, 640, 480, 8, 1, 0, 1, 60, 0, nullptr, nullptr, 0) &&
             DDCreateSurface(&picture, kSide, kSide, 0, 0, 0, 0, 0) &&
             DDCreateSurface(&target, kSide, kSide, 0, 0, 0, 0, 0);
    }
};

cSurface& PixelsOf(DDSURFACEDATA& sd) {
    return sd.lpDDData->lpSurface->Pixels();
}

// Fills a picture with the file's bytes from `from` on (wrapping).
void Paint(cSurface& s, const std::uint8_t* data, std::size_t size, std::size_t from) {
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            s.Set(x, y, data[(from + static_cast<std::size_t>(y * kSide + x)) % size]);
}

std::array<std::uint32_t, kSide * kSide> Snapshot(const cSurface& s) {
    std::array<std::uint32_t, kSide * kSide> out{};
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) out[static_cast<std::size_t>(y * kSide + x)] = s.Get(x, y);
    return out;
}

// The blends of the loaded table, checked pixel by pixel against the table.
void Blend(EightBitScreen& screen, const std::uint8_t* data, std::size_t size) {
    cSurface& pic = PixelsOf(screen.picture);
    cSurface& dst = PixelsOf(screen.target);
    Paint(pic, data, size, 7);
    Paint(dst, data, size, 1000);
    auto before = Snapshot(dst);
    DDBltHalfAlpha(&screen.target, 0, 0, kSide, kSide, &screen.picture, 0, 0, 1);
    auto after = Snapshot(dst);
    auto src = Snapshot(pic);
    for (std::size_t i = 0; i < after.size(); ++i) {
        const std::uint32_t s = src[i], d = before[i];
        // Index 0 of the picture is transparent; over index 0 the picture's own.
        const std::uint32_t want = s == 0 ? d : d == 0 ? s : ColorTable[d * 256 + s];
        FuzzRequire(after[i] == want, "a half-transparent pixel is not the table's mix");
    }
    // The tint: the step count comes from the file (any int, also huge or negative).
    std::int32_t steps = 0;
    std::memcpy(&steps, data + 4, sizeof steps);
    const int colour = data[8];
    PALETTEENTRY palette[256] = {};
    before = Snapshot(dst);
    DDBltTint(&screen.target, 0, 0, kSide, kSide, &screen.picture, 0, 0, 1, palette, colour, steps);
    after = Snapshot(dst);
    for (std::size_t i = 0; i < after.size(); ++i) {
        std::uint32_t want = before[i];
        if (src[i] != 0 && steps > 0) {
            // Each step looks the index up toward the colour; the walk through
            // 256 indices repeats within 256 steps, so a long count is cut short.
            std::array<int, 256> seenAt;
            seenAt.fill(-1);
            std::uint32_t v = src[i];
            for (std::int32_t k = 0; k < steps; ++k) {
                if (seenAt[v] >= 0) {
                    const std::int32_t cycle = k - seenAt[v];
                    for (std::int32_t r = (steps - k) % cycle; r > 0; --r) v = ColorTable[v * 256 + colour];
                    break;
                }
                seenAt[v] = k;
                v = ColorTable[v * 256 + colour];
            }
            want = v;
        }
        FuzzRequire(after[i] == want, "a tinted pixel is not the table's walk toward the colour");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static EightBitScreen screen;
    FuzzRequire(screen.ok, "the 8-bit screen can't start");
    {
        std::ofstream out(kFile, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        FuzzRequire(out.good(), "the file can't be written");
    }
    std::vector<BYTE> table(kTableBytes, 0xA5);
    const bool loaded = DDLoadColorTable(table.data(), kFile);
    FuzzRequire(loaded == (size >= kTableBytes),
                "a file was taken or refused by something other than its size");
    if (!loaded) {
        FuzzRequire(std::all_of(table.begin(), table.end(), [](BYTE b) { return b == 0xA5; }),
                    "a refused file changed the table");
        return 0;
    }
    FuzzRequire(std::memcmp(table.data(), data, kTableBytes) == 0,
                "the table is not the file's first 65536 bytes");
    std::copy(table.begin(), table.end(), ColorTable);
    Blend(screen, data, size);
    return 0;
}
