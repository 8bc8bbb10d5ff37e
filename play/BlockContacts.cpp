#include "play/BlockContacts.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/Motion.h"
#include "foundation/Truncate.h"
#include "play/BlockGrid.h"
#include "play/PlaySettings.h"
#include "play/SolidChara.h"
#include "records/EdItem.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// 0 passes, 1 stops, 2 kills. A deadly block kills whoever is not
// computer-controlled and stops the others; in block-moving mode 2 any block kills.
int Verdict(const cChara& c, std::uint8_t solidity) {
    if (solidity == 0) return 0;
    if (c.nFlying != 0 && c.nBlockMode == 2) return 2;
    if (solidity == 2 && c.nControl != 1) return 2;
    return 1;
}

std::uint8_t SolidityFor(std::int32_t cell, const cChara& c) {
    return BlockGrid.Solidity(cell, c.nGroup);
}

// Each point of a line, clamped to its end so that no point lies past it.
template <class Visit>
void SampleLine(std::int32_t from, std::int32_t to, std::int32_t n, std::int32_t step, Visit visit) {
    std::int64_t p = from;
    for (std::int32_t i = 0; i <= n; ++i) {
        visit(static_cast<std::int32_t>(std::min<std::int64_t>(p, std::max(from, to))));
        p += step - 1;
    }
}

// The best of the points of a horizontal line: more solid wins, equally
// solid wins when strictly nearer the middle.
struct cBest {
    int solidity = -1;
    std::int32_t cell = 0;
    std::int32_t x = 0;
};

void OfferHorizontal(cBest& best, const cChara& c, std::int32_t x, std::int32_t y, std::int32_t mid) {
    const std::int32_t cell = BlockGrid.CellAt(x, y);
    const int s = SolidityFor(cell, c);
    if (s > best.solidity || (s == best.solidity && std::llabs(static_cast<long long>(x) - mid) <
                                                        std::llabs(static_cast<long long>(best.x) - mid))) {
        best.solidity = s;
        best.cell = cell;
        best.x = x;
    }
}

void Land(cChara& c, std::int32_t cell) {
    c.nBlockUnder = cell;
    c.nLandingBlock = cell;
    c.nFallCount = 0;
    c.bOffGround = 0;
    c.OnBlockBelow();
}

} // namespace

bool PassesBlocks(const cStageObj& o) {
    return o.nFlying != 0 && o.nBlockMode == 0;
}

cBlockSampling SamplingOf(const cStageObj& obj) {
    cBlockSampling s;
    const std::int32_t w = std::max(obj.nWidth, 1), h = std::max(obj.nHeight, 1);
    s.n = std::max(1, (std::max(w, h) + 31) / 32);
    s.stepX = (w - 1 + s.n - 1) / s.n + 1;
    s.stepY = (h - 1 + s.n - 1) / s.n + 1;
    return s;
}

std::int32_t FindBlockOnLine(const cChara& chara, double x1, double y1, double x2, double y2) {
    const cBlockSampling s = SamplingOf(chara);
    if (x1 == x2) {
        const std::int32_t x = Trunc32(x1);
        int bestSolidity = -1;
        std::int32_t best = 0;
        SampleLine(Trunc32(y1), Trunc32(y2), s.n, std::max(s.stepY, 2), [&](std::int32_t y) {
            const std::int32_t cell = BlockGrid.CellAt(x, y);
            const int solidity = SolidityFor(cell, chara);
            if (solidity > bestSolidity) {
                bestSolidity = solidity;
                best = cell;
            }
        });
        return best;
    }
    if (y1 == y2) {
        const std::int32_t y = Trunc32(y1), a = Trunc32(x1), b = Trunc32(x2);
        const std::int32_t mid = static_cast<std::int32_t>((static_cast<std::int64_t>(a) + b) >> 1);
        cBest best;
        SampleLine(a, b, s.n, std::max(s.stepX, 2),
                   [&](std::int32_t x) { OfferHorizontal(best, chara, x, y, mid); });
        return best.cell;
    }
    return 0;
}

