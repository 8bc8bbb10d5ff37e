#include "play/WorldDraw.h"

#include "engine/EngineScene.h"
#include "engine/GraphicSource.h"
#include "engine/HeroChara.h"
#include "foundation/ErrorLog.h"
#include "foundation/Timing.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "play/BlockGrid.h"
#include "project/PlayData.h"
#include "project/Stage.h"
#include "project/SystemData.h"
#include "records/EdBackground.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int kScreenW = 640, kScreenH = 480;
constexpr int kMaxTiles = 1000;
constexpr int kMarkPicture = 43;
constexpr int kStatusWindowPicture = 46;
constexpr int kAccessoryPicture = 49;
constexpr int kWordPicture = 51;

std::int64_t Trunc64(double v) {
    if (!(v > -9e18 && v < 9e18)) return 0;
    return static_cast<std::int64_t>(std::trunc(v));
}

// A value brought into [0, size); 0 for an empty size.
std::int32_t Wrap(std::int64_t v, std::int32_t size) {
    if (size <= 0) return 0;
    std::int64_t r = v % size;
    if (r < 0) r += size;
    return static_cast<std::int32_t>(r);
}

DDSURFACEDATA* BackgroundPicture(std::size_t i) {
    return SystemSurface(kBackgroundPictureFirst + static_cast<int>(i));
}

} // namespace

void StepBackgrounds(cVector<cEdBackground>& backgrounds, bool paused) {
    if (paused) return;
    for (std::size_t i = 0; i < backgrounds.size() && i < kBackgroundCount; ++i) {
        cEdBackground& bg = backgrounds[i];
        const DDSURFACEDATA* pic = BackgroundPicture(i);
        const double w = pic ? pic->nWidth : 0, h = pic ? pic->nHeight : 0;
        // Brought back into the picture once per step; an empty picture keeps 0.
        if (bg.AutoScrollX) {
            bg.AutoOffsetX -= bg.SpeedX;
            if (w <= 0)
                bg.AutoOffsetX = 0;
            else if (bg.AutoOffsetX < 0)
                bg.AutoOffsetX += w;
            else if (bg.AutoOffsetX >= w)
                bg.AutoOffsetX -= w;
        }
        if (bg.AutoScrollY) {
            bg.AutoOffsetY -= bg.SpeedY;
            if (h <= 0)
                bg.AutoOffsetY = 0;
            else if (bg.AutoOffsetY < 0)
                bg.AutoOffsetY += h;
            else if (bg.AutoOffsetY >= h)
                bg.AutoOffsetY -= h;
        }
    }
}

std::int32_t BackgroundOffset(const cEdBackground& bg, bool vertical, double scroll, std::int32_t margin,
                              std::int32_t size) {
    const bool autoScroll = vertical ? bg.AutoScrollY != 0 : bg.AutoScrollX != 0;
    const double offset = vertical ? bg.AutoOffsetY : bg.AutoOffsetX;
    const double speed = vertical ? bg.SpeedY : bg.SpeedX;
    std::int64_t v;
    if (autoScroll)
        v = Trunc64(offset + scroll) - static_cast<std::int64_t>(margin) * 32;
    else
        v = Trunc64(static_cast<double>((vertical ? Trunc64(scroll) : Trunc64(scroll + 0.5)) -
                                        static_cast<std::int64_t>(margin) * 32) *
                    speed);
    return Wrap(v, size);
}

