#include "graphics/GlyphPen.h"

#include "graphics/DrawFace.h"
#include "graphics/Font.h"
#include "graphics/GraphicsInternal.h"
#include "platform/Cp932.h"
#include "platform/FontFace.h"

#include <algorithm>

namespace {

// Blends the text colour over a pixel as a sprite with alpha blending does:
// colour and alpha both by source alpha and one minus source alpha.
std::uint32_t Blend(PixelFormat format, std::uint32_t pixel, DWORD argb, int coverage) {
    if (coverage >= 255) return PackArgb(format, argb);
    const std::uint32_t d = UnpackToArgb(format, pixel);
    const int a = coverage;
    auto mix = [a](int s, int t) { return (s * a + t * (255 - a) + 127) / 255; };
    const std::uint32_t out = MakeArgb(mix(a, ArgbA(d)), mix(ArgbR(argb), ArgbR(d)),
                                       mix(ArgbG(argb), ArgbG(d)), mix(ArgbB(argb), ArgbB(d)));
    return PackArgb(format, out);
}

// Pixels of the glyph inside [left, right) x [top, bottom) are written.
struct ClipBox {
    int left, top, right, bottom;
};

void WriteGlyph(cSurface& px, const ClipBox& clip, int x, int y, const GlyphBitmap& g, DWORD color,
                bool blend) {
    const PixelFormat format = px.Format();
    const std::uint32_t solid = blend ? PackArgb(format, color) : color;
    for (int j = 0; j < g.height; ++j) {
        const int ty = y + g.top + j;
        if (ty < clip.top || ty >= clip.bottom) continue;
        const std::uint8_t* row = g.coverage.data() + static_cast<std::size_t>(j) * g.width;
        for (int i = 0; i < g.width; ++i) {
            const int tx = x + g.left + i;
            const int c = row[i];
            if (c == 0 || tx < clip.left || tx >= clip.right) continue;
            if (!blend) {
                if (c >= 128) px.Set(tx, ty, solid);
            } else {
                px.Set(tx, ty, c >= 255 ? solid : Blend(format, px.Get(tx, ty), color, c));
            }
        }
    }
}

} // namespace

void cGlyphPen::DrawString(int x, int y, const char* bytes, int count) {
    if (!bytes || count < 1 || !font_.face_) return;
    x += originX_;
    y += originY_;
    cFontFace& face = *font_.face_;
    auto codeAt = [&](int& i) {
        unsigned code = static_cast<unsigned char>(bytes[i]);
        if (i + 1 < count && IsDoubleByteChar(bytes + i)) {
            code = (code << 8) | static_cast<unsigned char>(bytes[i + 1]);
            i += 2;
        } else {
            i += 1;
        }
        return code;
    };
    if (count <= 2) {
        int i = 0;
        const unsigned code = codeAt(i);
        int gx = x, gy = y;
        if (font_.bCenter) {
            const int w = face.Glyph(code, false).advance, h = font_.nHeight;
            gx = x + (font_.nPitch >> 1) - (w >> 1);
            gy = y + (font_.nLinePitch >> 1) - (h >> 1);
        } else if (code <= 0xFF) {
            gx = x + (font_.nPitch >> 3);
            gy = y + (font_.nLinePitch >> 4) - 1;
        }
        pending_.push_back({gx, gy, code, x, y});
        return;
    }
    // A whole line: characters side by side at their own advances.
    for (int i = 0; i < count && bytes[i];) {
        const unsigned code = codeAt(i);
        pending_.push_back({x, y, code, x, y});
        x += face.Glyph(code, false).advance;
    }
}

void cGlyphPen::Flush() {
    if (pending_.empty()) return;
    drawn_ += pending_.size();
    if (target_ && font_.face_) {
        cPixelLock lock;
        if (Face().LockPixels(target_, lock) && lock.pixels) {
            cSurface& px = *lock.pixels;
            const int w = std::min(target_->nWidth, px.Width()), h = std::min(target_->nHeight, px.Height());
            const bool antialias = font_.Antialiased();
            for (const Pending& p : pending_) {
                ClipBox clip{0, 0, w, h};
                if (clipToCells_) {
                    clip.left = std::max(clip.left, p.cellX);
                    clip.top = std::max(clip.top, p.cellY);
                    clip.right = std::min(clip.right, p.cellX + font_.nPitch);
                    clip.bottom = std::min(clip.bottom, p.cellY + font_.nLinePitch);
                }
                WriteGlyph(px, clip, p.x, p.y, font_.face_->Glyph(p.code, antialias), font_.dwColor,
                           antialias);
            }
            Face().UnlockPixels(target_, lock, true);
        }
    }
    pending_.clear();
}
