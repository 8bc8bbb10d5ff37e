#include "play/ShotObj.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "engine/NpcChara.h"
#include "engine/Search.h"
#include "engine/StageObjects.h"
#include "play/BlockGrid.h"
#include "play/Placement.h"
#include "play/ShotRecord.h"
#include "project/CommonPalette.h"
#include "project/Database.h"
#include "project/Stage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Animation 0: cells 0, 1, 2 of 7 ticks (swords); animation 1: cells 0 and 1
// of 8 ticks, looping (shots).
const cVector<cVector<ANIMEFRAME>>& ShotAnimeTable() {
    static const cVector<cVector<ANIMEFRAME>> table = [] {
        cVector<cVector<ANIMEFRAME>> t(2);
        for (std::int32_t c = 0; c < 3; ++c) t[0].push_back(ANIMEFRAME{c, 7, 0});
        t[0].push_back(ANIMEFRAME{ANIME_HOLD, 0, 0});
        for (std::int32_t c = 0; c < 2; ++c) t[1].push_back(ANIMEFRAME{c, 8, 0});
        t[1].push_back(ANIMEFRAME{ANIME_LOOP, 0, 0});
        return t;
    }();
    return table;
}

// The hit size of a shot: the player's shots and the others each have their own.
void DefaultShotHitSize(std::int32_t control, std::int32_t& w, std::int32_t& h) {
    const std::int32_t i = control == 0 ? 2 : 4;
    w = Stage.nWords74[i];
    h = Stage.nWords74[i + 1];
}

bool Has(const cChara& owner, const SHOTLINK& link) {
    return std::find(owner.ShotLinks.begin(), owner.ShotLinks.end(), link) != owner.ShotLinks.end();
}

// The range of a shot in sub-steps; a shot that would cover its whole
// distance within its first frame is slowed to cover exactly it.
void SetRange(cShotObj& shot, const SHOTSPAWN& sp) {
    cShotMotion& m = shot.Motion;
    const double f = Stage.dSubSteps;
    const double w = 16.0 * shot.nUnitScale;
    const double v = std::abs(sp.dSpeed) / f;
    double d = sp.nValueA * 16.0 - w;
    if (d < 0) d = 0;
    std::int32_t range = 0;
    if (d > 0 && v != 0) {
        range = static_cast<std::int32_t>(d / v);
    } else {
        range = static_cast<std::int32_t>(f);
        if (static_cast<std::int32_t>(f * v) > w) range = static_cast<std::int32_t>(w / v);
    }
    if (range < f) {
        const double sum = std::abs(sp.dVX) + std::abs(sp.dVY);
        m.dVelX = sum == 0 ? 0 : sp.dVX * (d / f) / sum;
        m.dVelY = sum == 0 ? 0 : sp.dVY * (d / f) / sum;
        range = static_cast<std::int32_t>(f);
    }
    m.nRange = range;
}

cShotObj& LinkedNewShot(cChara& user, const cEdShot& record, const SHOTSPAWN& sp) {
    cSceneState& s = Scene();
    cShotObj temp;
    temp.Shot = record;
    SetupShotObj(temp, user, kCmdShot, sp, s.nObjectSerial);
    cShotObj& shot = AddShot(temp);
    ++s.nObjectSerial;
    if (shot.Motion.nKind == 3 || shot.Motion.nKind == 6) {
        if (cChara* target = user.TargetAt(shot_record::TargetSlot(record))) {
            const SHOTLINK link{&shot, 0};
            if (!Has(*target, link)) target->ShotLinks.push_back(link);
            shot.lpTargetOwner = target;
        }
    }
    const SHOTLINK own{&shot, 4};
    if (!Has(user, own)) user.ShotLinks.push_back(own);
    shot.lpUserOwner = &user;
    return shot;
}

