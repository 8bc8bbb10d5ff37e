#include "engine/CmdTarget.h"

#include "engine/Chara.h"
#include "engine/CmdMove.h"
#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/Search.h"
#include "records/EdCommand.h"

#include <algorithm>

namespace {

enum : int {
    kChooseHero = 0,
    kChooseSelf = 1,
    kChooseNearest = 2,
    kChooseFirst = 3,
    kChooseParent = 4,
    kChooseLastChild = 5,
    kChooseChild = 6,
    kChooseTarget1 = 7,
    kChooseTarget4 = 10,
};

cCharaFilter FilterOf(const cChara& self, const cEdCommand& c) {
    cCharaFilter f;
    f.bNotId = c.Param(5) != 0;
    f.nNotId = self.nId;
    f.bNotInvincible1 = c.Param(6) != 0;
    f.bNotInvincible2 = c.Param(7) != 0;
    f.bNotBlockChara = c.Param(8) != 0;
    f.bCid = c.Param(9) != 0;
    f.nCid = static_cast<std::uint8_t>(c.Param(10));
    f.bVar = c.Param(11) != 0;
    f.nVarIndex = static_cast<std::int16_t>(c.Param(12));
    f.nVarValue = c.Param(13);
    f.nVarOp = c.Param(14);
    return f;
}

// A faction's list without its dying characters (a defeated character stays
// listed until stage play removes it, but is no longer chosen).
cList<cChara*> LivingOf(std::int32_t faction) {
    cList<cChara*> out;
    cSceneState& s = Scene();
    if (faction < 0 || faction >= kFactionCount || !s.FactionCharas.InRange(faction)) return out;
    for (cChara* c : s.FactionCharas[static_cast<std::size_t>(faction)])
        if (c && !c->bDying) out.push_back(c);
    return out;
}

cChara* Nearest(const cChara& self, const cEdCommand& c, const cCharaFilter& filter) {
    const double x = ScreenCentreX(self), y = ScreenCentreY(self);
    const std::int32_t range = c.Param(4);
    if (!c.Param(3)) return FindNearestCharaAt(x, y, LivingOf(c.Param(2)), range, filter);
    // Each faction's winner, in faction order, then the winner among them: of
    // equally near ones the lowest faction's.
    cList<cChara*> winners;
    for (std::int32_t g = 0; g < kFactionCount; ++g) {
        const cList<cChara*> list = LivingOf(g);
        if (list.empty()) continue;
        if (cChara* w = FindNearestCharaAt(x, y, list, range, filter)) winners.push_back(w);
    }
    return winners.empty() ? nullptr : FindNearestCharaAt(x, y, winners, range, filter);
}

cChara* First(const cEdCommand& c, const cCharaFilter& filter) {
    if (!c.Param(3)) return FindFirstChara(LivingOf(c.Param(2)), filter);
    for (std::int32_t g = 0; g < kFactionCount; ++g)
        if (cChara* w = FindFirstChara(LivingOf(g), filter)) return w;
    return nullptr;
}

cChara* LastChild(const cChara& self) {
    for (auto it = self.BackLinks.rbegin(); it != self.BackLinks.rend(); ++it)
        if (it->nSlot == kParentSlot && it->lpChara) return it->lpChara;
    return nullptr;
}

// The later summoned child that passes: neither present nor on-screen flag is tested.
cChara* Child(const cChara& self, const cEdCommand& c, const cCharaFilter& filter) {
    const bool any = c.Param(3) != 0;
    const std::int32_t faction = c.Param(2);
    for (auto it = self.BackLinks.rbegin(); it != self.BackLinks.rend(); ++it) {
        cChara* child = it->lpChara;
        if (it->nSlot != kParentSlot || !child || child->bDying) continue;
        if (!any && child->nGroup != faction) continue;
        if (filter.Passes(*child)) return child;
    }
    return nullptr;
}

cChara* Choose(cChara& self, const cEdCommand& c) {
    const std::int32_t choice = c.Param(1);
    const cCharaFilter filter = FilterOf(self, c);
    cSceneState& s = Scene();
    switch (choice) {
    case kChooseHero:
        return s.HeroList.empty() ? nullptr : s.HeroList[0];
    case kChooseSelf:
        return &self;
    case kChooseNearest:
        return Nearest(self, c, filter);
    case kChooseFirst:
        return First(c, filter);
    case kChooseParent:
        return self.lpParent;
    case kChooseLastChild:
        return LastChild(self);
    case kChooseChild:
        return Child(self, c, filter);
    default:
        if (choice >= kChooseTarget1 && choice <= kChooseTarget4)
            return self.TargetAt(choice - kChooseTarget1);
        return nullptr;
    }
}

} // namespace

void SetTargetSlot(cChara& c, std::int32_t slot, cChara* target, bool emptyWhenNone) {
    if (slot < 0 || slot >= kTargetSlots || !c.Targets.InRange(slot)) return;
    if (!emptyWhenNone && !target) return;
    auto& held = c.Targets[static_cast<std::size_t>(slot)];
    if (cChara* old = held) {
        // Every equal link goes, in one pass over the old target's links.
        const cCharaLink link{&c, slot};
        std::erase_if(old->BackLinks, [&](const cCharaLink& l) { return IsSameLink(l, link); });
        held = nullptr;
    }
    if (!target) return;
    held = target;
    target->AddBackLink(c, slot);
}

void SetTargetFromCommand(cChara& chara, const cEdCommand& command) {
    cChara* found = Choose(chara, command);
    const std::int32_t slot = command.Param(0);
    switch (command.Param(15)) {
    case 0:
        SetTargetSlot(chara, slot, found, true);
        break;
    case 1:
        SetTargetSlot(chara, slot, found, false);
        break;
    default:
        break;
    }
}

int CmdSetTarget(cChara& chara, cFlowCommand& entry) {
    SetTargetFromCommand(chara, *entry.lpCmd);
    return 0;
}