void DrawBackgrounds(DDSURFACEDATA* target, const cVector<cEdBackground>& backgrounds, int layer) {
    const cSceneState& s = Scene();
    bool first = layer == 0;
    for (std::size_t i = 0; i < backgrounds.size() && i < kBackgroundCount; ++i) {
        const cEdBackground& bg = backgrounds[i];
        if (!bg.Enabled || bg.Layer != layer) continue;
        if (bg.Fill) {
            DDFillRectPal(target, 0, 0, kScreenW, kScreenH, bg.FillColor);
            first = false;
            continue;
        }
        DDSURFACEDATA* pic = BackgroundPicture(i);
        if (!pic || pic->nWidth <= 0 || pic->nHeight <= 0) continue;
        const int w = pic->nWidth, h = pic->nHeight;
        const int ox = BackgroundOffset(bg, false, s.ScrollX.dPos, s.nViewCol, w);
        const int oy = BackgroundOffset(bg, true, s.ScrollY.dPos, s.nViewRow, h);
        const int copy = first ? 0 : 1;
        first = false;
        DDBeginQuadBatch(0);
        int y = 0, sy = oy;
        for (int row = 0; row < kMaxTiles && y < kScreenH; ++row) {
            const int th = h - sy;
            int x = 0, sx = ox;
            for (int col = 0; col < kMaxTiles && x < kScreenW; ++col) {
                const int tw = w - sx;
                DDBltFast(target, x, y, tw, th, pic, sx, sy, copy);
                x += tw;
                sx = 0;
            }
            y += th;
            sy = 0;
        }
        DDFlushQuadBatch();
    }
}

void DrawBlock(const cBlock& block, DDSURFACEDATA* target, int x, int y) {
    GraphicDesc desc;
    SelectGraphicSource(desc, GRAPHIC_MODE_PREVIEW, GRAPHIC_BLOCK, block.GraphicIndex, 0, 0, 0);
    if (desc.Src) DDBltFast(target, x, y, 32, 32, desc.Src, desc.SrcX, desc.SrcY, 1);
    if (block.MarkShow == 1) {
        const int m = std::max<int>(block.MarkNumber, 0);
        DDSURFACEDATA* marks = WorkSurfaces.lpMark ? WorkSurfaces.lpMark : SystemSurface(kMarkPicture);
        DDBltFast(target, x, y, 32, 32, marks, (m / 15) * 32, (m % 15) * 32, 1);
    }
}

void DrawMapLayer(DDSURFACEDATA* target, int layer) {
    const cSceneState& s = Scene();
    const std::int64_t sx = Trunc64(s.ScrollX.dPos), sy = Trunc64(s.ScrollY.dPos);
    const std::int64_t col0 = sx >> 5, row0 = sy >> 5;
    DDBeginQuadBatch(1);
    DDSURFACEDATA* marks = WorkSurfaces.lpMark ? WorkSurfaces.lpMark : SystemSurface(kMarkPicture);
    if (marks && marks->nWidth > 0) DDQuadBatchAddTexture(marks);
    for (int r = 0; r < 16; ++r) {
        const std::int64_t row = row0 + r;
        if (row < 0 || row >= s.nMapRows) continue;
        for (int c = 0; c < 21; ++c) {
            const std::int64_t col = col0 + c;
            if (col < 0 || col >= s.nMapCols) continue;
            cBlock* b = BlockGrid.At(
                BlockGrid.CellOf(static_cast<std::int32_t>(col), static_cast<std::int32_t>(row)));
            if (!b || b->GraphicIndex == 0 || b->Layer != layer || b->Hidden) continue;
            if (!b->Conds.empty() && !BlockGrid.CondsHold(*b)) continue;
            DrawBlock(*b, target, static_cast<int>(c * 32 - (sx & 31)), static_cast<int>(r * 32 - (sy & 31)));
        }
    }
    DDFlushQuadBatch();
}

void DrawPictures(DDSURFACEDATA* target, int layer, int hold, cList<cPictureState>& pictures,
                  cList<DDSURFACEDATA>& surfaces, cList<BMPFILEDATA>& records, bool removeEnded) {
    // Pictures whose time is up are collected and leave after the walk.
    std::vector<std::size_t> ended;
    std::size_t index = 0;
    auto surface = surfaces.begin();
    for (cPictureState& p : pictures) {
        DDSURFACEDATA* sd = surface != surfaces.end() ? &*surface : nullptr;
        if (p.nLayer == layer && p.Draw(target, sd, hold) == 1 && removeEnded) ended.push_back(index);
        ++index;
        if (surface != surfaces.end()) ++surface;
    }
    for (auto it = ended.rbegin(); it != ended.rend(); ++it) {
        const auto n = static_cast<std::int64_t>(*it);
        if (n < static_cast<std::int64_t>(surfaces.size())) {
            auto sit = surfaces.IterAt(n);
            DDReleaseSurface(&*sit);
            surfaces.erase(sit);
        }
        if (n < static_cast<std::int64_t>(records.size())) records.erase(records.IterAt(n));
        pictures.erase(pictures.IterAt(n));
    }
}

