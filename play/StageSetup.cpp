// cPlayScene::SetStage: the playing stage made ready for its first frame, on
// entry, on every retry and when a replay starts over.
#include "play/PlayScene.h"

#include "engine/Conditions.h"
#include "engine/SceneLists.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/Input.h"
#include "foundation/MessageBox.h"
#include "foundation/Timing.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "play/BlockGrid.h"
#include "play/Camera.h"
#include "play/Placement.h"
#include "play/PlayHost.h"
#include "play/StageEnd.h"
#include "play/StageLimits.h"
#include "project/PlayData.h"
#include "project/Replay.h"
#include "project/Stage.h"
#include "project/SystemData.h"

#include <new>

namespace {

constexpr std::int32_t kStageVarCount = 1001;
constexpr std::int32_t kActivationGroups = 60;
constexpr std::int32_t kCountdownMax = 999;

// One entry per sub-step: 1 where attacks hit. `count` of them spread evenly
// over `steps`, the last one marked when the spread fell short; 0 marks all.
cVector<std::int32_t> SubStepFlagsFor(std::int32_t steps, std::int32_t count) {
    cVector<std::int32_t> flags;
    if (steps <= 0) return flags;
    if (count <= 0) {
        flags.assign(static_cast<std::size_t>(steps), 1);
        return flags;
    }
    flags.assign(static_cast<std::size_t>(steps), 0);
    const double d = static_cast<double>(steps) / count;
    std::int32_t marked = 0;
    for (std::int32_t k = 0; k < count; ++k) {
        const auto i = static_cast<std::int64_t>(k * d);
        if (i >= steps) break;
        if (!flags[static_cast<std::size_t>(i)]) ++marked;
        flags[static_cast<std::size_t>(i)] = 1;
    }
    if (marked < count) flags.back() = 1;
    return flags;
}

} // namespace

