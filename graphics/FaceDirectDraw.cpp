// The DirectDraw face: clipped blits and colour fills on DirectDraw surfaces,
// surface locks, the end of a frame and the recovery of lost surfaces.
#include "graphics/DrawFace.h"
#include "graphics/Font.h"
#include "graphics/GraphicsInternal.h"

#include "foundation/ErrorLog.h"

namespace {

bool LoadedFromFile(const DDSURFACEDATA& sd) {
    return sd.szFile[0] != '\0' && !(sd.szFile[0] == 'E' && sd.szFile[1] == '\0');
}

class cDirectDrawFace final : public cDrawFace {
public:
    HRESULT BltStretch(DDSURFACEDATA* dstSD, int x, int y, int w, int h, DDSURFACEDATA* srcSD, int sx, int sy,
                       int sw, int sh, DWORD flags) override {
        cDirectDrawSurface* dst = DDSurfaceOf(dstSD);
        cDirectDrawSurface* src = DDSurfaceOf(srcSD);
        if (!dst || !src) return DDERR_INVALIDPARAMS;
        if (!DDClipBlt(dstSD, &x, &y, &w, &h, srcSD, &sx, &sy, &sw, &sh)) return 0;
        RECT d{x, y, x + w, y + h};
        RECT s{sx, sy, sx + sw, sy + sh};
        return dst->Blt(&d, src, &s, DDBLT_WAIT | ((flags & 1) ? DDBLT_KEYSRC : 0), nullptr);
    }

    HRESULT BltFast(DDSURFACEDATA* dstSD, int x, int y, int w, int h, DDSURFACEDATA* srcSD, int sx, int sy,
                    DWORD flags) override {
        cDirectDrawSurface* dst = DDSurfaceOf(dstSD);
        cDirectDrawSurface* src = DDSurfaceOf(srcSD);
        if (!dst || !src) return DDERR_INVALIDPARAMS;
        int sw = w, sh = h;
        if (!DDClipBlt(dstSD, &x, &y, &w, &h, srcSD, &sx, &sy, &sw, &sh)) return 0;
        RECT r{sx, sy, sx + sw, sy + sh};
        return dst->BltFast(static_cast<DWORD>(x), static_cast<DWORD>(y), src, &r, flags | DDBLTFAST_WAIT);
    }

    void FillRect(DDSURFACEDATA* sd, int x, int y, int w, int h, DWORD value) override {
        cDirectDrawSurface* s = DDSurfaceOf(sd);
        if (!s || !ClipToRecord(sd, x, y, w, h)) return;
        RECT r{x, y, x + w, y + h};
        DDBLTFX fx{sizeof(DDBLTFX), value};
        s->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    }

    bool LockPixels(DDSURFACEDATA* sd, cPixelLock& lock) override {
        lock = {};
        cDirectDrawSurface* s = DDSurfaceOf(sd);
        DDSURFACEDESC2 desc{};
        if (!s || FAILED(s->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) return false;
        lock.ddSurface = s;
        lock.pixels = &s->Pixels();
        return true;
    }

    void UnlockPixels(DDSURFACEDATA*, cPixelLock& lock, bool) override {
        if (lock.ddSurface) lock.ddSurface->Unlock(nullptr);
        lock = {};
    }

    void ShowBackBuffer(bool waitVBlank, bool flip) override {
        cDirectDrawSurface* primary = DDSurfaceOf(&PrimarySD);
        cDirectDrawSurface* back = DDSurfaceOf(&BackBuffer);
        if (!lpDD || !primary || !back) return;
        if (bWindowMode) {
            if (waitVBlank) lpDD->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN);
            primary->Blt(&rcWindowScreen, back, nullptr, DDBLT_WAIT, nullptr);
        } else if (flip) {
            primary->Flip(nullptr, DDFLIP_WAIT);
        } else {
            DDBltFast(&PrimarySD, 0, 0, nScreenWidth, nScreenHeight, &BackBuffer, 0, 0, 0);
        }
    }

    bool ScreenLost() override {
        cDirectDrawSurface* primary = DDSurfaceOf(&PrimarySD);
        return primary && primary->IsLost() == DDERR_SURFACELOST;
    }

    int Restore() override {
        if (!ScreenLost()) return 1;
        DDSurfaceOf(&PrimarySD)->Restore();
        if (cDirectDrawSurface* back = DDSurfaceOf(&BackBuffer); back && back->IsLost() == DDERR_SURFACELOST)
            back->Restore();
        if (lpSystemSD) {
            for (int i = 0; i < nSDCount; ++i) {
                DDSURFACEDATA& sd = lpSystemSD[i];
                cDirectDrawSurface* s = DDSurfaceOf(&sd);
                if (!s || s->IsLost() != DDERR_SURFACELOST) continue;
                s->Restore();
                if (sd.nMemType == 1) continue; // system memory keeps its picture
                if (LoadedFromFile(sd))
                    DDReloadSurface(&sd, nBpp);
                else
                    sd.bLost = 1; // its owner draws it again
            }
        }
        if (nBpp == 8 && lpDDPalette) lpDDPalette->SetEntries(0, 0, 256, BasePalette);
        for (cFont* font : FontList) font->RestoreCaches();
        return 1;
    }
};

} // namespace

cDrawFace& DirectDrawFace() {
    static cDirectDrawFace face;
    return face;
}

bool RestoreOneSurface(DDSURFACEDATA& sd) {
    cDirectDrawSurface* s = DDSurfaceOf(&sd);
    if (!s || s->IsLost() != DDERR_SURFACELOST) return true;
    if (FAILED(s->Restore())) return false;
    if (!LoadedFromFile(sd)) return true;
    sd.bLost = 1;
    return DDReloadSurface(&sd, nBpp);
}
