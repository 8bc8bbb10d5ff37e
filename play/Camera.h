// The view over the stage: one scroll axis per direction (cScroll of the
// engine's scene state), kept inside limits that the map size and the stage's
// scroll-limit settings give, moved by the automatic scrolling once per
// sub-step or centred on the hero.
//
// The map is framed by a margin of 10 empty blocks on every side, so map
// pixel (0, 0) is stage pixel (320, 320).
#pragma once

#include <cstdint>

struct cScroll;
struct cSceneState;
class cStage;
class cChara;

constexpr std::int32_t kMapMargin = 10; // blocks on each side of the map
constexpr std::int32_t kMarginPixels = kMapMargin * 32;

// Keeps the position inside the limits: 1 when it was below the lower limit
// or reached the far end, else 0.
int ClampScroll(cScroll& axis);
// position += auto speed, then the clamp.
void StepScroll(cScroll& axis);
// On: auto speed = speed x 0.1 / the stage's sub-step factor; off: stopped.
void SetAutoScroll(cScroll& axis, std::int32_t on, std::int32_t speedValue);
// Limits from block numbers of the map (first, last), each used only when its
// switch is on; else the map's playable start and end. An upper limit below
// the lower one becomes the lower one.
void SetScrollLimits(cScroll& axis, std::int32_t first, std::int32_t last, std::int32_t useFirst,
                     std::int32_t useLast);

// The bit length of a value (0 for 0): the row shift of a map of width w is
// BitLength(w + 19).
std::int32_t BitLength(std::int32_t value);

// Lays out both axes, the map geometry and the stage bounds for the stage.
void SetUpScrollAxes(cSceneState& scene, const cStage& stage);
// Centres the view on the character (the start of a stage).
void CentreScrollOn(cSceneState& scene, const cChara& hero);