void DrawStatusBar(DDSURFACEDATA* target) {
    const cVector<cGauge>& gauges = SystemData.Gauges;
    const int count = static_cast<int>(std::min<std::size_t>(gauges.size(), 5));
    int widths[5] = {};
    int enabled = 0, total = 0;
    for (int i = 0; i < count; ++i) {
        const cGauge& g = gauges[i];
        if (!g.bEnabled) continue;
        const int label = g.bIcon ? 16 : static_cast<int>(g.Label.size()) * 16;
        widths[i] = label + ((i == 2 || i == 3) ? 50 : std::max(g.nDigits, 0) * 16);
        total += widths[i];
        ++enabled;
    }
    if (enabled == 0) return;
    const int spacing = (638 - total) / (enabled + 1);
    DDBltFast(target, 0, 0, 640, 20, SystemSurface(kStatusWindowPicture), 0, 0, 1);
    DDSURFACEDATA* sheet = SystemSurface(kAccessoryPicture);
    const cHeroChara* hero = Scene().HeroList.empty() ? nullptr : Scene().HeroList[0];
    int x = spacing;
    for (int i = 0; i < count; ++i) {
        const cGauge& g = gauges[i];
        if (!g.bEnabled) continue;
        const int y = 3;
        const int labelWidth = g.bIcon ? 16 : static_cast<int>(g.Label.size()) * 16;
        if (g.bIcon) DDBltFast(target, x, y, 16, 16, sheet, 16 * i, 32, 1);
        if (i == 2 || i == 3) {
            const int value = hero ? (i == 2 ? hero->hp : hero->sp) : 0;
            const int max = hero ? (i == 2 ? hero->Def.mhp : hero->Def.msp) : 0;
            if (!g.bIcon) SysFont[1].DrawText(target, x, y, g.Label.c_str(), 0);
            const int fx = x + labelWidth, sheetX = i == 2 ? 0 : 64;
            DDBltFast(target, fx, y, 50, 16, sheet, sheetX, 128, 1);
            // A gauge with no maximum is empty; the fill never passes the frame.
            const int fill = max > 0 ? static_cast<int>(std::clamp<std::int64_t>(
                                           static_cast<std::int64_t>(std::max(value, 0)) * 50 / max, 0, 50))
                                     : 0;
            const int row = IsGaugeLow(i, value, max) ? 160 : 144;
            if (fill > 0) DDBltFast(target, fx, y, fill, 16, sheet, sheetX, row, 1);
            if (g.bShowNumber) SysFont[0].DrawText(target, fx, 6, std::to_string(value).c_str(), 0);
        } else {
            long long value = i == 0 ? PlayData.nTotalScore : i == 1 ? PlayData.nStageScore : PlayData.nLives;
            std::string text;
            if (i == 4 && value == kUnlimitedLives)
                text = g.bIcon ? "-" : g.Label + "-";
            else
                text = g.bIcon ? std::to_string(value) : FormatString(128, "%s%lld", g.Label.c_str(), value);
            SysFont[1].DrawText(target, g.bIcon ? x + 16 : x, y, text.c_str(), 0);
        }
        x += widths[i] + spacing;
    }
}

void DrawCountdown(DDSURFACEDATA* target, int sound) {
    cSceneState& s = Scene();
    if (s.bTimeFlag) return;
    const int value = std::clamp(s.nStageTime, 0, 999);
    DDSURFACEDATA* digits = SystemSurface(kWordPicture);
    const int d[3] = {value / 100, value / 10 % 10, value % 10};
    for (int i = 0; i < 3; ++i) DDBltFast(target, 272 + 32 * i, 24, 32, 32, digits, d[i] * 32, 160, 1);
    // The warning sounds on the frames where the second's counter stands at
    // zero; asking must not reset the counter, or the countdown would stop.
    if (value > 0 && value <= Stage.nTimeWarning && EveryNthCall(2, 60) != 0 && sound)
        EngineScene().PlaySe(13);
}

