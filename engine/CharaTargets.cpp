// A character's targets and parent, and the back-links through which the
// characters pointing at it are found when it goes.
#include "engine/Chara.h"

#include "engine/EngineScene.h"
#include "engine/HeroChara.h"

#include <algorithm>

void cChara::AddBackLink(cChara& holder, std::int32_t slot) {
    const cCharaLink link{&holder, slot};
    if (std::none_of(BackLinks.begin(), BackLinks.end(),
                     [&](const cCharaLink& l) { return IsSameLink(l, link); }))
        BackLinks.push_back(link);
}

void cChara::RemoveBackLink(cChara& holder, std::int32_t slot) {
    const cCharaLink link{&holder, slot};
    auto it = std::find_if(BackLinks.begin(), BackLinks.end(),
                           [&](const cCharaLink& l) { return IsSameLink(l, link); });
    if (it != BackLinks.end()) BackLinks.erase(it);
}

cChara* cChara::TargetAt(std::int32_t slot) const {
    if (slot >= 0 && slot < kTargetSlots) return Targets.InRange(slot) ? Targets[slot] : nullptr;
    if (slot == kParentSlot) return lpParent;
    return nullptr;
}

void cChara::SetTarget(std::int32_t slot, cChara* chara) {
    cChara* old = TargetAt(slot);
    if (old == chara || (slot != kParentSlot && !Targets.InRange(slot))) return;
    if (slot < 0 || slot > kParentSlot) return;
    if (old) old->RemoveBackLink(*this, slot);
    if (slot == kParentSlot)
        lpParent = chara;
    else
        Targets[slot] = chara;
    if (chara) chara->AddBackLink(*this, slot);
}

void cChara::InitTargets(cChara* parent) {
    cSceneState& scene = Scene();
    cChara* hero = scene.HeroList.empty() ? nullptr : scene.HeroList[0];
    SetTarget(0, hero);
    SetTarget(kParentSlot, parent);
}

void cChara::UnlinkTargets() {
    // Taken out first: the holders' slots are cleared without touching the
    // vector being walked. A holder whose slot no longer names this character
    // (a copy's links, or a link already moved) is left alone.
    cVector<cCharaLink> links = std::move(BackLinks);
    BackLinks.clear();
    for (const cCharaLink& l : links) {
        cChara* holder = l.lpChara;
        if (!holder || holder->TargetAt(l.nSlot) != this) continue;
        if (l.nSlot == kParentSlot)
            holder->lpParent = nullptr;
        else
            holder->Targets[l.nSlot] = nullptr;
    }
    for (std::int32_t slot = 0; slot <= kParentSlot; ++slot) {
        cChara* target = TargetAt(slot);
        if (!target) continue;
        if (target != this) target->RemoveBackLink(*this, slot);
        if (slot == kParentSlot)
            lpParent = nullptr;
        else
            Targets[slot] = nullptr;
    }
}
