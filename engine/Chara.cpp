#include "engine/Chara.h"

#include "engine/EngineScene.h"
#include "project/SystemData.h"

cChara::cChara() {
    Vars.resize(kCharaVars);
    Targets.resize(kTargetSlots);
    for (auto& groups : KeyGroups) groups.resize(kKeyGroups);
}

cChara::cChara(const cChara& other) : cStageObj(other), cCharaData(other) {
    RelinkAsCopy();
}

cChara& cChara::operator=(const cChara& other) {
    if (this == &other) return *this;
    UnlinkTargets();
    ReleaseShots();
    cStageObj::operator=(other);
    cCharaData::operator=(other);
    RelinkAsCopy();
    return *this;
}

void cChara::RelinkAsCopy() {
    BackLinks.clear();
    ShotLinks.clear();
    bUnlinked = 0;
    for (std::int32_t slot = 0; slot <= kParentSlot; ++slot)
        if (cChara* target = TargetAt(slot)) target->AddBackLink(*this, slot);
}

void cChara::ReleaseShots() {
    for (const SHOTLINK& link : ShotLinks) {
        auto* shot = dynamic_cast<cShotObj*>(link.lpObject);
        if (!shot) continue;
        if (shot->lpTargetOwner == this) shot->lpTargetOwner = nullptr;
        if (shot->lpUserOwner == this) shot->lpUserOwner = nullptr;
    }
    ShotLinks.clear();
}

cChara::~cChara() {
    UnlinkTargets();
    ReleaseShots();
}

void cChara::CopyFrom(const cChara& other) {
    if (this != &other) *this = other;
}

void cChara::SetPosition(double x, double y) {
    SetCenterX(x);
    SetCenterY(y);
}

void cChara::MoveTo(double x, double y) {
    SetPosition(x, y);
    dVX = dVY = 0;
}

void cChara::SetCenterX(double x) {
    dX += x - (nScrLeft + nScrWidth / 2);
    AfterMoveX();
}

void cChara::MoveToX(double x) {
    SetCenterX(x);
    dVX = dVY = 0;
}

void cChara::SetCenterY(double y) {
    dY += y - (nScrTop + nScrHeight / 2);
    AfterMoveY();
}

void cChara::MoveToY(double y) {
    SetCenterY(y);
    dVX = dVY = 0;
}

void cChara::RescaleOffsets(std::int32_t newScale, std::int32_t oldScale) {
    if (newScale == oldScale) return;
    // Older projects moved the character by its offset; newer ones keep its
    // bottom edge where it stood.
    const std::int32_t offsets = SystemData.bRescaleOffsets ? nBaseOffsetY : nBaseOffsetY + nBaseHeight;
    dY -= static_cast<double>(offsets) * (newScale - oldScale);
    AfterMoveY();
}