// A definition of a summon: from the stage's own table when the source byte
// is set, else from the common palette's; none when the number is outside it.
template <class T>
const T* SummonDef(const cEdShot& record, const cVector<T>& stageTable, const cVector<T>& commonTable) {
    const cVector<T>& table = record.cSummonSrc ? stageTable : commonTable;
    const std::int32_t n = record.sSummonNo;
    if (n < 0 || static_cast<std::size_t>(n) >= table.size()) return nullptr;
    return &table[static_cast<std::size_t>(n)];
}

} // namespace

void SetupShotObj(cShotObj& shot, cChara& user, std::int32_t kind, const SHOTSPAWN& sp, std::int32_t number) {
    const cEdShot& rec = shot.Shot;
    cShotMotion& m = shot.Motion;
    m = cShotMotion{};
    const bool sword = kind == kCmdSword;
    std::int32_t w = 16, h = 16;
    const cSwordType* type = nullptr;
    if (sword) {
        type = &Database.SwordType.At(shot_record::SwordType(rec));
        if (!type->Entries.empty()) {
            w = type->Entries.front().nWidth;
            h = type->Entries.front().nHeight;
        }
    }
    std::int32_t group = rec.cFaction;
    if (shot_record::OwnGroup(rec)) {
        group = user.nGroup;
        shot.Shot.cFaction = static_cast<std::int8_t>(user.nGroup);
    }
    const std::int32_t facing = sp.dVX > 0 ? 1 : sp.dVX < 0 ? 0 : user.nFacing;
    shot.cStageObj::Setup(number, user.nControl, user.nUserWord, group, rec.sGraphic, &ShotAnimeTable(),
                          sword ? 0 : 1, 0, 0, w, h, 16, 16, facing, 1, sp.sVolley, 0);
    shot.bMoving = sword ? 0 : 1;
    if (sword) {
        shot.nParts[0] = shot.nParts[1] = 0;
        shot.nParts[2] = w, shot.nParts[3] = h;
    } else {
        std::int32_t hw = 16, hh = 16;
        DefaultShotHitSize(user.nControl, hw, hh);
        shot.nParts[0] = 8 - hw / 2, shot.nParts[1] = 8 - hh / 2;
        shot.nParts[2] = hw, shot.nParts[3] = hh;
    }
    std::copy(std::begin(shot.nParts), std::end(shot.nParts), shot.nBaseParts);
    shot.SetUnitScale(shot_record::Scale(rec), 1);
    shot.dX = sp.nX;
    shot.dY = sp.nY;
    shot.ClampX(2);
    shot.RecomputeX();
    shot.RecomputeY();

    const double f = Stage.dSubSteps;
    m.dVelX = sp.dVX / f;
    m.dVelY = sp.dVY / f;
    m.sVolley = sp.sVolley;
    m.nKind = sword ? 0 : rec.cMotion;
    for (int i = 0; i < 3; ++i) m.nParam[i] = rec.sMotion[i];
    m.bFollowScroll = shot_record::FollowsScroll(rec) ? 1 : 0;
    if (shot_record::Inertia(rec)) {
        m.bInertia = 1;
        m.dAccSize = (static_cast<double>(rec.sAccelAdd) * sp.sVolley + rec.sAccel) * 0.1 / f;
        SetShotInertia(shot, m.dVelX, m.dVelY);
    }
    shot.dVX = shot.dVY = 0;
    if (shot_record::LifeLimit(rec)) {
        m.bLifeLimit = 1;
        m.nLife = sp.nValueB * Stage.nSubSteps * 6;
    }
    if (shot_record::RangeLimit(rec)) {
        m.bRangeLimit = 1;
        m.bKeepAtEnd = shot_record::KeepAtEnd(rec) ? 1 : 0;
        SetRange(shot, sp);
    }
    const cChara* target = user.TargetAt(shot_record::TargetSlot(rec));
    m.nTargetId = target ? target->nId : -1;
    m.nUserId = user.nId;
    m.bNotifyOwner = shot_record::NotifyOwner(rec) ? 1 : 0;
    m.nOwnerFlow = shot_record::OwnerFlow(rec);
    shot.UpdateScreenRect();
}

