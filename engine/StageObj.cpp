#include "engine/StageObj.h"

#include "engine/EngineScene.h"
#include "engine/Search.h"
#include "project/Stage.h"

#include <cmath>

namespace {

double Limit(double v, double limit) {
    if (v > limit) return limit;
    if (v < -limit) return -limit;
    return v;
}

// Block column (row) of a stage coordinate: the truncated coordinate / 32.
std::int32_t BlockOf(double v) {
    return static_cast<std::int32_t>(v) >> 5;
}

} // namespace

void cStageObj::Assign(const cStageObj& other) {
    *this = other;
}

int cStageObj::SetUnitScale(std::int32_t newScale, std::int32_t oldScale) {
    if (newScale == oldScale) return 0;
    nOffsetX = nBaseOffsetX * newScale;
    nOffsetY = nBaseOffsetY * newScale;
    nScrWidth = nBaseScrWidth * newScale;
    nScrHeight = nBaseScrHeight * newScale;
    nWidth = nBaseWidth * newScale;
    nHeight = nBaseHeight * newScale;
    nUnitScale = newScale;
    dX -= static_cast<double>(nBaseWidth / 2) * (newScale - oldScale);
    ClampX(2);
    RescaleOffsets(newScale, oldScale);
    return RescaleParts(newScale);
}

int cStageObj::RescaleParts(std::int32_t) {
    return 0;
}
void cStageObj::RescaleOffsets(std::int32_t, std::int32_t) {}
void cStageObj::UpdatePartsX() {}
void cStageObj::UpdatePartsY() {}
void cStageObj::SetPosition(double, double) {}
void cStageObj::MoveTo(double, double) {}
void cStageObj::SetCenterX(double) {}
void cStageObj::MoveToX(double) {}
void cStageObj::SetCenterY(double) {}
void cStageObj::MoveToY(double) {}

void cStageObj::Setup(std::int32_t id, std::int32_t control, std::int32_t userWord, std::int32_t group,
                      std::int32_t graphic, const cVector<cVector<ANIMEFRAME>>* anime,
                      std::int32_t startAnime, std::int32_t offsetX, std::int32_t offsetY, std::int32_t width,
                      std::int32_t height, std::int32_t screenWidth, std::int32_t screenHeight,
                      std::int32_t facing, std::int32_t moveMode, std::int16_t index,
                      std::int32_t blockTestMode) {
    nId = id;
    nControl = control;
    nUserWord = userWord;
    nGroup = group;
    nGraphic = graphic;
    if (anime) {
        Anime.SetAnimeTable(*anime);
        Anime.SetAnime(startAnime, 1);
    }
    nOffsetX = nBaseOffsetX = offsetX;
    nOffsetY = nBaseOffsetY = offsetY;
    nWidth = nBaseWidth = width;
    nHeight = nBaseHeight = height;
    nScrWidth = nBaseScrWidth = screenWidth;
    nScrHeight = nBaseScrHeight = screenHeight;
    nFacing = facing;
    SetMoveMode(moveMode);
    sIndex = index;
    nBlockTestMode = blockTestMode;
    dVX = dVY = 0;
    nWord12 = bAreaExempt = nWord14 = 0;
    nUnitScale = 1;
}

void cStageObj::SetMoveMode(std::int32_t selector) {
    switch (selector) {
    case 0:
        nFlying = 0, nBlockMode = 1;
        break;
    case 1:
        nFlying = 1, nBlockMode = 0;
        break;
    case 2:
        nFlying = 1, nBlockMode = 1;
        break;
    case 3:
        nFlying = 1, nBlockMode = 2;
        break;
    default:
        break;
    }
}

void cStageObj::RecomputeX() {
    dRight = dX + nWidth - 1;
    UpdatePartsX();
    nBlockLeft = BlockOf(dX);
    nBlockRight = BlockOf(dRight);
}

void cStageObj::RecomputeY() {
    dBottom = dY + nHeight - 1;
    UpdatePartsY();
    nBlockTop = BlockOf(dY);
    nBlockBottom = BlockOf(dBottom);
}

namespace {

// Which side of an area an object of `size` at `pos` reaches out of: 0 none,
// -1 before its first coordinate, 1 at or past its end.
int Outside(double pos, double size, double first, double last) {
    if (pos < first) return -1;
    if (pos + size - 1 >= last) return 1;
    return 0;
}

// Modes 0 and 1 on one axis: keep the object inside the view's area (0) or
// the outer area (1); true when it had to be moved.
bool ClampIntoArea(double& pos, double size, const cScroll& s, int mode) {
    const double first = mode == 0 ? s.dAreaFirst : s.dOuterFirst;
    const double last = mode == 0 ? s.dAreaLast : s.dOuterLast;
    switch (Outside(pos, size, first, last)) {
    case -1:
        pos = first;
        return true;
    case 1:
        pos = last - size;
        return true;
    default:
        return false;
    }
}

} // namespace

// Mode 0 keeps the object inside the area the view may show, mode 1 inside
// the wider outer area (reporting 1 when it reaches out of the view's area),
// mode 2 only inside the stage, reporting which area it reaches out of.
int cStageObj::ClampX(int mode) {
    const cScroll& s = Scene().ScrollX;
    const double w = nWidth;
    int code = 0;
    if (mode == 0 || mode == 1) {
        if (!ClampIntoArea(dX, w, s, mode) && mode == 1 && Outside(dX, w, s.dAreaFirst, s.dAreaLast))
            code = 1;
    } else if (mode == 2) {
        if (Outside(dX, w, 0, s.nExtent)) {
            dX = dX < 0 ? 0 : s.nExtent - w;
            code = 3;
        } else if (Outside(dX, w, s.dOuterFirst, s.dOuterLast)) {
            code = 2;
        } else if (Outside(dX, w, s.dAreaFirst, s.dAreaLast)) {
            code = 1;
        }
    }
    RecomputeX();
    return code;
}

