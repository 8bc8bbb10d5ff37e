#include "graphics/GraphicsSeams.h"

#include "graphics/GraphicsInternal.h"
#include "platform/Direct3D.h"
#include "platform/DirectDraw.h"

#include <algorithm>

namespace {

class cLayerSurfaceAliasing : public cSurfaceAliasing {
public:
    void SetAlias(int index, int target) override {
        if (!lpSystemSD || index < 0 || target < 0 || index >= nSDCount || target >= nSDCount) return;
        lpSystemSD[index].lpAlias = &lpSystemSD[target];
    }
};

class cLayerPictureDraw : public cNullPictureDraw {
public:
    void GetSurfaceSize(DDSURFACEDATA* sd, std::int32_t& w, std::int32_t& h) override {
        w = sd && bDDObjectsExist ? sd->nWidth : 0;
        h = sd && bDDObjectsExist ? sd->nHeight : 0;
    }
    void BltFast(DDSURFACEDATA* dst, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                 DDSURFACEDATA* src, std::int32_t sx, std::int32_t sy) override {
        if (bDDObjectsExist) DDBltFast(dst, x, y, w, h, src, sx, sy, 1);
    }
    void BltStretch(DDSURFACEDATA* dst, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                    DDSURFACEDATA* src, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                    std::int32_t sh) override {
        if (bDDObjectsExist) DDBltStretch(dst, x, y, w, h, src, sx, sy, sw, sh, 1);
    }
};

class cLayerPresentationTiming : public cPresentationTiming {
public:
    // Only a Direct3D presentation without the vertical-blank wait paces itself.
    bool PacedByGrid() override { return !bDDObjectsExist || (lpDTCon != nullptr && nVSync == 0); }
    void DrawTimingText(const void* font, int x, int y, const std::string& text) override {
        if (!bDDObjectsExist) return;
        DDDrawBitmapText(&BackBuffer, x, y, 8, 16, static_cast<DDSURFACEDATA*>(const_cast<void*>(font)),
                         text.c_str());
    }
};

// The display as the layer runs it: the mode and depth it was started with,
// and, while it has a DirectDraw object, the video memory left for surfaces
// and the refresh rate.
class cLayerDisplayFacts : public cNullDisplayFactsSource {
public:
    DisplayFacts Facts(bool verbose) override {
        DisplayFacts f = cNullDisplayFactsSource::Facts(verbose);
        f.ddiVersion = Direct3DDriverVersion();
        if (!bDDObjectsExist) return f;
        f.windowMode = bWindowMode != 0;
        f.bpp = DDScreenBpp();
        if (lpDD) {
            f.hasVideoMemory = true;
            const std::int64_t total = DirectDrawSettings().videoMemoryBytes;
            f.vramTotal = static_cast<std::uint64_t>(std::max<std::int64_t>(total, 0));
            f.vramFree =
                static_cast<std::uint64_t>(std::max<std::int64_t>(total - lpDD->VideoMemoryUsed(), 0));
            DWORD hz = 0;
            if (lpDD->GetMonitorFrequency(&hz) == DD_OK) f.refreshRate = hz;
        }
        return f;
    }
};

} // namespace

cSurfaceAliasing& GraphicsSurfaceAliasing() {
    static cLayerSurfaceAliasing aliasing;
    return aliasing;
}

cPictureDraw& GraphicsPictureDraw() {
    static cLayerPictureDraw draw;
    return draw;
}

cPresentationTiming& GraphicsPresentationTiming() {
    static cLayerPresentationTiming timing;
    return timing;
}

cDisplayFactsSource& GraphicsDisplayFacts() {
    static cLayerDisplayFacts facts;
    return facts;
}
