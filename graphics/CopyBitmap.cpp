// Putting a picture's pixels into a DirectDraw surface, mirrored textures, and
// the palette-index map of a picture.
#include "graphics/DrawFace.h"
#include "graphics/GraphicsInternal.h"

#include "foundation/ErrorLog.h"
#include "platform/Image.h"

namespace {

// The 16-bit value of a picture pixel; only the transparent colour itself may
// come out as the transparent value.
std::uint32_t To16(std::uint32_t argb) {
    const RGBTRIPLE& conv = lpDDCon->rgbConvert;
    const int r = ArgbR(argb), g = ArgbG(argb), b = ArgbB(argb);
    if (r == conv.rgbtRed && g == conv.rgbtGreen && b == conv.rgbtBlue) return dwTransmit;
    const int* m = SurfaceFormatMasks;
    std::uint32_t v = static_cast<std::uint32_t>((r * m[kRedMax] / 255) << m[kRedShift]) |
                      static_cast<std::uint32_t>((g * m[kGreenMax] / 255) << m[kGreenShift]) |
                      static_cast<std::uint32_t>((b * m[kBlueMax] / 255) << m[kBlueShift]);
    if (v == dwTransmit) {
        bool blueFull = ((v >> m[kBlueShift]) & static_cast<std::uint32_t>(m[kBlueMax])) ==
                        static_cast<std::uint32_t>(m[kBlueMax]);
        v = blueFull ? v - 1 : v + 1;
    }
    return v;
}

// Any other picture into the display format, as a plain copy would convert it.
std::uint32_t ToDisplay(PixelFormat f, std::uint32_t argb) {
    if (f == PixelFormat::X8R8G8B8) return argb & 0x00FFFFFFu;
    const int* m = SurfaceFormatMasks;
    return static_cast<std::uint32_t>((ArgbR(argb) * m[kRedMax] / 255) << m[kRedShift]) |
           static_cast<std::uint32_t>((ArgbG(argb) * m[kGreenMax] / 255) << m[kGreenShift]) |
           static_cast<std::uint32_t>((ArgbB(argb) * m[kBlueMax] / 255) << m[kBlueShift]);
}

// A pixel's colour as the palette-index map compares it with the base
// palette: 16-bit channels widened as c x 255 / max.
std::uint32_t MapColour(PixelFormat f, std::uint32_t v) {
    if (BytesPerPixel(f) != 2) return UnpackToArgb(f, v);
    const FormatMasks m = MasksOf(f);
    auto widen = [v](int shift, int max) {
        return static_cast<int>((v >> shift) & static_cast<std::uint32_t>(max)) * 255 / max;
    };
    const int a = !HasAlpha(f) || (v & 0x8000u) ? 255 : 0;
    return MakeArgb(a, widen(m.rShift, m.rMax), widen(m.gShift, m.gMax), widen(m.bShift, m.bMax));
}

} // namespace

bool CopyBitmap(DDSURFACEDATA* lpSD, const char* szFile, int nBppIn, int bPalMap, int nMirrorWidth,
                int nMirrorHeight) {
    if (lpDTCon || !szFile || !szFile[0]) return true;
    if (!DDSurfaceOf(lpSD)) return false;
    cImage image;
    if (!LoadImageFile(PicturePath(szFile), image)) return false;
    return CopyBitmapImage(lpSD, image, szFile, nBppIn, bPalMap, nMirrorWidth, nMirrorHeight);
}

