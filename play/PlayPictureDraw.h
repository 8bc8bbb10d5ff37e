// The drawing of shown pictures as stage play answers it: the centre of a
// character by its id, the scroll position and the map's cell origin come
// from the engine's scene; surface sizes and blits are handed on to the
// drawing layer's half.
#pragma once

#include "records/PictureDraw.h"

class cPlayPictureDraw : public cPictureDraw {
public:
    explicit cPlayPictureDraw(cPictureDraw& surfaces) : surfaces_(surfaces) {}

    bool FindCharaCentre(std::int32_t id, double& x, double& y) override;
    void GetScroll(double& x, double& y) override;
    void GetMapOrigin(std::int32_t& x, std::int32_t& y) override;
    void GetSurfaceSize(DDSURFACEDATA* surface, std::int32_t& w, std::int32_t& h) override {
        surfaces_.GetSurfaceSize(surface, w, h);
    }
    void BltFast(DDSURFACEDATA* dst, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                 DDSURFACEDATA* src, std::int32_t sx, std::int32_t sy) override {
        surfaces_.BltFast(dst, x, y, w, h, src, sx, sy);
    }
    void BltStretch(DDSURFACEDATA* dst, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                    DDSURFACEDATA* src, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                    std::int32_t sh) override {
        surfaces_.BltStretch(dst, x, y, w, h, src, sx, sy, sw, sh);
    }

private:
    cPictureDraw& surfaces_;
};
