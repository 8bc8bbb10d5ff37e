// cPlayScene::StateMain: one frame of running play. Input, time, the
// sub-steps (timers, scrolling, the hero and the characters with their block
// and solid-character contacts, contacts between objects) and the drawing.
// Lists are never erased while walked: characters leave by their removal mark
// after the walk that marked them.
#include "play/PlayScene.h"

#include "engine/Conditions.h"
#include "engine/SceneLists.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/Input.h"
#include "foundation/Timing.h"
#include "platform/InputDevices.h"
#include "platform/WindowEvents.h"
#include "play/BlockContacts.h"
#include "play/Camera.h"
#include "play/CharaContacts.h"
#include "play/PlayHost.h"
#include "play/PlaySettings.h"
#include "play/SolidChara.h"
#include "project/PlayData.h"
#include "project/Replay.h"
#include "project/Stage.h"
#include "project/SystemData.h"

namespace {

constexpr std::int32_t kElapsedMax = 599999;
constexpr std::int32_t kCountdownMax = 999;
constexpr int kSeHeroDefeated = 8;
constexpr int kSeCharaDefeated = 9;

// Squeezed between blocks or characters on both sides of an axis.
bool Squeezed(const cChara& c) {
    return (c.bContact[0] && c.bContact[1]) || (c.bContact[2] && c.bContact[3]);
}

// A block just put over a character gives it a short grace in which being
// enclosed does not kill; the grace runs out frame by frame.
void TickSqueezeGrace(cChara& c) {
    if (c.nSqueezeGrace > 0) --c.nSqueezeGrace;
}

// A frame's end from a sub-step: the clear, the hero's death, or just the end.
enum : int { STEP_ON = 0, STEP_CLEAR = 1, STEP_HERO_DIES = 2, STEP_END = 3 };

// The bookkeeping of a character before its moves in a sub-step.
void BeginSubStep(cChara& c) {
    c.TickInvincibility();
    for (std::int32_t& side : c.bContact) side = 0;
    c.SavePosition();
}

} // namespace

void cPlayScene::CountElapsedTime() {
    if (nElapsedTime >= kElapsedMax) return;
    ++nPlayFrames;
    const std::int64_t t = static_cast<std::int64_t>(nPlayFrames) * 100 / 60;
    nElapsedTime = t > kElapsedMax ? kElapsedMax : static_cast<std::int32_t>(t);
}

int cPlayScene::CountDownTime(std::int32_t delta) {
    if (bTimeStop) return 0;
    if (!EveryNthCall(1, 60)) return 0;
    std::int64_t t = static_cast<std::int64_t>(scene.nStageTime) + delta;
    if (t > kCountdownMax) t = kCountdownMax;
    if (t < 1) {
        scene.nStageTime = 0;
        return 1;
    }
    scene.nStageTime = static_cast<std::int32_t>(t);
    return 0;
}

void cPlayScene::UpdateActiveObjects() {
    if (cHeroChara* hero = Hero()) {
        hero->bPresent = 1;
        hero->bOnScreen = 1;
    }
    for (std::uint8_t& g : scene.ActivationGroups) g = 0;
    for (cNpcChara& c : scene.CharaList) {
        if (CondsHoldForChara(c)) {
            c.bPresent = 1;
            c.bOnScreen = c.IsOnScreen() ? 1 : 0;
            c.UpdateInRange(scene.ActivationGroups);
        } else {
            c.bPresent = 0;
            c.bOnScreen = 0;
            c.bInRange = 0;
        }
    }
    for (cNpcChara& c : scene.CharaList)
        c.bTakesPart = c.bPresent && c.CheckActive(scene.ActivationGroups) ? 1 : 0;
    for (cItemObj& item : ItemList) {
        item.bActive = CondsHoldForItem(item) ? 1 : 0;
        item.bOnScreen = item.IsOnScreen() ? 1 : 0;
    }
    for (cShotObj& shot : scene.LiveShots) {
        shot.bPresent = 1;
        shot.bOnScreen = shot.IsOnScreen() ? 1 : 0;
    }
}

void cPlayScene::RemoveChara(cNpcChara& chara) {
    MarkCharaRemoved(chara);
}

void cPlayScene::RestartReplay() {
    cPlayHost& host = PlayHost();
    PlayData.RestoreStageStart(1, host.GameKind(), host.TestPlay() != 0);
    SetStage(1, 1);
    nSubState = 0;
    nState = PLAY_READY;
}

