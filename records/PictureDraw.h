// What drawing a shown picture needs from the play scene and the graphics
// layer. The null version finds no character, has scroll and map origin 0,
// sizes every surface 0 x 0 and draws nothing.
#pragma once

#include "platform/Seam.h"

#include <cstdint>

struct DDSURFACEDATA; // a surface of the graphics layer

class cPictureDraw {
public:
    virtual ~cPictureDraw() = default;
    virtual bool FindCharaCentre(std::int32_t id, double& x, double& y) = 0;
    virtual void GetScroll(double& x, double& y) = 0;
    virtual void GetMapOrigin(std::int32_t& x, std::int32_t& y) = 0;
    virtual void GetSurfaceSize(DDSURFACEDATA* surface, std::int32_t& w, std::int32_t& h) = 0;
    // Transparent blits: 1:1, and stretched from (sx, sy, sw, sh).
    virtual void BltFast(DDSURFACEDATA* dst, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                         DDSURFACEDATA* src, std::int32_t sx, std::int32_t sy) = 0;
    virtual void BltStretch(DDSURFACEDATA* dst, std::int32_t x, std::int32_t y, std::int32_t w,
                            std::int32_t h, DDSURFACEDATA* src, std::int32_t sx, std::int32_t sy,
                            std::int32_t sw, std::int32_t sh) = 0;
};

class cNullPictureDraw : public cPictureDraw {
public:
    bool FindCharaCentre(std::int32_t, double&, double&) override { return false; }
    void GetScroll(double& x, double& y) override { x = y = 0; }
    void GetMapOrigin(std::int32_t& x, std::int32_t& y) override { x = y = 0; }
    void GetSurfaceSize(DDSURFACEDATA*, std::int32_t& w, std::int32_t& h) override { w = h = 0; }
    void BltFast(DDSURFACEDATA*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, DDSURFACEDATA*,
                 std::int32_t, std::int32_t) override {}
    void BltStretch(DDSURFACEDATA*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, DDSURFACEDATA*,
                    std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
};

cPictureDraw& PictureDraw();
void SetPictureDraw(cPictureDraw* draw);
using cScopedPictureDraw = cScopedSeam<cPictureDraw, PictureDraw, SetPictureDraw>;
