// Effect objects of stage play: a hit spark where an attack meets a character
// and the effects the run-effect command places, each a short animation of an
// Effect record drawn until it ends.
#pragma once

#include "foundation/Rect.h"
#include "graphics/AnimeState.h"

#include <cstdint>

struct DDSURFACEDATA;
struct cEffectPlacement;

struct cEffectObj {
    std::int16_t sEffect = 0;
    double dX = 0, dY = 0; // top-left on the stage
    std::int32_t nWidth = 0, nHeight = 0;
    std::int32_t bScaled = 0;
    cAnimeState Anime;
    std::int32_t bAnimateWhileHeld = 0;
};

// A spark centred where rectangles a and b overlap, or between their nearest
// edges when they do not meet, with a random offset of up to 4 x `multiplier`.
// The record may scale the spark by the multiplier.
void StartHitEffect(cEffectObj& e, std::int32_t effect, const cRectD& a, const cRectD& b,
                    std::int32_t multiplier);
// The run-effect command's effect.
void SetupEffectAt(cEffectObj& e, const cEffectPlacement& placement);
// One frame: steps the animation unless held and drawn while held;
// 1 when the effect has ended (or has no frames).
int StepEffect(cEffectObj& e, bool held, std::int32_t& cell);
// One frame drawn at the view: 1 when the effect is to be erased.
int DrawEffect(cEffectObj& e, DDSURFACEDATA* target, bool held, double scrollX, double scrollY);