void cPlayScene::SetStage(int bLoadStage, int bFirst) {
    try {
        ErrorLogPrintf("In SetStage bLoadStage = %d", bLoadStage);
        bSetUp = 0;
        nFrameCounter = 0;

        // Every object of the last attempt goes, links first.
        for (cNpcChara& c : scene.CharaList) c.UnlinkTargets();
        for (cHeroChara& h : Heroes) h.UnlinkTargets();
        scene.FactionCharas.assign(kFactionCount, cList<cChara*>());
        scene.LiveShots.clear();
        scene.FactionShots.assign(kFactionCount, cList<cShotObj*>());
        scene.CharaList.clear();
        ItemList.clear();
        Effects.clear();
        Messages.clear();
        ReleaseStagePictures();
        StopScreenEffect();

        // The settings as they were when the attempt started: status commands
        // may have changed them. Play never changes the placement tables. A
        // replay starting over takes the play data it began with again.
        const bool viewing = PlayHost().PlayMode() == 4;
        if (bLoadStage) {
            Stage.CopySettingsFrom(ReplayStage);
            if (viewing) PlayData = ReplayPlayData;
        }

        // The seed: the recorded one in a replay, a new one when this attempt is
        // recorded, else the one of the last set-up (the constructor's at first).
        // A recorded attempt keeps the play data it starts with for its file;
        // the attempt before it becomes the previous one.
        if (viewing) {
            Replay.RewindPlayback();
            nSeed = Replay.m_dwSeed;
        } else if (SystemData.bReplay) {
            PrevReplayPlayData = ReplayPlayData;
            ReplayPlayData = PlayData;
            PrevReplay = Replay;
            Replay.Reset();
            Replay.m_dwSeed = timeGetTime();
            nSeed = Replay.m_dwSeed;
        }
        GameSrand(nSeed);

        // A stage that carries the hero's status on takes back what the last
        // clear stored: into the hero's definition, the countdown and music
        // of the stage, the lives. It goes into a copy of the placement, so
        // the stage's own table stays as loaded and a carry flag cleared by a
        // lost life really drops its item at the next set-up.
        const bool carries = stage_end::CarriesHeroStatus();
        const std::int32_t heroIndex = Stage.FindHero();
        cEdChara heroDef = heroIndex >= 0 ? Stage.Charas.At(heroIndex) : cEdChara();
        if (carries) PlayData.RestoreHeroStatus(0, heroDef);

        // Music: a retry keeps music that already plays; a first set-up keeps
        // it only when the stage asks to.
        const bool same = nPrevMusic == Stage.nBgm;
        if (bFirst == 0) {
            if (!same) PlayBgm(Stage.nBgm, Stage.bBgmLoop);
        } else if (!(Stage.bBgmKeep && same)) {
            PlayBgm(Stage.nBgm, Stage.bBgmLoop);
        } else if (Stage.nBgm == 0) {
            PlayBgm(0, Stage.bBgmLoop);
        }
        nPrevMusic = Stage.nBgm;

        for (std::int32_t& n : nPlaced) n = 0;
        BoundLevel(Stage);
        // A map too large to hold leaves the stage unset: the scene leaves.
        if (!MapFitsPlay(Stage)) {
            scene.HeroList.clear();
            Heroes.clear();
            return;
        }
        SetUpScrollAxes(scene, Stage);

        // The block grid: every cell empty (its condition cache too), then the
        // stage's blocks in list order.
        BlockGrid.Reset(scene.nMapCols, scene.nMapRows, scene.nGridPitch);
        for (const cEdBlock& b : Stage.Blocks) {
            const std::int32_t cell = BlockGrid.CellOf(b.Column + kMapMargin, b.Row + kMapMargin);
            cBlock* target = BlockGrid.At(cell);
            if (!target) {
                ReportError("SetStage: block (%d, %d) lies outside the map", b.Column, b.Row);
                continue;
            }
            static_cast<cEdBlock&>(*target) = b;
            target->nCondCache = 0;
        }

        // The hero.
        Heroes.clear();
        Heroes.emplace_back();
        cHeroChara& hero = Heroes.front();
        scene.HeroList.assign(1, &hero);
        std::int32_t col = heroDef.Column, row = heroDef.Row;
        if (PlayData.bRestart) {
            heroDef.Facing = static_cast<std::uint8_t>(PlayData.nRestartFacing);
            col = PlayData.nRestartCol;
            row = PlayData.nRestartRow;
        }
        heroDef.Control = 0;
        std::int32_t serial = 1;
        ++nPlaced[0];
        hero.Setup(heroDef, serial++, nullptr);
        hero.SetBlockPosition(col, row);
        hero.bPresent = 1;
        if (carries) PlayData.GetCarriedValues(0, hero.hp, hero.sp);
        hero.SetAnime(hero.bStartAnime ? 2 : 0, 1);

        CentreScrollOn(scene, hero);
        hero.UpdateScreenRect();
        if (hero.Def.SightShape != 0) CreateSightMask();

        scene.StageVars.assign(kStageVarCount, 0);

        // Placements: characters (each with the item it carries), then the
        // items no character carries.
        cVector<std::uint8_t> itemUsed(Stage.Items.size(), 0);
        std::int32_t itemSerial = 1;
        for (std::size_t i = 0; i < Stage.Charas.size(); ++i) {
            const cEdChara& p = Stage.Charas[i];
            if (static_cast<std::int32_t>(i) == heroIndex || p.Placed != 1) continue;
            const std::int32_t carried = p.CarriedItem;
            if (carried < 0 || static_cast<std::size_t>(carried) >= Stage.Items.size()) {
                PlaceCharas(scene.CharaList, p.Column, p.Row, serial, p, nullptr);
            } else {
                cItemObj item;
                SetupItemObj(item, Stage.Items[static_cast<std::size_t>(carried)], itemSerial++);
                PlaceCharas(scene.CharaList, p.Column, p.Row, serial, p, &item);
                itemUsed[static_cast<std::size_t>(carried)] = 1;
            }
            ++nPlaced[0];
        }
        for (std::size_t i = 0; i < Stage.Items.size(); ++i) {
            if (itemUsed[i]) continue;
            const cEdItem& item = Stage.Items[i];
            PlaceItem(ItemList, item.Column, item.Row, itemSerial, item);
            ++nPlaced[1];
        }
        scene.nObjectSerial = serial;

        // Group lists: a group outside the lists is reported and left out.
        auto join = [this](cChara& c) {
            if (c.nGroup < 0 || c.nGroup >= kFactionCount) {
                ReportError("SetStage: group %d of character %d is out of range", c.nGroup, c.nId);
                return;
            }
            scene.FactionCharas[static_cast<std::size_t>(c.nGroup)].push_back(&c);
        };
        join(hero);
        for (cNpcChara& c : scene.CharaList) join(c);

        for (std::int32_t& f : bEraseOnCond) f = 0;

        SubStepFlags = SubStepFlagsFor(Stage.nSubSteps, Stage.nAttackSteps);

        scene.nEndState = 0;
        nCaption2 = 0;
        if (Stage.bTimeLimit) {
            scene.nStageTime = Stage.nTimeLimit < 0
                                   ? 0
                                   : (Stage.nTimeLimit > kCountdownMax ? kCountdownMax : Stage.nTimeLimit);
            bTimeStop = 0;
        } else {
            scene.nStageTime = kCountdownMax;
            bTimeStop = 1;
        }
        nPlayFrames = 0;
        nElapsedTime = 0;

        scene.ActivationGroups.assign(kActivationGroups, 0);
        scene.nNextStage = 0;
        scene.nSubStep = 0;
        nSubStepTotal = 0;
        PlayData.nStageScore = 0;
        // What a retry, a lost life or a replay's new start brings back.
        if (viewing || PlayHost().TestPlay()) PlayData.ResetStageState();
        PlayData.SaveStageStart();

        for (cInput& in : InputList) in.Reset();
        EveryNthCall(0, 0);

        PlayHost().SetFrameRate(Stage.nFps);

        hero.InitTargets(nullptr);
        for (cNpcChara& c : scene.CharaList) c.InitTargets(nullptr);

        if (SystemData.bStageSetUp == 0) {
            UpdateActiveObjects();
            hero.TriggerFlows(TIMING_BEFORE_STAGE);
            for (cNpcChara& c : scene.CharaList)
                if (c.bPresent) c.TriggerFlows(TIMING_BEFORE_STAGE);
            for (cNpcChara& c : scene.CharaList) {
                if (c.bVanish) {
                    MarkCharaRemoved(c);
                } else if (c.hp <= 0) {
                    CheckCharaDeath(c, *this);
                    MarkCharaRemoved(c);
                }
            }
            RemoveMarkedCharas();
            UpdateActiveObjects();
        }
        bSetUp = 1;
        ErrorLogPrintf("Out SetStage");
    } catch (const std::bad_alloc&) {
        bSetUp = 0;
        ErrorBoxPrintf("メモリ不足により、ステージの初期設定に失敗しました！");
        PostMainWindowClose();
    }
}
