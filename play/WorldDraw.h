// The drawing steps of a world frame that are not objects: backgrounds with
// their parallax and auto-scroll, the two map layers, the shown pictures, the
// status bar, the countdown and the screen-colour change.
#pragma once

#include "foundation/Containers.h"
#include "records/EffectPictureState.h"

#include <cstdint>

struct DDSURFACEDATA;
struct BMPFILEDATA;
class cEdBackground;
struct cBlock;

// The picture of background layer i (system picture 55 + i); at most 8 are used.
constexpr int kBackgroundPictureFirst = 55;
constexpr int kBackgroundCount = 8;

// Advances the auto-scroll offsets of the stage's backgrounds (not in the pause menu).
void StepBackgrounds(cVector<cEdBackground>& backgrounds, bool paused);
// The source offset of a background picture on one axis, within [0, size):
// the parallax of the scroll position or the auto-scroll offset; 0 for a
// picture of size 0.
std::int32_t BackgroundOffset(const cEdBackground& bg, bool vertical, double scroll, std::int32_t margin,
                              std::int32_t size);
void DrawBackgrounds(DDSURFACEDATA* target, const cVector<cEdBackground>& backgrounds, int layer);

// One map cell at (x, y), with its mark over it.
void DrawBlock(const cBlock& block, DDSURFACEDATA* target, int x, int y);
// The cells of one layer that the view shows.
void DrawMapLayer(DDSURFACEDATA* target, int layer);

// The shown pictures of a layer; a picture whose time is up leaves the list
// with its surface (`surfaces` and `records` run parallel to the list), after
// the walk. Without `removeEnded` it stays (it is no longer drawn) until a
// later drawing may change the lists.
void DrawPictures(DDSURFACEDATA* target, int layer, int hold, cList<cPictureState>& pictures,
                  cList<DDSURFACEDATA>& surfaces, cList<BMPFILEDATA>& records, bool removeEnded = true);

// The status bar along the top edge.
void DrawStatusBar(DDSURFACEDATA* target);
// The stage time in three digits; warns by sound while it runs low.
void DrawCountdown(DDSURFACEDATA* target, int sound);

// The screen-colour change that the command "画面の色を変更" starts.
struct cScreenColor {
    std::int32_t bActive = 0;
    std::int32_t bApplied = 0; // a change has been applied since the stage began
    std::uint8_t rgb[3] = {};
    std::int32_t nStrength = 0; // percent, 0..100
    std::int32_t bFade = 0;
    std::int32_t nTime = 0; // frames
    std::int32_t nMode = 0;
    std::int32_t nRepeat = 0;
    std::int32_t nCounter = 0;
    std::int32_t nRepeatCounter = 0;
    std::int32_t nIntensity = 255; // share of the unchanged picture, 0..255
    std::uint8_t prevRgb[3] = {};
    std::int32_t nPrevStrength = 0;
    std::int32_t nPrevIntensity = 255;
};
// Starts a change: red, green, blue, strength, fade flag, time (tenths), mode, repeat count.
void SetScreenColor(cScreenColor& state, const std::int32_t (&params)[8], bool direct3D);
// The intensity of this frame, then the counters stepped when `count`; false
// when the change has ended (nothing to draw).
bool StepScreenColor(cScreenColor& state, bool count, bool direct3D, std::int32_t& intensity,
                     const std::uint8_t*& rgb);
// Applies the change to the back buffer (Direct3D) or to the palette (8-bit);
// with `hold` set it draws without counting time.
void DrawScreenColor(cScreenColor& state, DDSURFACEDATA* target, int hold);
