// The transparent colour and palettes loaded from pictures.
#include "graphics/DrawFace.h"
#include "graphics/Effects.h"
#include "graphics/GraphicsInternal.h"

#include "foundation/ErrorLog.h"
#include "platform/Image.h"

namespace {

// A picture loaded into a system-memory record of the live face's depth.
bool LoadTemporary(const char* szFile, DDSURFACEDATA* tmp) {
    return DDCreateSurfaceFromFile(tmp, szFile, 0, nBpp, 1, lpDTCon ? DTMEMORYTYPE_SYSTEM : 0, 0, 0, 0, 0,
                                   0) == 0;
}

// The top-left pixel of a picture as the live face stores it.
bool ReadTopLeft(const char* szFile, std::uint32_t* pixel) {
    DDSURFACEDATA tmp;
    if (!LoadTemporary(szFile, &tmp)) {
        ErrorLogPrintf("%s 作成失敗！", szFile);
        DDReleaseSurface(&tmp);
        return false;
    }
    cPixelLock lock;
    const bool ok = Face().LockPixels(&tmp, lock);
    if (ok) {
        *pixel = lock.pixels->Get(0, 0);
        Face().UnlockPixels(&tmp, lock, false);
    }
    if (!ok) ErrorLogPrintf("Lock 失敗！");
    DDReleaseSurface(&tmp);
    return ok;
}

} // namespace

bool DDSetTransmit(const char* szFile) {
    std::uint32_t pixel = 0;
    if (!ReadTopLeft(szFile, &pixel)) return false;
    if (!lpDTCon) {
        dwTransmit = pixel;
        if (nBpp == 32 && lpDDCon)
            lpDDCon->rgbTransmit = {static_cast<BYTE>(pixel & 255), static_cast<BYTE>((pixel >> 8) & 255),
                                    static_cast<BYTE>((pixel >> 16) & 255)};
        return true;
    }
    if (nBpp == 32) {
        DDSetTransmit(static_cast<BYTE>(ArgbR(pixel)), static_cast<BYTE>(ArgbG(pixel)),
                      static_cast<BYTE>(ArgbB(pixel)));
        return true;
    }
    dwTransmit = pixel;
    cImage image;
    if (LoadImageFile(PicturePath(szFile), image) && image.bitCount == 8) {
        std::uint32_t c = image.palette[0];
        lpDTCon->rgbKey_16 = {static_cast<BYTE>(c & 255), static_cast<BYTE>((c >> 8) & 255),
                              static_cast<BYTE>((c >> 16) & 255)};
    }
    const int* m = SurfaceFormatMasks;
    DDSetTransmit(static_cast<BYTE>((pixel >> m[kRedShift]) & m[kRedMax]),
                  static_cast<BYTE>((pixel >> m[kGreenShift]) & m[kGreenMax]),
                  static_cast<BYTE>((pixel >> m[kBlueShift]) & m[kBlueMax]));
    ErrorLogPrintf("SetTrans(filename) lpDTCon->wTransmit_16 = (%x)", lpDTCon->wTransmit_16);
    return true;
}

void DDSetTransmit(BYTE cbRed, BYTE cbGreen, BYTE cbBlue) {
    const int* m = SurfaceFormatMasks;
    if (lpDTCon) {
        lpDTCon->rgbTransmit = {cbBlue, cbGreen, cbRed};
        ErrorLogPrintf("SetTrans lpDTCon->rgbTransmit.rgbtRed = %d,lpDTCon->rgbTransmit.rgbtGreen = "
                       "%d,lpDTCon->rgbTransmit.rgbtBlue = %d",
                       cbRed, cbGreen, cbBlue);
        lpDTCon->dwTransmit_32 = 0;
        lpDTCon->dwKeyColor =
            0xFF000000u | (static_cast<DWORD>(cbRed) << 16) | (static_cast<DWORD>(cbGreen) << 8) | cbBlue;
        lpDTCon->wTransmit_16 = 0;
        if (nBpp == 16) {
            lpDTCon->wKeyColor_16 = static_cast<WORD>(
                ((cbRed & m[kRedMax]) << m[kRedShift]) | ((cbGreen & m[kGreenMax]) << m[kGreenShift]) |
                ((cbBlue & m[kBlueMax]) << m[kBlueShift]) | (1 << m[kAlphaShift]));
        } else {
            lpDTCon->wKeyColor_16 = 0;
            dwTransmit = lpDTCon->dwTransmit_32;
        }
        return;
    }
    if (nBpp == 16) {
        const int r = cbRed * m[kRedMax] / 255, g = cbGreen * m[kGreenMax] / 255,
                  b = cbBlue * m[kBlueMax] / 255;
        dwTransmit = static_cast<DWORD>((r << m[kRedShift]) | (g << m[kGreenShift]) | (b << m[kBlueShift]));
        auto widen = [](int c, int max) { return max ? c * 255 / max : 0; };
        ErrorLogPrintf("Tr %d RGB32(%d,%d,%d) -> RGB16(%d,%d,%d)", dwTransmit, cbRed, cbGreen, cbBlue,
                       widen(r, m[kRedMax]), widen(g, m[kGreenMax]), widen(b, m[kBlueMax]));
    } else if (nBpp == 32) {
        dwTransmit = (static_cast<DWORD>(cbRed) << 16) | (static_cast<DWORD>(cbGreen) << 8) | cbBlue;
        if (lpDDCon) lpDDCon->rgbTransmit = {cbBlue, cbGreen, cbRed};
    }
}

bool DDLoadPaletteFromFile(PALETTEENTRY* lpPalette, const char* szFile) {
    if (!lpPalette) return false;
    // The picture's own colour table is used at 8 bits and in Direct3D; the
    // DirectDraw true-colour modes take only its pixels, loaded below.
    if (nBpp == 8 || lpDTCon) {
        cImage image;
        if (!LoadImageFile(PicturePath(szFile), image)) return false;
        if (image.bitCount == 8) {
            for (int i = 0; i < 256; ++i) {
                const std::uint32_t c = image.palette[i];
                BYTE flags = 255;
                if (!lpDTCon) flags = (i < 10 || i >= 246) ? PC_EXPLICIT : PC_RESERVED;
                lpPalette[i] = {static_cast<BYTE>((c >> 16) & 255), static_cast<BYTE>((c >> 8) & 255),
                                static_cast<BYTE>(c & 255), flags};
            }
        }
    }
    if (nBpp != 8) {
        // The true-colour modes take their colours from the picture's pixels.
        DDSURFACEDATA tmp;
        const bool loaded = LoadTemporary(szFile, &tmp);
        if (loaded) DDSetPalette_UnPal(lpPalette, &tmp);
        DDReleaseSurface(&tmp);
        return loaded;
    }
    if (!lpDTCon && lpDDPalette) lpDDPalette->SetEntries(0, 0, 256, lpPalette);
    return true;
}
