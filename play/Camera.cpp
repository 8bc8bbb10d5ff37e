#include "play/Camera.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "project/Stage.h"

#include <algorithm>

int ClampScroll(cScroll& axis) {
    if (axis.dPos < axis.dAreaFirst) {
        axis.dPos = axis.dAreaFirst;
        return 1;
    }
    if (axis.dPos + axis.nViewSize < axis.dAreaLast) return 0;
    axis.dPos = axis.dAreaLast - axis.nViewSize;
    if (axis.dPos < axis.dAreaFirst) axis.dPos = axis.dAreaFirst;
    return 1;
}

void StepScroll(cScroll& axis) {
    axis.dPos += axis.dAutoSpeed;
    ClampScroll(axis);
}

void SetAutoScroll(cScroll& axis, std::int32_t on, std::int32_t speedValue) {
    if (on) {
        const double factor = Stage.dSubSteps > 0 ? Stage.dSubSteps : 1.0;
        axis.dAutoSpeed = speedValue * 0.1 / factor;
        axis.bAuto = 1;
    } else {
        axis.dAutoSpeed = 0;
        axis.bAuto = 0;
    }
}

namespace {

// The playable end of an axis of `blocks` map blocks, in stage pixels.
double MarginEnd(std::int32_t blocks) {
    const std::int64_t end = (static_cast<std::int64_t>(blocks) + 2 * kMapMargin - kMapMargin) * 32;
    return end < 0 ? 0.0 : static_cast<double>(end);
}

} // namespace

void SetScrollLimits(cScroll& axis, std::int32_t first, std::int32_t last, std::int32_t useFirst,
                     std::int32_t useLast) {
    // dOuterFirst/dOuterLast frame the playable map (set up before the limits).
    const double start = kMarginPixels;
    const double end = axis.nExtent - kMarginPixels > 0 ? axis.nExtent - kMarginPixels : 0.0;
    axis.dAreaFirst = useFirst ? static_cast<double>(first) * 32 + start : start;
    axis.dAreaLast = useLast ? start + (static_cast<double>(last) + 1) * 32 : end;
    if (axis.dAreaLast < axis.dAreaFirst) axis.dAreaLast = axis.dAreaFirst;
}

std::int32_t BitLength(std::int32_t value) {
    std::int32_t n = 0;
    for (std::uint32_t v = static_cast<std::uint32_t>(value); v != 0; v >>= 1) ++n;
    return n;
}

void SetUpScrollAxes(cSceneState& scene, const cStage& stage) {
    const std::int32_t cols = std::max(stage.nMapWidth, 0);
    const std::int32_t rows = std::max(stage.nMapHeight, 0);
    scene.nMapCols = cols + 2 * kMapMargin;
    scene.nMapRows = rows + 2 * kMapMargin;
    scene.nGridPitch = BitLength(cols + 19);
    scene.nViewCol = kMapMargin;
    scene.nViewRow = kMapMargin;

    struct Axis {
        cScroll& scroll;
        std::int32_t blocks, view, autoOn, autoSpeed, first, last, useFirst, useLast;
    };
    const Axis axes[2] = {
        {scene.ScrollX, cols, 640, stage.bAutoScrollX, stage.nAutoScrollSpeedX, stage.nScrollMinX,
         stage.nScrollMaxX, stage.bScrollMinX, stage.bScrollMaxX},
        {scene.ScrollY, rows, 480, stage.bAutoScrollY, stage.nAutoScrollSpeedY, stage.nScrollMinY,
         stage.nScrollMaxY, stage.bScrollMinY, stage.bScrollMaxY},
    };
    for (const Axis& a : axes) {
        cScroll& s = a.scroll;
        s = cScroll{};
        s.nViewSize = a.view;
        s.nExtent = (a.blocks + 2 * kMapMargin) * 32;
        // Objects count as out of the map two blocks beyond its playable area.
        s.dOuterFirst = kMarginPixels - 64.0;
        s.dOuterLast = MarginEnd(a.blocks) + 64.0;
        SetAutoScroll(s, a.autoOn, a.autoSpeed);
        SetScrollLimits(s, a.first, a.last, a.useFirst, a.useLast);
        s.dPos = s.dAreaFirst;
    }
    const double w = scene.ScrollX.nExtent, h = scene.ScrollY.nExtent;
    scene.StageBounds = {cRectD{kMarginPixels, kMarginPixels, MarginEnd(cols) - 1, MarginEnd(rows) - 1},
                         cRectD{0, 0, w - 1, h - 1}};
}

void CentreScrollOn(cSceneState& scene, const cChara& hero) {
    scene.ScrollX.dPos = hero.dX - 320 + hero.nWidth / 2;
    ClampScroll(scene.ScrollX);
    scene.ScrollY.dPos = hero.dY - 240 + hero.nHeight / 2;
    ClampScroll(scene.ScrollY);
}
