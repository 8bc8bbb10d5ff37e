#include "engine/StageObjects.h"

#include "engine/Chara.h"

#include <algorithm>
#include <cmath>

cItemObj::cItemObj() {
    // An item object's definition starts with the defaults of a new item.
    Def.Init();
}

void cItemObj::RescaleOffsets(std::int32_t newScale, std::int32_t oldScale) {
    if (newScale == oldScale) return;
    dY -= static_cast<double>(nHeight + nOffsetY) * (newScale - oldScale);
    RecomputeY();
}

cShotObj::cShotObj() {
    Shot.Reset();
}

cShotObj::cShotObj(const cShotObj& other) : cStageObj(other) {
    std::copy(std::begin(other.nParts), std::end(other.nParts), nParts);
    std::copy(std::begin(other.nBaseParts), std::end(other.nBaseParts), nBaseParts);
    dPartLeft = other.dPartLeft, dPartTop = other.dPartTop;
    dPartRight = other.dPartRight, dPartBottom = other.dPartBottom;
    HitList = other.HitList;
    Shot = other.Shot;
    nMarkRemove = other.nMarkRemove;
    bMoving = other.bMoving;
    nHitEffect = other.nHitEffect;
    Motion = other.Motion;
    // The links name the original object; a copy starts unlinked.
}

cShotObj& cShotObj::operator=(const cShotObj& other) {
    if (this == &other) return *this;
    UnlinkOwners();
    cShotObj copy(other);
    cStageObj::operator=(copy);
    std::copy(std::begin(copy.nParts), std::end(copy.nParts), nParts);
    std::copy(std::begin(copy.nBaseParts), std::end(copy.nBaseParts), nBaseParts);
    dPartLeft = copy.dPartLeft, dPartTop = copy.dPartTop;
    dPartRight = copy.dPartRight, dPartBottom = copy.dPartBottom;
    HitList = std::move(copy.HitList);
    Shot = copy.Shot;
    nMarkRemove = copy.nMarkRemove;
    bMoving = copy.bMoving;
    nHitEffect = copy.nHitEffect;
    Motion = copy.Motion;
    return *this;
}

cShotObj::~cShotObj() {
    UnlinkOwners();
}

int cShotObj::RescaleParts(std::int32_t scale) {
    for (int i = 0; i < 4; ++i) nParts[i] = nBaseParts[i] * scale;
    return 0;
}

void cShotObj::RescaleOffsets(std::int32_t newScale, std::int32_t oldScale) {
    if (newScale == oldScale) return;
    dY -= static_cast<double>(nHeight / 2) * (newScale - oldScale);
    RecomputeY();
}

void cShotObj::UpdatePartsX() {
    dPartLeft = std::trunc(dX) + nParts[0];
    dPartRight = dPartLeft + nParts[2] - 1;
}

void cShotObj::UpdatePartsY() {
    dPartTop = std::trunc(dY) + nParts[1];
    dPartBottom = dPartTop + nParts[3] - 1;
}

void cShotObj::UnlinkOwners() {
    auto unlink = [this](cChara* owner, std::int32_t tag) {
        if (!owner) return;
        const SHOTLINK link{this, tag};
        std::erase(owner->ShotLinks, link);
    };
    unlink(lpTargetOwner, 0);
    unlink(lpUserOwner, 4);
    lpTargetOwner = nullptr;
    lpUserOwner = nullptr;
}