std::int32_t FindFloorCell(const cChara& chara) {
    const std::int32_t n = SamplingOf(chara).n;
    // m points with the last one on the right edge; at least both ends.
    const std::int32_t m = std::max(n % 2 == 0 ? n + 1 : n + 2, 2);
    const std::int32_t left = Trunc32(chara.dX), right = Trunc32(chara.dRight), y = Trunc32(chara.dBottom);
    const std::int32_t step = std::max(chara.nWidth, 0) / (m - 1);
    const std::int32_t mid = static_cast<std::int32_t>((static_cast<std::int64_t>(left) + right) >> 1);
    cBest best;
    std::int64_t x = left;
    for (std::int32_t i = 0; i < m; ++i, x += step)
        OfferHorizontal(best, chara,
                        i == m - 1 ? right : static_cast<std::int32_t>(std::min<std::int64_t>(x, right)), y,
                        mid);
    return best.cell;
}

std::int32_t MostSolidCornerCell(std::int32_t col1, std::int32_t row1, std::int32_t col2, std::int32_t row2,
                                 std::int32_t group) {
    const std::int32_t cells[4] = {BlockGrid.CellOf(col1, row1), BlockGrid.CellOf(col2, row1),
                                   BlockGrid.CellOf(col1, row2), BlockGrid.CellOf(col2, row2)};
    int bestSolidity = -1;
    std::int32_t best = cells[0];
    for (std::int32_t cell : cells) {
        const int s = BlockGrid.Solidity(cell, group);
        if (s > bestSolidity) {
            bestSolidity = s;
            best = cell;
        }
    }
    return best;
}

int CheckBlockLeft(cChara& c) {
    if (PassesBlocks(c)) return 0;
    const int v = Verdict(c, SolidityFor(FindBlockOnLine(c, c.dX, c.dY, c.dX, c.dBottom), c));
    if (v != 1) return v;
    c.bContact[0] = 1;
    c.dOwnVX = 0;
    c.dX += 32 - (Trunc32(c.dX) & 31);
    c.RecomputeX();
    c.AfterMoveX();
    c.nBlockHitSide = 0;
    c.TriggerFlows(9);
    c.TriggerFlows(10);
    c.TriggerFlows(11);
    return 0;
}

int CheckBlockRight(cChara& c) {
    if (PassesBlocks(c)) return 0;
    const int v = Verdict(c, SolidityFor(FindBlockOnLine(c, c.dRight, c.dY, c.dRight, c.dBottom), c));
    if (v != 1) return v;
    c.bContact[1] = 1;
    c.dOwnVX = 0;
    c.dX -= (Trunc32(c.dRight) & 31) + 1;
    c.RecomputeX();
    c.AfterMoveX();
    c.nBlockHitSide = 1;
    c.TriggerFlows(9);
    c.TriggerFlows(10);
    c.TriggerFlows(12);
    return 0;
}

int CheckBlockAbove(cChara& c) {
    if (PassesBlocks(c)) return 0;
    const int v = Verdict(c, SolidityFor(FindBlockOnLine(c, c.dX, c.dY, c.dRight, c.dY), c));
    if (v != 1) return v;
    c.bContact[2] = 1;
    c.OnBlockAbove();
    return 0;
}