void SetScreenColor(cScreenColor& c, const std::int32_t (&p)[8], bool direct3D) {
    const bool fade = p[4] != 0;
    // A fade needs a change to fade from.
    if (fade && (direct3D ? !c.bActive : !c.bApplied)) return;
    std::copy(std::begin(c.rgb), std::end(c.rgb), c.prevRgb);
    c.nPrevStrength = c.nStrength;
    c.nPrevIntensity = c.nIntensity;
    for (int i = 0; i < 3; ++i) c.rgb[i] = static_cast<std::uint8_t>(std::clamp(p[i], 0, 255));
    c.nStrength = std::clamp(p[3], 0, 100);
    c.bFade = fade ? 1 : 0;
    c.nTime = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(p[5]) * 6, 0, 2147483647));
    c.nMode = p[6];
    c.nRepeat = p[7];
    c.bActive = 1;
    c.nCounter = c.nRepeatCounter = 0;
    if (!fade) {
        c.nIntensity = 0;
        c.bApplied = 1;
    }
}

bool StepScreenColor(cScreenColor& c, bool count, bool direct3D, std::int32_t& intensity,
                     const std::uint8_t*& rgb) {
    if (!c.bActive) return false;
    const double share = c.nTime > 0 ? static_cast<double>(c.nCounter) / c.nTime : 1.0;
    const bool done = c.nCounter >= c.nTime;
    rgb = c.rgb;
    if (c.nMode == 0 && c.bFade) {
        rgb = c.prevRgb;
        intensity = static_cast<std::int32_t>(c.nPrevIntensity + share * (255 - c.nPrevIntensity));
        if (count) {
            if (!done) ++c.nCounter;
            if (c.nCounter >= c.nTime) c.bActive = 0;
        }
    } else if (c.nMode == 0) {
        intensity = static_cast<std::int32_t>(255 - share * (c.nStrength * 2.55));
        if (count) {
            if (!done)
                ++c.nCounter;
            else if (!direct3D || c.nStrength == 0)
                c.bActive = 0;
        }
    } else {
        intensity = done ? 255 : static_cast<std::int32_t>(255 - share * (c.nStrength * 2.55));
        if (count) {
            if (done) {
                c.nCounter = 0;
                if (++c.nRepeatCounter >= c.nRepeat) c.bActive = 0;
            } else {
                ++c.nCounter;
            }
        }
    }
    intensity = std::clamp(intensity, 0, 255);
    c.nIntensity = intensity;
    return true;
}

void DrawScreenColor(cScreenColor& c, DDSURFACEDATA* target, int hold) {
    if (!c.bActive) return;
    const bool direct3D = DDIsDirect3D();
    if (!direct3D) {
        // Without Direct3D only the 8-bit palette can be tinted.
        if (DDScreenBpp() != 8) {
            c.bActive = 0;
            return;
        }
        if (hold) return;
    }
    std::int32_t intensity = 255;
    const std::uint8_t* rgb = nullptr;
    if (!StepScreenColor(c, hold == 0, direct3D, intensity, rgb)) return;
    const double keep = intensity / 255.0;
    if (!direct3D) {
        for (int i = 0; i < 256; ++i) {
            const PALETTEENTRY& b = BasePalette[i];
            Palette[i].peRed = static_cast<BYTE>(b.peRed * keep + rgb[0] * (1 - keep));
            Palette[i].peGreen = static_cast<BYTE>(b.peGreen * keep + rgb[1] * (1 - keep));
            Palette[i].peBlue = static_cast<BYTE>(b.peBlue * keep + rgb[2] * (1 - keep));
        }
        return;
    }
    if (intensity >= 255 || !target) return;
    // The colour laid over the picture with the unchanged share as its transparency.
    const DWORD alpha = static_cast<DWORD>(255 - intensity);
    DDFillRectColor(target, 0, 0, kScreenW, kScreenH,
                    (alpha << 24) | (DWORD{rgb[0]} << 16) | (DWORD{rgb[1]} << 8) | rgb[2]);
}
