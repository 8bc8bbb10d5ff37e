#include "records/EffectPictureState.h"

#include "foundation/Truncate.h"
#include "records/PictureDraw.h"

#include <cmath>
#include <cstdint>

namespace {

void Scroll(double& x, double& y) {
    x = y = 0;
    PictureDraw().GetScroll(x, y);
}

} // namespace

std::int32_t ScaleSize(std::int32_t size, std::int32_t scale) {
    double v = static_cast<double>(static_cast<std::int64_t>(size) * scale) * 0.01;
    return Trunc32(v < 0 ? v - 0.5 : v + 0.5);
}

void cPictureState::Setup(std::uint16_t pictureId, std::int32_t place, std::int32_t cellX, std::int32_t cellY,
                          std::int32_t offsetX, std::int32_t offsetY, std::int32_t width, std::int32_t height,
                          std::int32_t fixedOnScreen, std::int32_t layer, std::int32_t scale,
                          std::int32_t timeMode, std::int32_t timer, std::int32_t countWhileHeld,
                          std::int32_t charaId, std::int32_t callerA, std::int32_t callerB) {
    wPictureId = pictureId;
    nPlace = place;
    nCellX = cellX;
    nCellY = cellY;
    nOffsetX = offsetX;
    nOffsetY = offsetY;
    nWidth = ScaleSize(width, scale);
    nHeight = ScaleSize(height, scale);
    bScaled = scale != 100;
    bFixedOnScreen = fixedOnScreen;
    nLayer = layer;
    nTimeMode = timeMode;
    nTimer = timer;
    bCountWhileHeld = countWhileHeld;
    nCharaId = charaId;
    nCallerValue[0] = callerA;
    nCallerValue[1] = callerB;
    bLatched = 0;
}

// The position of the picture's top-left on the screen before anchoring; false
// for a placement mode that has none (such a picture is not drawn).
bool cPictureState::Position(std::int32_t& x, std::int32_t& y) {
    double sx, sy;
    switch (nPlace) {
    case PICTURE_SCREEN_CENTRE:
        x = nOffsetX - (nWidth >> 1) + 320;
        y = nOffsetY - (nHeight >> 1) + 240;
        return true;
    case PICTURE_CHARA_CENTRE:
    case PICTURE_HERO_CENTRE: {
        double cx, cy;
        if (PictureDraw().FindCharaCentre(nCharaId, cx, cy)) {
            dCharaX = cx;
            dCharaY = cy;
        }
        Scroll(sx, sy);
        x = Trunc32(dCharaX - (nWidth >> 1) - std::trunc(sx)) + nOffsetX;
        y = Trunc32(dCharaY - (nHeight >> 1) - std::trunc(sy)) + nOffsetY;
        return true;
    }
    case PICTURE_SCREEN_POS:
        x = nCellX * 32 + nOffsetX;
        y = nCellY * 32 + nOffsetY;
        return true;
    case PICTURE_STAGE_POS: {
        std::int32_t ox = 0, oy = 0;
        PictureDraw().GetMapOrigin(ox, oy);
        Scroll(sx, sy);
        x = Trunc32((static_cast<double>(ox) + nCellX) * 32 + nOffsetX - sx);
        y = Trunc32((static_cast<double>(oy) + nCellY) * 32 + nOffsetY - sy);
        return true;
    }
    default:
        return false;
    }
}

int cPictureState::Draw(DDSURFACEDATA* target, DDSURFACEDATA* picture, std::int32_t hold) {
    if (nTimeMode == PICTURE_TIMED && (bCountWhileHeld || hold == 0)) {
        if (--nTimer < 0) return 1;
    }
    std::int32_t x = 0, y = 0;
    if (!Position(x, y)) return 0;

    bool screenAnchored = nPlace == PICTURE_SCREEN_CENTRE || nPlace == PICTURE_SCREEN_POS;
    if (screenAnchored && !bFixedOnScreen) {
        // Stays where it first appeared in the world.
        double sx, sy;
        Scroll(sx, sy);
        if (!bLatched) {
            nLatchX = Trunc32(sx + 0.5 + x);
            nLatchY = Trunc32(sy + 0.5 + y);
            bLatched = 1;
        } else {
            x = Trunc32(nLatchX - (sx - 0.5));
            y = Trunc32(nLatchY - (sy - 0.5));
        }
    } else if (!screenAnchored && bFixedOnScreen) {
        // Stays where it first appeared on the screen.
        if (!bLatched) {
            nLatchX = x;
            nLatchY = y;
            bLatched = 1;
        } else {
            x = nLatchX;
            y = nLatchY;
        }
    }

    if (!bScaled) {
        PictureDraw().BltFast(target, x, y, nWidth, nHeight, picture, 0, 0);
    } else {
        std::int32_t pw = 0, ph = 0;
        PictureDraw().GetSurfaceSize(picture, pw, ph);
        PictureDraw().BltStretch(target, x, y, nWidth, nHeight, picture, 0, 0, pw, ph);
    }
    return 0;
}