int CheckBlockBelow(cChara& c) {
    if (PassesBlocks(c)) return 0;
    std::int32_t cell = FindBlockOnLine(c, c.dX, c.dBottom, c.dRight, c.dBottom);
    c.nBlockUnder = cell;
    const std::uint8_t solidity = SolidityFor(cell, c);
    if (solidity == 0) {
        c.nBlockUnder = -1;
        if (++c.nFallCount >= Stage.nFallAllowance) {
            if (c.nControl == 1) {
                c.bOffGround = 1;
            } else if (!c.bOnObject) {
                c.bOffGround = 1;
                c.bOffGroundMarker = 1;
            }
        }
        return 0;
    }
    if (solidity == 2) c.nLandingBlock = cell;
    const int v = Verdict(c, solidity);
    if (v != 1) return v;
    // Rising characters pass up through floors unless the stage lets them land.
    if (!play_settings::LandWhileRising() && !c.nFlying && c.dVY < 0) return 0;
    if (c.nControl == 0) cell = FindFloorCell(c);
    c.bContact[3] = 1;
    Land(c, cell);
    return 0;
}

int CheckBlockSides(cChara& c) {
    if (PassesBlocks(c)) return 0;
    const bool rightFirst = (c.nFlying && c.nBlockMode == 1) || c.dVX > 0;
    int r = rightFirst ? CheckBlockRight(c) : CheckBlockLeft(c);
    if (r == 2) return 2;
    r = rightFirst ? CheckBlockLeft(c) : CheckBlockRight(c);
    return r == 2 ? 2 : 0;
}

int RecheckBlockSides(cChara& c) {
    if (PassesBlocks(c)) return 0;
    if (CheckBlockRight(c) == 2) return 2;
    return CheckBlockLeft(c) == 2 ? 2 : 0;
}

int CheckBlockVertical(cChara& c) {
    if (PassesBlocks(c)) return 0;
    c.nBlockUnder = -1;
    const bool floorFirst = (c.nFlying && c.nBlockMode == 1) || c.dVY > 0;
    int r = floorFirst ? CheckBlockBelow(c) : CheckBlockAbove(c);
    if (r == 2) return 2;
    r = floorFirst ? CheckBlockAbove(c) : CheckBlockBelow(c);
    return r == 2 ? 2 : 0;
}

int RecheckBlockVertical(cChara& c) {
    if (PassesBlocks(c)) return 0;
    if (CheckBlockBelow(c) == 2) return 2;
    return CheckBlockAbove(c) == 2 ? 2 : 0;
}

int ClampToAutoScrollX(cHeroChara& hero) {
    const cScroll& s = Scene().ScrollX;
    if (!s.bAuto && !hero.nFlying) return 0;
    hero.UpdateScreenRect();
    if (hero.nScrLeft + hero.nOffsetX < 0) {
        hero.bContact[0] = 1;
        hero.dX = s.dPos;
    } else if (hero.nScrRight - hero.nOffsetX + 1 >= 640) {
        hero.bContact[1] = 1;
        hero.dX = s.dPos + 640 - hero.nWidth - 1;
    }
    hero.RecomputeX();
    hero.AfterMoveX();
    return 0;
}

int ClampToAutoScrollY(cHeroChara& hero) {
    const cScroll& s = Scene().ScrollY;
    if (!s.bAuto && !hero.nFlying) return 0;
    hero.UpdateScreenRect();
    int result = 0;
    if (hero.nScrTop + hero.nOffsetY < 0) {
        hero.bContact[2] = 1;
        hero.dY = s.dPos;
    } else if (hero.nScrBottom - hero.nOffsetY + 1 >= 480) {
        hero.bContact[3] = 1;
        hero.dY = s.dPos + 480 - hero.nHeight - 1;
        // The view leaves a walking hero behind.
        if (!hero.nFlying) result = 2;
    }
    hero.RecomputeY();
    hero.AfterMoveY();
    return result;
}