bool CopyBitmapImage(DDSURFACEDATA* lpSD, const cImage& image, const char* szFile, int nBppIn, int bPalMap,
                     int nMirrorWidth, int nMirrorHeight) {
    if (lpDTCon || !szFile || !szFile[0]) return true;
    cDirectDrawSurface* surface = DDSurfaceOf(lpSD);
    if (!surface) return false;
    DDSURFACEDESC2 desc{};
    int pitch = 0;
    if (!DDLock(lpSD, &desc, &pitch, nBppIn)) return false;
    cSurface& px = surface->Pixels();
    const PixelFormat f = px.Format();
    if (f == PixelFormat::P8 && (px.Width() != image.width || px.Height() != image.height)) {
        ErrorLogPrintf("CopyBitmap Err %s Surface(%d,%d) Bmp(%d,%d)", szFile, px.Width(), px.Height(),
                       image.width, image.height);
    } else {
        const bool convert16 = BytesPerPixel(f) == 2 && image.bitCount >= 24;
        for (int y = 0; y < px.Height(); ++y) {
            int sy = MirrorIndex(y, nMirrorHeight);
            if (sy >= image.height) continue;
            for (int x = 0; x < px.Width(); ++x) {
                int sx = MirrorIndex(x, nMirrorWidth);
                if (sx >= image.width) continue;
                std::size_t at = static_cast<std::size_t>(sy) * image.width + sx;
                std::uint32_t v;
                if (f == PixelFormat::P8)
                    v = image.Indexed() ? image.indices[at] : 0;
                else if (convert16)
                    v = To16(image.argb[at]);
                else
                    v = ToDisplay(f, image.argb[at]);
                px.Set(x, y, v);
            }
        }
    }
    DDUnlock(lpSD);
    if (bPalMap && nBppIn != 8) DDBuildPalIndexMap(&lpSD->lpDDData->lpPalMap, lpSD);
    return true;
}

bool CreateMirror(DDSURFACEDATA* lpDstSD, DDSURFACEDATA* lpSrcSD, int nMirrorWidth, int nMirrorHeight) {
    if (!lpDTCon || !lpDstSD || !lpSrcSD) return false;
    if (nMirrorWidth == 0 || nMirrorHeight != 0) return true; // only horizontal strips are mirrored
    if (nMirrorWidth < 0) return false;
    if (DDSetRenderTarget(0, lpDstSD)) {
        lpDevice->Clear(0, nullptr, D3DCLEAR_TARGET, lpDTCon->dwTransmit_32, 1.0f, 0);
        if (lpDTCon->lpTargetSD) DDSetRenderTarget(0, lpDTCon->lpTargetSD);
    }
    const int w = nMirrorWidth, h = lpSrcSD->nHeight;
    for (int k = 0; k < lpSrcSD->nWidth / w; ++k)
        DDBltStretch(lpDstSD, k * w, 0, w, h, lpSrcSD, k * w + w, 0, -w, h, 0);
    return true;
}

bool DDBuildPalIndexMap(BYTE** lplpMap, DDSURFACEDATA* lpSD) {
    if (!lplpMap || !lpSD) return false;
    cPixelLock lock;
    if (!Face().LockPixels(lpSD, lock)) return false;
    const cSurface* px = lock.pixels;
    bool keyed = false;
    if (lpDTCon) {
        keyed = lpSD->lpDT->bColorKey;
    } else {
        DDCOLORKEY key{};
        keyed = SUCCEEDED(lock.ddSurface->GetColorKey(DDCKEY_SRCBLT, &key));
    }
    const int w = std::min(lpSD->nWidth, px->Width()), h = std::min(lpSD->nHeight, px->Height());
    delete[] * lplpMap;
    *lplpMap = new BYTE[static_cast<std::size_t>(w > 0 ? w : 0) * (h > 0 ? h : 0) + 1]();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint32_t v = px->Get(x, y);
            std::uint32_t argb = MapColour(px->Format(), v);
            bool transparent = lpDTCon ? (keyed && ArgbA(argb) == 0) : (keyed && v == dwTransmit);
            BYTE index = 0; // a colour missing from the base palette maps to entry 0
            if (!transparent) {
                for (int i = 0; i < 256; ++i) {
                    const PALETTEENTRY& e = BasePalette[i];
                    if (e.peRed == ArgbR(argb) && e.peGreen == ArgbG(argb) && e.peBlue == ArgbB(argb)) {
                        index = static_cast<BYTE>(i);
                        break;
                    }
                }
            }
            (*lplpMap)[static_cast<std::size_t>(y) * w + x] = index;
        }
    }
    Face().UnlockPixels(lpSD, lock, false); // only read: nothing to upload
    return true;
}
