#include "play/CharaContacts.h"

#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/NpcChara.h"
#include "engine/SceneLists.h"
#include "play/PlaySettings.h"
#include "play/RectGrid.h"
#include "records/EdItem.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// A part rectangle of a character; one that was never given a size stands
// for the whole position rectangle.
cRectD PartRect(const cChara& c, int part) {
    const cSubRect& r = c.SubRect[part];
    if (r.nW <= 0 || r.nH <= 0) return {c.dX, c.dY, c.dRight, c.dBottom};
    return {r.dLeft, r.dTop, r.dRight, r.dBottom};
}

cRectD HitRect(const cChara& c) {
    return PartRect(c, 0);
}

cRectD BodyRect(const cChara& c) {
    return PartRect(c, 1);
}

cRectD AttackRect(const cShotObj& s) {
    return {s.dPartLeft, s.dPartTop, s.dPartRight, s.dPartBottom};
}

cRectD PositionRect(const cStageObj& o) {
    return {o.dX, o.dY, o.dRight, o.dBottom};
}

bool OnScreenRuleHolds(const cStageObj& o) {
    return !play_settings::OnlyOnScreenCollide() || o.bOnScreen;
}

bool IsRealAttack(const cShotObj& s) {
    return s.Shot.nPower != 0 || s.Shot.cImpact != 0 || s.Shot.sItemNo != 0;
}

bool InHitList(const cShotObj& s, const cChara* c) {
    return std::find(s.HitList.begin(), s.HitList.end(), c) != s.HitList.end();
}

// The characters of one group's list as a shot walk met them: where each
// stood (its hit rectangle) and a grid over those places. Characters only
// join a list during the walk (they leave by their removal mark after it),
// so the nodes kept stay valid.
class cGroupSnapshot {
public:
    void Take(cList<cChara*>& list) {
        nodes_.clear();
        charas_.clear();
        rects_.clear();
        for (auto it = list.begin(); it != list.end(); ++it) {
            nodes_.push_back(it);
            charas_.push_back(*it);
            rects_.push_back(HitRect(**it));
        }
        grid_.Build(rects_);
    }
    // Takes the list again unless every character is where it was.
    void Refresh(cList<cChara*>& list) {
        bool same = list.size() == charas_.size();
        std::size_t i = 0;
        for (auto it = list.begin(); same && it != list.end(); ++it, ++i) {
            const cRectD now = HitRect(**it);
            same = *it == charas_[i] && std::memcmp(&now, &rects_[i], sizeof now) == 0;
        }
        if (!same) Take(list);
    }
    // The characters whose hit rectangle may meet `r`, in list order.
    void Query(const cRectD& r, std::vector<std::uint32_t>& out) const { grid_.Query(r, out); }
    cList<cChara*>::iterator Node(std::uint32_t i) const { return nodes_[i]; }
    // The character when taken (the one at Node(i) until a hit).
    cChara* Chara(std::uint32_t i) const { return charas_[i]; }
    // Where the character stood when taken (where it stands until a hit).
    const cRectD& Rect(std::uint32_t i) const { return rects_[i]; }

private:
    std::vector<cList<cChara*>::iterator> nodes_;
    std::vector<cChara*> charas_;
    std::vector<cRectD> rects_;
    cRectGrid grid_;
};

enum class eMeet { Missed, Hit, Ended };

