// A picture shown by the show-picture command: where it stands, how big it is
// drawn and how long it stays.
#pragma once

#include <cstdint>

struct DDSURFACEDATA; // a surface of the graphics layer

// Placement modes and time modes of a shown picture.
enum : std::int32_t {
    PICTURE_SCREEN_CENTRE = 0,
    PICTURE_CHARA_CENTRE = 1,
    PICTURE_HERO_CENTRE = 2,
    PICTURE_SCREEN_POS = 3,
    PICTURE_STAGE_POS = 4,
};
enum : std::int32_t { PICTURE_UNTIL_KEY = 0, PICTURE_UNTIL_STAGE_END = 1, PICTURE_TIMED = 2 };

class cPictureState {
public:
    std::uint16_t wPictureId = 0;
    std::int32_t nPlace = 0;
    std::int32_t nCellX = 0, nCellY = 0;     // map cell for the screen and stage positions
    std::int32_t nOffsetX = 0, nOffsetY = 0; // pixels added to the position
    std::int32_t nWidth = 0, nHeight = 0;    // after scaling
    std::int32_t bScaled = 0;
    std::int32_t nLayer = 0;
    std::int32_t nTimeMode = 0;
    std::int32_t nCharaId = 0;
    std::int32_t nTimer = 0; // timed mode: further draws before the picture ends
    std::int32_t bCountWhileHeld = 0;
    std::int32_t bFixedOnScreen = 0;
    std::int32_t bLatched = 0, nLatchX = 0, nLatchY = 0;
    std::int32_t nCallerValue[2] = {};
    double dCharaX = 0, dCharaY = 0; // last known centre of the followed character

    void Setup(std::uint16_t pictureId, std::int32_t place, std::int32_t cellX, std::int32_t cellY,
               std::int32_t offsetX, std::int32_t offsetY, std::int32_t width, std::int32_t height,
               std::int32_t fixedOnScreen, std::int32_t layer, std::int32_t scale, std::int32_t timeMode,
               std::int32_t timer, std::int32_t countWhileHeld, std::int32_t charaId, std::int32_t callerA,
               std::int32_t callerB);
    // 1 when the picture's time is over (nothing drawn), else 0.
    int Draw(DDSURFACEDATA* target, DDSURFACEDATA* picture, std::int32_t hold);

private:
    bool Position(std::int32_t& x, std::int32_t& y);
};

// width * scale / 100, rounded half away from zero.
std::int32_t ScaleSize(std::int32_t size, std::int32_t scale);