// Vertically the codes tell the side too: top 1 (view), 2 (outer), 3 (stage),
// bottom 4, 5, 6. An object as tall as the map or taller is never pushed back
// into it.
int cStageObj::ClampY(int mode) {
    const cScroll& s = Scene().ScrollY;
    const double h = nHeight;
    int code = 0;
    auto sided = [](int side, int top, int bottom) { return side < 0 ? top : side > 0 ? bottom : 0; };
    if (mode == 0 || mode == 1) {
        if (!ClampIntoArea(dY, h, s, mode) && mode == 1)
            code = sided(Outside(dY, h, s.dAreaFirst, s.dAreaLast), 1, 4);
    } else if (mode == 2) {
        const bool fits = h < static_cast<double>(Scene().nMapRows) * 32;
        const int stage = fits ? Outside(dY, h, 0, s.nExtent) : 0;
        if (stage) {
            dY = stage < 0 ? 0 : s.nExtent - h;
            code = sided(stage, 3, 6);
        } else if (const int outer = Outside(dY, h, s.dOuterFirst, s.dOuterLast)) {
            code = sided(outer, 2, 5);
        } else {
            code = sided(Outside(dY, h, s.dAreaFirst, s.dAreaLast), 1, 4);
        }
    }
    RecomputeY();
    return code;
}

int cStageObj::MoveStepX(int mode) {
    dVX = Limit(dVX, Stage.dSpeedStep);
    dX += dVX;
    const int code = ClampX(mode);
    return code >= 1 && code <= 3 ? code : 0;
}

int cStageObj::FallStep(int mode) {
    dVY = Limit(dVY, Stage.dSpeedStep);
    dY += dVY;
    return ClampY(mode);
}

void cStageObj::ApplyGravity() {
    if (nFlying == 0) dVY += Stage.dAccelStep;
}

void cStageObj::UpdateScreenRect() {
    const cSceneState& s = Scene();
    nScrLeft = static_cast<std::int32_t>(dX - nOffsetX - s.ScrollX.dPos);
    nScrRight = nScrLeft + nScrWidth - 1;
    nScrTop = static_cast<std::int32_t>(dY - nOffsetY - s.ScrollY.dPos);
    nScrBottom = nScrTop + nScrHeight - 1;
}

bool cStageObj::IsOnScreen() const {
    return IsOnScreenAxes(false, false);
}

bool cStageObj::IsOnScreenAxes(bool skipX, bool skipY) const {
    const cSceneState& s = Scene();
    const double sx = s.ScrollX.dPos, sy = s.ScrollY.dPos;
    if (!skipX && !(dRight >= sx && dX < sx + 640)) return false;
    if (!skipY && !(dBottom >= sy && dY < sy + 480)) return false;
    return true;
}

bool cStageObj::IsInStage(int selector) const {
    const cRectD& b = Scene().StageBounds[selector == 0 ? 0 : 1];
    return dX >= b.left && dRight <= b.right && dY >= b.top && dBottom <= b.bottom;
}

bool cStageObj::HitsBlockAtCorners() const {
    cEngineScene& scene = EngineScene();
    const std::int32_t pitch = scene.State().nGridPitch;
    const std::int32_t cols[2] = {nBlockLeft, nBlockRight};
    const std::int32_t rows[2] = {nBlockTop, nBlockBottom};
    for (std::int32_t row : rows)
        for (std::int32_t col : cols)
            if (scene.IsBlockSolid(static_cast<std::int32_t>((static_cast<std::int64_t>(row) << pitch) + col),
                                   nBlockTestMode))
                return true;
    return false;
}

bool cStageObj::HitsBlockAtCorners2(int) const {
    return HitsBlockAtCorners();
}

bool cStageObj::Overlaps(double left, double top, double right, double bottom) const {
    return dX <= right && dRight >= left && dY <= bottom && dBottom >= top;
}

bool cStageObj::IsOutOfArea(const cOutArea& area) const {
    if (bAreaExempt) return false;
    const cSceneState& s = Scene();
    const double sx = std::trunc(s.ScrollX.dPos), sy = std::trunc(s.ScrollY.dPos);
    if (area.bSide[0] && sx - area.nMargin[0] * 32.0 >= dRight) return true;
    if (area.bSide[1] && sx + 640 + area.nMargin[1] * 32.0 <= dX) return true;
    if (area.bSide[2] && sy - area.nMargin[2] * 32.0 >= dBottom) return true;
    if (area.bSide[3] && sy + 480 + area.nMargin[3] * 32.0 <= dY) return true;
    // Touching the stage border retires it whatever the sides say.
    return dX <= 0 || dRight >= s.ScrollX.nExtent - 1 || dY <= 0 || dBottom >= s.ScrollY.nExtent - 1;
}

cChara* cStageObj::FindNearestChara(const cList<cChara*>& list) const {
    cCharaFilter filter;
    filter.bNotInvincible2 = true;
    const int preference = Stage.nCharaOption > 0 ? NEAREST_ON_SCREEN_ONLY : NEAREST_ON_SCREEN_FIRST;
    return FindNearestCharaAt(nScrLeft + nScrWidth / 2, nScrTop + nScrHeight / 2, list, preference, filter);
}

void CopyConstruct(cStageObj& target, const cStageObj& source) {
    target.cStageObj::operator=(source);
}
