// The HP and SP bars above a character: 50 x 2 pixels from the gauge sheet,
// the filled part in its warning colour when low, and the change just made
// shrinking away over its last second.
#include "engine/Chara.h"

#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "project/SystemData.h"

#include <algorithm>

namespace {

constexpr int kBarWidth = 50;
constexpr int kGaugeSheet = 49; // the system picture of the HP and SP bars

} // namespace

void cChara::DrawHpGauge(DDSURFACEDATA* target) {
    DrawGauge(target, HpGauge, 0);
}
void cChara::DrawSpGauge(DDSURFACEDATA* target) {
    DrawGauge(target, SpGauge, 1);
}

void cChara::DrawGauge(DDSURFACEDATA* target, cCharaGauge& gauge, int kind) {
    if (gauge.nFrames < 1 || bDying) return;
    DDSURFACEDATA* sheet = &SystemSD[kGaugeSheet];
    const bool tall = sheet->nHeight >= 209;
    const int top = tall ? 208 : 128, pitch = tall ? 2 : 16;
    const int sx = kind == 0 ? 0 : 64;
    const int x = nScrLeft + nScrWidth / 2 - kBarWidth / 2;
    const int y = nScrTop - (kind == 0 ? 3 : 7);
    const std::int32_t value = kind == 0 ? hp : sp, max = kind == 0 ? Def.mhp : Def.msp;
    const int filled = std::clamp(gauge.nWidth, 0, kBarWidth);
    DDBltFast(target, x, y, kBarWidth, 2, sheet, sx, top, 1);
    const int fillRow = IsGaugeLow(kind == 0 ? 2 : 3, value, max) ? 2 : 1;
    if (filled > 0) DDBltFast(target, x, y, filled, 2, sheet, sx, top + pitch * fillRow, 1);
    if (gauge.dChange >= 0) {
        const int w = std::min(static_cast<int>(gauge.dChange), filled);
        if (w > 0) DDBltFast(target, x + filled - w, y, w, 2, sheet, sx + filled - w, top + pitch * 4, 1);
    } else {
        const int w = std::min(static_cast<int>(-gauge.dChange), kBarWidth - filled);
        if (w > 0) DDBltFast(target, x + filled, y, w, 2, sheet, sx + filled, top + pitch * 3, 1);
    }
    if (--gauge.nFrames >= 60)
        gauge.dChange -= gauge.dStep;
    else
        gauge.dChange = 0;
}