int cPlayScene::KillHero(const char* reason) {
    if (reason) ErrorLogPrintf("%s", reason);
    cHeroChara* hero = Hero();
    if (!hero || hero->bDying) return 0;
    PlaySe(kSeHeroDefeated);
    return hero->Defeat() == 1 ? 1 : 0;
}

void cPlayScene::StateMain() {
    if (!bSetUp) {
        // No stage is set up (its set-up failed): nothing can run.
        nNextScene = 0;
        nSubState = 0;
        nState = PLAY_LEAVE;
        return;
    }
    if (scene.nQuit) {
        PostMainWindowClose();
        return;
    }
    if (CheckPauseKey()) return;
    if (CheckReplayHotKeys()) return;
    ++nFrameCounter;

    cInput& in = InputList.At(0);
    cHeroChara* hero = Hero();
    if (PlayHost().PlayMode() == 4) {
        // A replay: the recorded words stand in for the player's, already
        // filtered as they were when recorded. At its end it plays again.
        in.ClearDirection();
        in.ClearButtons();
        if (Replay.PlayFrame(in)) {
            RestartReplay();
            return;
        }
        in.nDirNum = DirBitsToNumber(in.wDir);
        in.RecordHistory();
        in.UpdateKeys();
    } else {
        if (hero && hero->nDirLock) in.ClearDirection();
        if (hero && hero->nButtonLock) in.ClearButtons();
        if (in.wButton == 0)
            bHeldButtons = 0;
        else if (bHeldButtons)
            in.wButton = 0;
        in.RecordHistory();
        in.UpdateKeys();
        if (SystemData.bReplay) Replay.RecordFrame(in);
    }

    CountElapsedTime();
    if (CountDownTime(-1) && hero && !hero->bDying) {
        if (KillHero(nullptr)) OnStageClear();
        return;
    }

    if (hero) {
        hero->ResetFlowMarks();
        TickSqueezeGrace(*hero);
    }
    for (cNpcChara& c : scene.CharaList) {
        TickSqueezeGrace(c);
        if (!c.bDying) c.ResetFlowMarks();
    }

    for (std::int32_t i = 0; i < Stage.nSubSteps; ++i) {
        scene.nSubStep = i;
        ++nSubStepTotal;
        const int r = SubStep();
        // The one place where the sub-step's walks are all over, on every
        // way out of it: the characters marked on the way leave here.
        RemoveMarkedCharas();
        if (r == STEP_CLEAR) {
            OnStageClear();
            return;
        }
        if (r == STEP_HERO_DIES) {
            if (KillHero(nullptr)) OnStageClear();
            return;
        }
        if (r == STEP_END) return;
    }
    DrawWorld(1, 0, 1, 1);
}