// Phase A: the attacks of every group against the characters of the others.
// A grid over each group's characters finds those a shot can meet; they are
// handled in list order, as a walk of the whole list would. A hit runs flows
// that may move anything, so after one the rest of that shot's walk goes
// down the list itself and the next shot sees the characters anew.
int AttacksAgainstCharas(cStageEnd& end) {
    cSceneState& scene = Scene();
    cHeroChara* hero = scene.HeroList.empty() ? nullptr : scene.HeroList[0];
    cGroupSnapshot snapshot;
    std::vector<std::uint32_t> near;
    int result = 0;
    const std::size_t groups = std::min(scene.FactionShots.size(), scene.FactionCharas.size());
    for (std::size_t g = 0; g < scene.FactionShots.size(); ++g) {
        for (std::size_t h = 0; h < groups; ++h) {
            if (h == g || scene.FactionShots[g].empty() || scene.FactionCharas[h].empty()) continue;
            cList<cChara*>& charas = scene.FactionCharas[h];
            bool taken = false, moved = false;
            for (cShotObj* s : scene.FactionShots[g]) {
                if (s->nMarkRemove || !OnScreenRuleHolds(*s)) continue;
                // Read from the record before the shot's first meeting: most
                // shots meet nobody, and nothing runs before that meeting
                // that could change the record.
                cAttackSettings a;
                bool real = false, settled = false;
                bool remove = false;
                // One shot meeting one character: whether it hit, or play ended.
                const auto meet = [&](cChara* c) {
                    // The place first: it rules out most characters, and
                    // reading it alone touches less of each than the rest.
                    if (!HitRect(*c).IsOverlap(AttackRect(*s))) return eMeet::Missed;
                    if (!OnScreenRuleHolds(*c) || !c->bPresent || c->bDying || c->Def.Invincible == 2)
                        return eMeet::Missed;
                    if (InHitList(*s, c)) return eMeet::Missed;
                    if (real && c->IsInvincible()) return eMeet::Missed;
                    c->TriggerFlowsFrom(7, s->lpUserOwner, 0);
                    if (s->lpUserOwner && a.bNotifyOwner)
                        s->lpUserOwner->TriggerFlowsFrom(20, c, a.nOwnerFlow);
                    if (real || play_settings::HarmlessAttacksCount()) {
                        const int died = c->HitByShot(*s);
                        c->TriggerHitByShotFlows(*s);
                        if (!died) {
                            EngineScene().PlaySe(7);
                            c->StartInvincibility();
                        } else {
                            if (c->nControl == 1) EngineScene().PlaySe(9);
                            const int k = CharaDeathKind(*c);
                            if (k == 1 || k == 2) {
                                if (k == 1) end.StageClear();
                                result = k;
                                return eMeet::Ended;
                            }
                        }
                    }
                    const bool pass = c->Def.BlockChara ? a.bPassSolid == 1 : a.bPassOrdinary == 1;
                    if (!a.bRemoveOnHit || pass)
                        s->HitList.push_back(c);
                    else
                        remove = true;
                    if (s->Shot.sItemNo != 0 && hero) {
                        if (const cEdItem* def = GetPaletteItem(s->Shot.cItemSrc, s->Shot.sItemNo)) {
                            cItemObj reward;
                            reward.Def = *def;
                            reward.bActive = 1;
                            if (const int r = ApplyItem(&reward, *hero)) {
                                result = r;
                                return eMeet::Ended;
                            }
                        }
                    }
                    return eMeet::Hit;
                };
                if (!taken) {
                    snapshot.Take(charas);
                    taken = true;
                } else if (moved) {
                    snapshot.Refresh(charas);
                }
                moved = false;
                const cRectD reach = AttackRect(*s);
                snapshot.Query(reach, near);
                for (const std::uint32_t i : near) {
                    // Until a hit nothing moves: the places and characters
                    // taken are those now, and the shot's own list is at hand.
                    if (!snapshot.Rect(i).IsOverlap(reach) || InHitList(*s, snapshot.Chara(i))) continue;
                    // Every meeting, those of the walk after a hit included,
                    // comes after this one.
                    if (!settled) {
                        a = AttackSettingsOf(*s);
                        real = IsRealAttack(*s);
                        settled = true;
                    }
                    const eMeet m = meet(snapshot.Chara(i));
                    if (m == eMeet::Ended) return result;
                    if (m == eMeet::Missed) continue;
                    moved = true;
                    for (auto node = std::next(snapshot.Node(i)); node != charas.end(); ++node)
                        if (meet(*node) == eMeet::Ended) return result;
                    break;
                }
                // Removal waits until the walk of the group lists is over.
                if (remove) MarkShotRemoved(*s);
            }
        }
    }
    return 0;
}

