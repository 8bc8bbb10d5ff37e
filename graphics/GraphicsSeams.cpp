// What the graphics layer lends the rest of the program once it has started:
// the links between system surfaces, the drawing of shown pictures, and the
// frame pacing and timing text of the presentation.
#include "graphics/GraphicsInternal.h"

#include "foundation/Timing.h"
#include "records/EffectPictureState.h"

namespace {

void SetSystemSurfaceAlias(int index, int target) {
    if (!lpSystemSD || index < 0 || target < 0 || index >= nSDCount || target >= nSDCount) return;
    lpSystemSD[index].lpAlias = &lpSystemSD[target];
}

void SurfaceSize(DDSURFACEDATA* sd, std::int32_t& w, std::int32_t& h) {
    w = sd ? sd->nWidth : 0;
    h = sd ? sd->nHeight : 0;
}

void PictureBltFast(DDSURFACEDATA* dst, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                    DDSURFACEDATA* src, std::int32_t sx, std::int32_t sy) {
    DDBltFast(dst, x, y, w, h, src, sx, sy, 1);
}

void PictureBltStretch(DDSURFACEDATA* dst, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                       DDSURFACEDATA* src, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                       std::int32_t sh) {
    DDBltStretch(dst, x, y, w, h, src, sx, sy, sw, sh, 1);
}

} // namespace

void RemoveGraphicsSeams() {
    pfnSetSystemSurfaceAlias = nullptr;
    PictureDraw.GetSurfaceSize = nullptr;
    PictureDraw.BltFast = nullptr;
    PictureDraw.BltStretch = nullptr;
    SetPresentationPacingQuery(nullptr);
    SetTimingTextDrawer(nullptr);
}

void InstallGraphicsSeams() {
    pfnSetSystemSurfaceAlias = SetSystemSurfaceAlias;
    PictureDraw.GetSurfaceSize = SurfaceSize;
    PictureDraw.BltFast = PictureBltFast;
    PictureDraw.BltStretch = PictureBltStretch;
    // Only a Direct3D presentation without the vertical-blank wait paces itself.
    SetPresentationPacingQuery([] { return lpDTCon != nullptr && nVSync == 0; });
    SetTimingTextDrawer([](const void* font, int x, int y, const std::string& text) {
        DDDrawBitmapText(&BackBuffer, x, y, 8, 16, static_cast<DDSURFACEDATA*>(const_cast<void*>(font)),
                         text.c_str());
    });
}
