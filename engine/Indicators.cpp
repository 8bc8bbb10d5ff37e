// The indicators of distance conditions: while a stage plays, a character can
// show the reach of its distance conditions as two lines across the view or a
// circle, in a colour that cycles, so that a game's author sees where it reacts.
#include "engine/Indicators.h"

#include "engine/Chara.h"
#include "engine/CondFields.h"
#include "engine/EngineScene.h"
#include "engine/GraphicSource.h"
#include "engine/Motion.h"
#include "graphics/Graphics.h"
#include "project/IniSetting.h"
#include "project/SystemData.h"
#include "records/RecordContext.h"

#include <iterator>

int IndicatorFlashCounter = 0;

namespace {

constexpr int kFlashSteps = 32;
constexpr int kViewWidth = 640, kViewHeight = 480;
// The largest reach drawn: a line or circle further out than this from a
// character on screen lies wholly outside the view.
constexpr std::int32_t kMaxReach = 4096;
// Modes 0 to 5 mark the ends of the reach with two lines across the view: on
// which axis, whether the reach goes before and after the character when it
// faces right and when it faces left, and whether it spans the whole extent.
struct LineMode {
    bool vertical;
    bool beforeRight, afterRight, beforeLeft, afterLeft;
    bool whole;
};
constexpr LineMode kLineModes[] = {
    {false, true, true, true, true, true},    // "横": across
    {false, false, true, true, false, false}, // "前": in front
    {false, true, false, false, true, false}, // "後": behind
    {true, true, true, true, true, true},     // "縦": up and down
    {true, false, true, true, false, false},  // "前Y": in front, vertically
    {true, true, false, false, true, false},  // "後Y": behind, vertically
};
// Mode 6 "円" draws a circle.
constexpr int kCircleMode = 6;

// Circles above this radius are drawn small in a work square and stretched
// in DirectDraw mode.
constexpr int kDirectCircleRadius = 64;

// In 8-bit palette mode with the drawing switch on the colours stand still.
bool ColoursStill() {
    return DDScreenBpp() == 8 && SystemData.bDrawingSwitch != 0;
}

void DrawCircle(DDSURFACEDATA* target, int cx, int cy, int r, int colour) {
    if (DDIsDirect3D() || r <= kDirectCircleRadius) {
        DDDrawCircle(target, cx, cy, r, colour);
        return;
    }
    DDSURFACEDATA* work = SystemSurface(IniSetting.DD_VideoStretch ? SD_WORK : SD_WORK_SHARED);
    constexpr int kSide = 2 * kDirectCircleRadius + 1;
    DDFillRectPal(work, 0, 0, kSide, kSide, 0);
    DDDrawCircle(work, kDirectCircleRadius, kDirectCircleRadius, kDirectCircleRadius, colour);
    DDBltStretch(target, cx - r, cy - r, 2 * r, 2 * r, work, 0, 0, kSide, kSide, 1);
}

bool Shown(const cChara& c) {
    return !c.bDying && c.IsOnScreen();
}

// Every character of the stage, the hero included, is in its group's list.
template <class Each> void ForEachShownChara(Each each) {
    cVector<cList<cChara*>>& groups = Scene().FactionCharas;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        for (cChara* c : groups.At(static_cast<std::int64_t>(i))) {
            if (c && Shown(*c)) each(*c);
        }
    }
}

void DrawRanges(DDSURFACEDATA* target, cChara& c, const cVector<cCond>& conds) {
    for (const cCond& cond : conds) {
        if (cond.cKind == COND_DISTANCE) c.DrawDistanceRange(target, cond, IndicatorFlashCounter);
    }
}

} // namespace

void DrawCharaIndicators(DDSURFACEDATA* target) {
    if (!ColoursStill() && ++IndicatorFlashCounter >= kFlashSteps) IndicatorFlashCounter = 0;

    DDBeginFillBatch();
    ForEachShownChara([&](cChara& c) {
        if (c.Def.CondOnce && c.nCondCache) return;
        DrawRanges(target, c, c.Def.Conds);
    });
    DDFlushFillBatch();

    // A flow whose start conditions hold once for good stops showing them once
    // the character's own conditions have held.
    DDBeginFillBatch();
    ForEachShownChara([&](cChara& c) {
        for (std::size_t i = 0; i < c.Flows.size(); ++i) {
            const cEdFlow& flow = c.Flows[i].Def;
            if (flow.bOnce && c.nCondCache) continue;
            DrawRanges(target, c, flow.vStartCond);
        }
    });
    DDFlushFillBatch();
}

int cChara::DrawDistanceRange(DDSURFACEDATA* target, const cCond& c, int counter) {
    const int display = CondRangeDisplay(c);
    if (display == 0 || (display == 2 && !RecordContext().EditorStarted())) return 0;
    if (!CondRangeWhileInactive(c)) {
        if (nWord12 == 0) return 0;
    } else if (nWord12 == 0) {
        UpdateScreenRect();
    }
    if (!CondRangeWhileHidden(c) && (DrawState.bHidden || Def.Transparent)) return 0;

    std::int64_t reach = static_cast<std::int64_t>(CondRangeHbl(c)) * 16 + CondRangeDots(c);
    if (reach < 0) reach = 0;
    if (reach > kMaxReach) reach = kMaxReach;
    const std::int32_t r = static_cast<std::int32_t>(reach);
    int colour = 208 + 4 * (CondRangeColour(c) & 7);
    if (!ColoursStill()) colour += counter / 8;

    const int mode = CondRangeMode(c);
    if (mode == kCircleMode) {
        DrawCircle(target, nScrLeft + nScrWidth / 2, nScrTop + nScrHeight / 2, r, colour);
        return 1;
    }
    if (mode < 0 || mode >= static_cast<int>(std::size(kLineModes))) return 1;
    const LineMode& m = kLineModes[mode];
    const bool right = nFacing == 1;
    const double before = (right ? m.beforeRight : m.beforeLeft) ? r : 0;
    const double after = (right ? m.afterRight : m.afterLeft) ? r : 0;
    double low = 0, high = 0;
    if (m.vertical) {
        ExtentInterval(nScrTop, nScrHeight, before, after, m.whole, low, high);
        DDFillRectPal(target, 0, static_cast<int>(low), kViewWidth, 1, colour);
        DDFillRectPal(target, 0, static_cast<int>(high), kViewWidth, 1, colour);
    } else {
        ExtentInterval(nScrLeft, nScrWidth, before, after, m.whole, low, high);
        DDFillRectPal(target, static_cast<int>(low), 0, 1, kViewHeight, colour);
        DDFillRectPal(target, static_cast<int>(high), 0, 1, kViewHeight, colour);
    }
    return 1;
}