int cPlayScene::SubStep() {
    cHeroChara* hero = Hero();
    if (!hero) return STEP_END;
    cList<cNpcChara>& charas = scene.CharaList;

    UpdateActiveObjects();

    // Life timers: a character whose time is up leaves without a defeat.
    if (!hero->bDying) {
        for (cNpcChara& c : charas) {
            if (c.bDying || c.nLifeTimer == kUnlimitedLife) continue;
            if (--c.nLifeTimer < 0) RemoveChara(c);
        }
        for (cItemObj& item : ItemList)
            if (item.nLifeTimer != kUnlimitedLife) --item.nLifeTimer;
        ItemList.remove_if([](const cItemObj& item) { return item.nLifeTimer < 0; });
    }

    for (cNpcChara& c : charas) BeginSubStep(c);
    BeginSubStep(*hero);

    StepScroll(scene.ScrollX);
    StepScroll(scene.ScrollY);

    if (hero->bDying) return STEP_ON;

    // The hero.
    hero->TriggerFlows(0);
    if (hero->RunFlows(0)) return STEP_HERO_DIES;
    if (scene.nEndState == 1) return STEP_CLEAR;
    if (scene.nEndState == 2) return STEP_HERO_DIES;
    if (scene.nDefeatCheck && CheckDeaths(*this)) return STEP_END;
    ApplyFloorBlock(*hero);
    if (hero->bOnObject) RideSolidChara(*hero, charas);
    hero->StepX();
    ClampToAutoScrollX(*hero);
    if (CheckBlockSides(*hero) == 2) return KillHero("Dead 1") ? STEP_CLEAR : STEP_END;
    ClampToAutoScrollX(*hero);
    hero->ApplyGravity();
    if (hero->StepY() == 7) return KillHero("Dead 2") ? STEP_CLEAR : STEP_END;
    if (ClampToAutoScrollY(*hero) == 2) return KillHero("Dead 3") ? STEP_CLEAR : STEP_END;
    if (CheckBlockVertical(*hero) == 2) return KillHero("Dead 4") ? STEP_CLEAR : STEP_END;
    if (ClampToAutoScrollY(*hero) == 2) return KillHero("Dead 5") ? STEP_CLEAR : STEP_END;
    const bool grace = hero->nSqueezeGrace > 0;
    if (Squeezed(*hero) && !grace) {
        hero->RestorePosition();
        return KillHero("Dead SP") ? STEP_CLEAR : STEP_END;
    }
    if (SolidCharaContacts(*hero, charas) == 2 && !hero->bDying && !grace)
        return KillHero("Dead 6") ? STEP_CLEAR : STEP_END;
    if ((hero->bContact[0] || hero->bContact[1]) && RecheckBlockSides(*hero) == 2 && !grace)
        return KillHero("Dead 7") ? STEP_CLEAR : STEP_END;
    if ((hero->bContact[2] || hero->bContact[3]) && RecheckBlockVertical(*hero) == 2 && !grace)
        return KillHero("Dead 8") ? STEP_CLEAR : STEP_END;
    if (Squeezed(*hero) && !grace) {
        ErrorLogPrintf("Player[P1].LRUD = %d,%d,%d,%d", hero->bContact[0], hero->bContact[1],
                       hero->bContact[2], hero->bContact[3]);
        hero->RestorePosition();
        return KillHero("Dead 9") ? STEP_CLEAR : STEP_END;
    }
    hero->DecayKnockbackX();
    hero->DecayKnockbackY();

    // The other characters.
    for (cNpcChara& c : charas) {
        if (hero->bDying) break;
        if (c.bDying || c.bRemoveMark || !c.bPresent || !c.bTakesPart) continue;
        c.TriggerFlows(0);
        if (c.RunFlows(0)) {
            if (c.bVanish) {
                RemoveChara(c);
                continue;
            }
            const int r = CheckCharaDeath(c, *this);
            if (play_settings::KeepDefeatedCharas()) {
                if (r == 1)
                    RemoveChara(c);
                else
                    PlaySe(kSeCharaDefeated);
            } else {
                RemoveChara(c);
            }
            if (r == 1) return STEP_END; // the clear was handled with the death
            if (r != 0) return STEP_END;
            continue;
        }
        if (scene.nDefeatCheck && CheckDeaths(*this)) return STEP_END;
        if (c.bOnObject) RideSolidChara(c, charas);
        bool dies = false, leaves = false;
        if (c.StepX() == 4) leaves = true;
        if (CheckBlockSides(c) == 2) dies = true;
        c.ApplyGravity();
        const int y = c.StepY();
        if (y == 7) dies = true;
        if (y == 8) leaves = true;
        if (CheckBlockVertical(c) == 2) dies = true;
        // Enclosed on opposite sides is no death during a block change's grace,
        // whether blocks or solid characters did the enclosing.
        const bool grace = c.nSqueezeGrace > 0;
        if (SolidCharaContacts(c, charas) == 2 && !grace) dies = true;
        RecheckBlockSides(c);
        RecheckBlockVertical(c);
        if ((Squeezed(c) && !grace) || dies) {
            PlaySe(kSeCharaDefeated);
            const int r = CheckCharaDeath(c, *this);
            if (r == 1) {
                RemoveChara(c);
                return STEP_END;
            }
            if (r != 0) return STEP_END;
        } else if (leaves) {
            RemoveChara(c);
        } else {
            c.DecayKnockbackX();
            c.DecayKnockbackY();
        }
    }
    StepShots();
    if (hero->bDying) return STEP_ON;

    if (const int r = TouchBlockItem(*hero)) return r == 1 ? STEP_CLEAR : STEP_HERO_DIES;
    // The collisions handle a clear or the hero's defeat themselves.
    if (GroupCollisions(*this, SubStepFlags)) return STEP_END;
    if (!hero->bDying) {
        if (const int r = TouchItems(*hero, ItemList)) return r == 1 ? STEP_CLEAR : STEP_HERO_DIES;
    }
    return STEP_ON;
}