cShotObj& AddShot(const cShotObj& shot) {
    cSceneState& s = Scene();
    cShotObj& added = s.LiveShots.emplace_back(shot);
    if (s.FactionShots.InRange(added.nGroup)) s.FactionShots[added.nGroup].push_back(&added);
    return added;
}

void cShotSpawner::Spawn(const SHOTSPAWN& sp) {
    LinkedNewShot(user_, record_, sp);
}

void cBlockSummoner::Spawn(const SHOTSPAWN& sp) {
    const cEdBlock* def = SummonDef(record_, Stage.PaletteBlocks, CommonPalette.Blocks);
    if (def) ChangeBlock(sp.nX, sp.nY, *def, SummonSettingsOf(record_));
}

void cCharaSummoner::Spawn(const SHOTSPAWN& sp) {
    const cEdChara* def = SummonDef(record_, Stage.PaletteCharas, CommonPalette.Charas);
    if (!def) return;
    const std::int32_t facing = shot_record::TurnSummon(record_) ? 1 - user_.nFacing : user_.nFacing;
    cSceneState& s = Scene();
    SummonCharas(s.CharaList, sp.nX, sp.nY, static_cast<std::uint8_t>(shot_record::ColourSource(record_)),
                 facing, SummonSettingsOf(record_), *def, s.nObjectSerial, &user_);
}

void cItemSummoner::Spawn(const SHOTSPAWN& sp) {
    const cEdItem* def = SummonDef(record_, Stage.PaletteItems, CommonPalette.Items);
    if (def) SummonItem(items_, sp.nX, sp.nY, SummonSettingsOf(record_), *def, Scene().nObjectSerial);
}

void SpawnShotObjects(cChara& user, const cEdShot& record) {
    cShotSpawner sink(user, record);
    FireVolleys(user, record, sink);
}

void SpawnBlockObjects(cChara& user, const cEdShot& record) {
    if (!SummonDef(record, Stage.PaletteBlocks, CommonPalette.Blocks)) return;
    if (SummonSettingsOf(record).nBlockMode == 2) BlockGrid.ToggledCells.clear();
    cBlockSummoner sink(record);
    FireSummon(user, record, 32, 32, sink);
}

void SpawnCharaObjects(cChara& user, const cEdShot& record) {
    const cEdChara* def = SummonDef(record, Stage.PaletteCharas, CommonPalette.Charas);
    if (!def) return;
    const std::int32_t size = def->CharaScale * 32;
    cCharaSummoner sink(user, record);
    FireSummon(user, record, size, size, sink);
}

void SpawnItemObjects(cChara& user, const cEdShot& record, cList<cItemObj>& items) {
    const cEdItem* def = SummonDef(record, Stage.PaletteItems, CommonPalette.Items);
    if (!def) return;
    const std::int32_t size = def->Scale * 32;
    cItemSummoner sink(items, record);
    FireSummon(user, record, size, size, sink);
}

int ShotHitsBlock(const cShotObj& shot) {
    if (shot_record::PassesBlocks(shot.Shot)) return 0;
    const cSceneState& s = Scene();
    cEngineScene& scene = EngineScene();
    auto solidAt = [&](double x, double y) {
        if (x < 0 || y < 0) return false;
        const std::int32_t col = static_cast<std::int32_t>(x) >> 5, row = static_cast<std::int32_t>(y) >> 5;
        if (col >= s.nMapCols || row >= s.nMapRows) return false;
        return scene.IsBlockSolid((row << s.nGridPitch) + col, shot.nBlockTestMode) != 0;
    };
    const double l = shot.dX, t = shot.dY, r = shot.dRight, b = shot.dBottom;
    if (shot.nWidth > 32) {
        for (double y = t;; y += 32) {
            const double yy = std::min(y, b);
            for (double x = l;; x += 32) {
                const double xx = std::min(x, r);
                if (solidAt(xx, yy)) return 1;
                if (xx >= r) break;
            }
            if (yy >= b) break;
        }
        return 0;
    }
    return solidAt(l, t) || solidAt(r, t) || solidAt(l, b) || solidAt(r, b) ? 1 : 0;
}