// Phase B: characters of different groups touching each other.
int CharasAgainstCharas(cStageEnd& end) {
    cSceneState& scene = Scene();
    const auto takesPart = [](const cChara& c) {
        return OnScreenRuleHolds(c) && c.Def.BlockChara == 0 && c.bPresent && !c.bDying;
    };
    const auto notify = [](cChara& hit, cChara& by) {
        if (by.lpParent && by.bReportToParent) {
            hit.TriggerFlowsFrom(4, by.lpParent, 0);
            by.lpParent->TriggerFlowsFrom(20, &hit, by.nParentFlowId);
        } else {
            hit.TriggerFlowsFrom(4, &by, 0);
        }
    };
    const std::size_t groups = scene.FactionCharas.size();
    for (std::size_t i = 0; i < groups; ++i) {
        for (std::size_t j = i + 1; j < groups; ++j) {
            if (scene.FactionCharas[i].empty() || scene.FactionCharas[j].empty()) continue;
            for (cChara* a : scene.FactionCharas[i]) {
                for (cChara* b : scene.FactionCharas[j]) {
                    if (!takesPart(*a) || !takesPart(*b)) continue;
                    if (!BodyRect(*a).IsOverlap(BodyRect(*b))) continue;
                    const bool bCan = !b->IsInvincibleTo(a->nId);
                    const bool aCan = !a->IsInvincibleTo(b->nId);
                    if (bCan) notify(*b, *a);
                    if (aCan) notify(*a, *b);
                    const bool bHit = bCan && (a->Def.power != 0 || a->Def.imp != 0);
                    const bool aHit = aCan && (b->Def.power != 0 || b->Def.imp != 0);
                    const bool atOnce = play_settings::HitFlowsAtOnce();
                    int db = 0, da = 0;
                    if (bHit) {
                        db = b->HitByChara(*a);
                        if (atOnce) b->TriggerHitByCharaFlows(*a);
                    }
                    if (aHit) {
                        da = a->HitByChara(*b);
                        if (atOnce) a->TriggerHitByCharaFlows(*b);
                    }
                    if (!atOnce) {
                        if (bHit) b->TriggerHitByCharaFlows(*a);
                        if (aHit) a->TriggerHitByCharaFlows(*b);
                    }
                    if (bHit || aHit) EngineScene().PlaySe(7);
                    const auto settle = [&](cChara& hit, cChara& by, int died) {
                        if (died) {
                            if (hit.nControl == 1) EngineScene().PlaySe(9);
                            return CharaDeathKind(hit);
                        }
                        hit.StartInvincibilityFrom(by.nId);
                        return 0;
                    };
                    for (int side = 0; side < 2; ++side) {
                        if (side == 0 ? !bHit : !aHit) continue;
                        const int k = side == 0 ? settle(*b, *a, db) : settle(*a, *b, da);
                        if (k == 1 || k == 2) {
                            if (k == 1) end.StageClear();
                            return k;
                        }
                    }
                }
            }
        }
    }
    return 0;
}

// Phase C: attacks that meet other attacks.
void AttacksAgainstAttacks() {
    cSceneState& scene = Scene();
    const std::size_t groups = scene.FactionShots.size();
    for (std::size_t i = 0; i < groups; ++i)
        for (std::size_t j = i + 1; j < groups; ++j) {
            // No pair to test: the other list is not walked for nothing.
            if (scene.FactionShots[i].empty() || scene.FactionShots[j].empty()) continue;
            for (cShotObj* p : scene.FactionShots[i]) {
                if (p->nMarkRemove) continue;
                const cAttackSettings pa = AttackSettingsOf(*p);
                for (cShotObj* q : scene.FactionShots[j]) {
                    if (q->nMarkRemove || p->nMarkRemove) continue;
                    const cAttackSettings qa = AttackSettingsOf(*q);
                    if (!pa.bVersusShots && !qa.bVersusShots) continue;
                    if (!PositionRect(*p).IsOverlap(PositionRect(*q))) continue;
                    if (qa.bVersusShots && !pa.bVersusShots) {
                        MarkShotRemoved(*q);
                    } else if (pa.bVersusShots && !qa.bVersusShots) {
                        MarkShotRemoved(*p);
                    } else if (qa.nStrength < pa.nStrength) {
                        MarkShotRemoved(*q);
                    } else if (qa.nStrength == pa.nStrength) {
                        MarkShotRemoved(*q);
                        MarkShotRemoved(*p);
                    } else {
                        MarkShotRemoved(*p);
                    }
                }
            }
        }
}

} // namespace

cAttackSettings AttackSettingsOf(const cShotObj& shot) {
    const cEdShot& s = shot.Shot;
    cAttackSettings a;
    a.bRemoveOnHit = s.byOpt15;
    a.bPassOrdinary = s.byOpt16;
    a.bPassSolid = s.byOpt17;
    a.bVersusShots = s.byOpt20;
    a.nStrength = s.cVanish;
    a.bNotifyOwner = s.byOpt22;
    a.nOwnerFlow = s.byOpt23;
    return a;
}