int ApplyFloorBlock(cChara& c) {
    if (c.nFlying) return 0;
    const double subSteps = play_settings::SubStepsDivisor();
    cBlock* floor = c.nBlockUnder >= 0 ? BlockGrid.At(c.nBlockUnder) : nullptr;
    if (floor && c.nFloorEffectLeft <= 0 && BlockGrid.Solidity(*floor, c.nGroup) != 0) {
        const std::uint8_t kind = floor->FloorKind;
        if (kind != 2) c.bMarkerFloor = 0;
        switch (kind) {
        case 1: {
            EngineScene().PlaySe(10);
            c.dVY = c.JumpSpeedFromHbl(static_cast<std::int8_t>(floor->FloorValue));
            c.bJumping = c.bAirborne = 1;
            c.bOffGroundMarker = 0;
            c.nJumpFrames = JumpFramesFromSpeed(c.dVY);
            break;
        }
        case 2:
            c.bMarkerFloor = 1;
            break;
        case 3:
        case 4:
        case 5:
            c.nFloorEffect = kind;
            c.dFloorEffect = kind == 3 ? floor->FloorValue * 0.01 : floor->FloorValue * 0.1 / subSteps;
            c.nFloorEffectLeft = std::max(Stage.nSubSteps, 1);
            break;
        default:
            break;
        }
    }
    if (c.nFloorEffectLeft > 0) {
        switch (c.nFloorEffect) {
        case 3:
            c.dVX *= c.dFloorEffect;
            break;
        case 4:
            c.dVX -= c.dFloorEffect;
            if (c.dOwnVX > 0) c.dOwnVX = 0;
            break;
        case 5:
            c.dVX += c.dFloorEffect;
            if (c.dOwnVX < 0) c.dOwnVX = 0;
            break;
        default:
            break;
        }
        if (--c.nFloorEffectLeft <= 0) {
            c.nFloorEffectLeft = 0;
            c.nFloorEffect = 0;
            SnapToFloor(c);
        }
    }
    return 0;
}

void SnapToFloor(cChara& c) {
    if (play_settings::SnapToFloorVariant()) {
        if (c.dVY >= 0) c.dVY += 1.0;
        return;
    }
    const double subSteps = play_settings::SubStepsDivisor();
    if (c.dVY < 0 || c.dVY > 1.0 / subSteps || c.bOnObject || c.bOffGround) return;
    const double y = c.dBottom + 4;
    const std::int32_t cell = FindBlockOnLine(c, c.dX + c.dVX, y, c.dRight + c.dVX, y);
    if (SolidityFor(cell, c) != 0) c.dVY = 7.0 / subSteps;
}

int TouchBlockItem(cHeroChara& hero) {
    if (hero.nFlying) return 0;
    if (hero.bOffGround) hero.nBlockItemPause = 0;
    bool given = false;
    cBlock* floor = hero.nBlockUnder >= 0 ? BlockGrid.At(hero.nBlockUnder) : nullptr;
    if (floor && hero.nBlockItemPause == 0 && floor->ItemIndex != 0 &&
        BlockGrid.Solidity(*floor, hero.nGroup) != 0) {
        if (const cEdItem* def = GetPaletteItem(floor->ItemSource, floor->ItemIndex)) {
            cItemObj item;
            item.Def = *def;
            item.bActive = 1;
            if (const int r = EngineScene().ApplyItem(&item, hero)) return r;
            hero.nBlockItemPause = std::max(Stage.nSubSteps, 1) * 60;
            given = true;
        }
    } else if (hero.nBlockItemPause > 0 && !hero.bOffGround) {
        --hero.nBlockItemPause;
    }
    // Stepping onto another block lets that block give its item at once.
    if (hero.nLandingBlock != hero.nPrevLandingBlock && !given) {
        hero.nBlockItemPause = 0;
        SnapToFloor(hero);
    }
    hero.nPrevLandingBlock = hero.nLandingBlock;
    return 0;
}

int IsPlaceBlocked(cChara& chara) {
    if (PassesBlocks(chara)) return 0;
    const std::int32_t cell = MostSolidCornerCell(chara.nBlockLeft, chara.nBlockTop, chara.nBlockRight,
                                                  chara.nBlockBottom, chara.nGroup);
    if (BlockGrid.Solidity(cell, chara.nGroup) != 0) return 1;
    return IsTouchingSolidChara(chara) ? 1 : 0;
}