namespace {

// Caps a displacement at the stage's speed limit in either direction.
double CapSpeed(double v) {
    const double cap = Stage.dSpeedCap;
    return std::clamp(v, -cap, cap);
}

} // namespace

int ShotStepX(cShotObj& shot) {
    if (shot.dVX != 0) shot.dX += CapSpeed(shot.dVX);
    int code = 0;
    const double extent = Scene().ScrollX.nExtent;
    if (shot.dX < 0) {
        shot.dX = 0;
        code = 3;
    } else if (shot.dX + shot.nWidth > extent) {
        shot.dX = extent - shot.nWidth;
        code = 3;
    }
    shot.RecomputeX();
    return code;
}

int ShotStepY(cShotObj& shot) {
    if (shot.dVY != 0) shot.dY += CapSpeed(shot.dVY);
    int code = 0;
    const double extent = Scene().ScrollY.nExtent;
    if (shot.dY < 0) {
        shot.dY = 0;
        code = 3;
    } else if (shot.dY + shot.nHeight > extent) {
        shot.dY = extent - shot.nHeight;
        code = 3;
    }
    shot.RecomputeY();
    return code;
}

int SwordStep(cShotObj& sword) {
    cChara* user = FindCharaById(sword.Motion.nUserId);
    if (!user) return 1;
    const cSwordType& type = Database.SwordType.At(shot_record::SwordType(sword.Shot));
    cShotMotion& m = sword.Motion;
    // The frame index is checked before its entry is read: a sword type
    // without entries, or one run past its last, ends the sword.
    if (m.nSwordFrame < 0 || static_cast<std::size_t>(m.nSwordFrame) >= type.Entries.size()) return 1;
    const cSwordTypeEntry& e = type.Entries[static_cast<std::size_t>(m.nSwordFrame)];
    const std::int32_t s = shot_record::Scale(sword.Shot);
    sword.nFacing = user->nFacing;
    if (m.nSwordTick == 0) {
        sword.nWidth = e.nWidth * s, sword.nHeight = e.nHeight * s;
        sword.nScrWidth = sword.nWidth, sword.nScrHeight = sword.nHeight;
        sword.nParts[2] = e.nWidth * s, sword.nParts[3] = e.nHeight * s;
    }
    user->UpdateScreenRect();
    const cSceneState& sc = Scene();
    const double sx = sc.ScrollX.dPos, sy = sc.ScrollY.dPos;
    const double l = user->nScrLeft, t = user->nScrTop, r = user->nScrRight, b = user->nScrBottom;
    const double cx = l + user->nScrWidth / 2, cy = t + user->nScrHeight / 2;
    const std::int32_t w = sword.nWidth, h = sword.nHeight;
    double x = 0, y = 0;
    switch (e.nAnchor) {
    case 1:
    case 0: {
        const bool right = (user->nFacing == 1) != (e.nAnchor == 1);
        x = right ? r + 1 : l - w;
        y = cy - h / 2;
        break;
    }
    case 2:
        x = cx - w / 2, y = t - h;
        break;
    case 3:
    default:
        x = cx - w / 2, y = b + 1;
        break;
    }
    x += sx, y += sy;
    if (sword.nFacing == 0) {
        x += e.nOffsetX * s, y += e.nOffsetY * s;
    } else {
        x += (e.bMirrorX ? -1 : 1) * e.nOffsetX * s;
        y += (e.bMirrorY ? -1 : 1) * e.nOffsetY * s;
    }
    sword.dX = x, sword.dY = y;
    ShotStepX(sword);
    sword.RecomputeY();
    sword.UpdateScreenRect();
    if (++m.nSwordTick > e.nDuration * Stage.nSubSteps * 6) {
        m.nSwordTick = 0;
        if (static_cast<std::size_t>(++m.nSwordFrame) >= type.Entries.size()) return 1;
    }
    return 0;
}