int CharaDeathKind(cChara& chara) {
    if (chara.nControl == 0) return 2;
    if (chara.bDying) return 0;
    return chara.Defeat();
}

int CheckCharaDeath(cChara& chara, cStageEnd& end) {
    const int k = CharaDeathKind(chara);
    if (k == 1) {
        end.StageClear();
    } else if (k == 2) {
        EngineScene().PlaySe(8);
        cSceneState& scene = Scene();
        cHeroChara* hero = scene.HeroList.empty() ? nullptr : scene.HeroList[0];
        if (hero && hero->Defeat() == 1) end.StageClear();
    }
    return k;
}

int CheckDeaths(cStageEnd& end) {
    cSceneState& scene = Scene();
    cHeroChara* hero = scene.HeroList.empty() ? nullptr : scene.HeroList[0];
    if (hero && hero->hp <= 0) {
        EngineScene().PlaySe(8);
        if (hero->Defeat() == 1) end.StageClear();
        return 1;
    }
    // The main frame may be walking the live list around this check: the
    // defeated leave by their removal mark once that walk is over.
    for (cNpcChara& c : scene.CharaList) {
        // A defeated character that is kept was handled when it fell.
        if (c.bRemoveMark || c.hp > 0 || c.bDying) continue;
        const int k = CheckCharaDeath(c, end);
        if (play_settings::KeepDefeatedCharas()) {
            if (k == 1) {
                MarkCharaRemoved(c);
                return 1;
            }
            EngineScene().PlaySe(9);
        } else {
            MarkCharaRemoved(c);
            if (k != 0) return 1;
        }
    }
    return 0;
}

int GroupCollisions(cStageEnd& end, const cVector<std::int32_t>& attackSteps) {
    cSceneState& scene = Scene();
    // Removals requested while the lists are walked wait for the end of the walk.
    scene.nDeferRemoval = 1;
    bool attacks = true;
    if (Stage.bAttackRestrict) {
        const std::int64_t n = scene.nSubStep; // counts from 0, as the flags do
        attacks = attackSteps.InRange(n) && attackSteps[static_cast<std::size_t>(n)] != 0;
    }
    int result = attacks ? AttacksAgainstCharas(end) : 0;
    RemoveMarkedShots();
    if (result == 0) result = CharasAgainstCharas(end);
    if (result == 0) {
        AttacksAgainstAttacks();
        RemoveMarkedShots();
    }
    // The flag goes down on every way out, an early one included.
    scene.nDeferRemoval = 0;
    return result;
}

int TouchItems(cHeroChara& hero, cList<cItemObj>& items) {
    const cRectD reach = PartRect(hero, 2);
    for (auto it = items.begin(); it != items.end();) {
        cItemObj& item = *it;
        if (!item.bActive || item.bDisabled || item.Def.TakeRule == 2) {
            ++it;
            continue;
        }
        if (!reach.IsOverlap(PositionRect(item))) {
            if (item.Def.TakeRule == 1) hero.EndItemTouch(item.nId);
            ++it;
            continue;
        }
        hero.TriggerFlows(8);
        if (item.Def.TakeRule == 1) {
            if (!hero.IsNewItemTouch(item.nId)) {
                ++it;
                continue;
            }
            hero.TouchedItems.push_back(item.nId);
        }
        const int r = ApplyItem(&item, hero);
        if (item.Def.TakeRule == 0)
            it = items.erase(it);
        else
            ++it;
        if (r != 0) return r;
    }
    return 0;
}

int ApplyItem(cItemObj* item, cChara& chara) {
    if (!item || !item->bActive || item->Def.TakeRule == 2) return 0;
    cSceneState& scene = Scene();
    cHeroChara* hero = scene.HeroList.empty() ? nullptr : scene.HeroList[0];
    if (item->Def.ShowMessage && hero) hero->ShowItemMessage(item->Def, item->Def.CellBase);
    if (item->Def.Sound != 0) EngineScene().PlayDbSe(item->Def.Sound);
    if (hero && &chara == hero) return hero->RunFlowCommands(item->Def.Commands);
    return 0;
}
