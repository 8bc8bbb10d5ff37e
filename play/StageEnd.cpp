// The play scene around a stage's end: the results reset when play is
// entered, the life paid for an attempt, the clear with its bonus, extra lives
// and rank places, the name entry with the ranking pages, and the scene that
// follows a clear.
#include "play/StageEnd.h"

#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/FileNames.h"
#include "foundation/Thread.h"
#include "play/PlayHost.h"
#include "play/PlayScene.h"
#include "play/Workers.h"
#include "project/OptionData.h"
#include "project/RankSet.h"
#include "project/Replay.h"
#include "project/SaveSlots.h"
#include "project/StageLoad.h"
#include "project/WorldMap.h"
#include "project/WorldMapRules.h"

#include <algorithm>

namespace {

constexpr int kSeStageClear = 14;
constexpr int kSeExtraLife = 15;
constexpr int kSeRankingEntered = 16;
constexpr std::int32_t kExtraLifeFrames = 30;
constexpr int kAnchorAboveChara = 4;

enum : int { NEXT_TITLE = 0, NEXT_WORLD_MAP = 1, NEXT_CHALLENGE = 3, NEXT_PLAY = 4 };

bool TestPlay() {
    return PlayHost().TestPlay() != 0;
}

// The play-through's rules: story (0, 1), challenge (2), free play (3), replay (4).
int PlayMode() {
    return PlayHost().PlayMode();
}

// A name as the play data and the stage-clear command keep it, without the
// '.' that ends it.
std::string WithoutEndDot(std::string name) {
    if (!name.empty() && name.back() == '.') name.pop_back();
    return name;
}

// A play-through's totals stay at the ends of their range instead of wrapping
// (a saved play-through may come with any value).
std::int32_t AddSaturated(std::int32_t total, std::int64_t add) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(total + add, INT32_MIN, INT32_MAX));
}

// The stage-start copies of both replay recorders begin again.
void ResetRecorders() {
    Replay.Reset();
    Replay.m_dwSeed = 0;
    PrevReplay.Reset();
    PrevReplay.m_dwSeed = 0;
}

// The world-map entry the story stage was started from, or none.
const cWorldEntry* ChosenEntry() {
    cWorldEvent* event = WorldMap.FindEventAtXY(PlayData.nMapX, PlayData.nMapY);
    if (!event || !event->Entries.InRange(PlayData.nMapEntry)) return nullptr;
    return &event->Entries[static_cast<std::size_t>(PlayData.nMapEntry)];
}

} // namespace

int UseLife(cPlayData& data, bool testPlay) {
    if (testPlay || data.nLives == kUnlimitedLives) return 1;
    if (data.nLives < 1) return 0;
    --data.nLives;
    return 1;
}

std::int32_t ExtraLifeSteps(std::int32_t before, std::int32_t after, std::int32_t step) {
    if (step <= 0 || after <= before) return 0;
    const std::int64_t n = static_cast<std::int64_t>(after) / step - static_cast<std::int64_t>(before) / step;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(n, 0, kMaxExtraLifeSteps));
}

std::int32_t AddExtraLife(std::int32_t lives) {
    if (lives >= kMaxLivesAfterExtra) return lives;
    return lives + 1;
}

bool RecordChallengeClear(cPlayData& data, std::int32_t stageNumber, std::int32_t score,
                          std::int32_t stageCount) {
    const std::int64_t index = static_cast<std::int64_t>(stageNumber) - 1;
    if (!data.Challenges.InRange(index)) return false;
    cEdIntPair& e = data.Challenges[static_cast<std::size_t>(index)];
    e.nFirst = 1;
    if (score > e.nSecond) {
        data.nTotalScore += score - e.nSecond;
        e.nSecond = score;
    }
    if (data.nOpenChallenges <= stageNumber) {
        data.nOpenChallenges = stageNumber < INT32_MAX ? stageNumber + 1 : stageNumber;
        if (data.nOpenChallenges > stageCount) data.nOpenChallenges = stageCount;
    }
    return true;
}

std::string FindNextStageFile(const std::string& stageName, const std::string& ownName, std::int32_t number) {
    const std::string path = ownName.empty()
                                 ? WithoutEndDot(stageName) + "-" + std::to_string(number) + ".stg4"
                                 : WithoutEndDot(ownName) + ".stg4";
    std::string found;
    if (!FindVersionedFileStr(found, path, "stg4")) return {};
    return found;
}

void cPlayScene::ResetStageResults() {
    cPlayHost& host = PlayHost();
    if (PlayData.nStageVarFlag && PlayData.CommonVars.InRange(PlayData.nStageVarNumber))
        PlayData.CommonVars[static_cast<std::size_t>(PlayData.nStageVarNumber)] = PlayData.nStageVarValue;
    PlayData.nLives = PlayData.nStartLives;
    PlayData.ResetStageState();
    PlayData.bRestart = 0;
    nSubState = 0;
    nCaption1 = nCaption2 = 0;
    bHeldButtons = 0;
    scene.nStageTime = 0;
    bRankingsDone = 0;
    Messages.clear();
    if (host.PlayMode() != 4) {
        ReplayPlayData = PlayData;
        PrevReplayPlayData = PlayData;
    }
    if (host.TestPlay()) PlayData.bNextStage = 1;
    if (host.RankingsOn())
        LoadRanking(RankSet, host.GameKind(), PlayData.strStageName, PlayData.nStageVarFlag,
                    PlayData.nStageVarNumber, PlayData.nStageVarValue);
}

void cPlayScene::OnStageClear() {
    PlaySe(kSeStageClear);
    TallyStageBonus();
    bRankingsDone = 0;
    bNewRank = 0;
    for (int& p : nRankPlaces) p = -1;
    nNextScene = 0;
    nSubState = 0;
    nState = PLAY_CLEAR;
    HoldPressedButtons();

    cPlayHost& host = PlayHost();
    const bool evaluate = TestPlay() || (host.RankingsOn() && IsLastStage(scene.nNextStage));
    if (!evaluate) return;
    nRankValues[0] = PlayData.nScore;
    nRankValues[1] = PlayData.nTimeTotal;
    nRankValues[2] = PlayData.nPlayTimeTotal;
    nRankValues[3] = PlayData.nHpTotal;
    nRankValues[4] = PlayData.nSpTotal;
    if (host.EditorStarted()) return;
    for (int i = 0; i < cRankSet::kTables; ++i) {
        if (!stage_end::ProjectRanks(host.GameKind(), i) || !stage_end::StageRanks(i)) continue;
        if (!RankSet.Tables.InRange(i)) continue;
        nRankPlaces[i] = RankSet.Tables[static_cast<std::size_t>(i)].FindPlace(nRankValues[i]);
        if (nRankPlaces[i] != -1) bNewRank = 1;
    }
}

void cPlayScene::TallyStageBonus() {
    const std::int32_t before = PlayData.nScore;
    PlayData.nScore = AddSaturated(before, PlayData.nStageScore);
    if (!bTimeStop) PlayData.nTimeTotal = AddSaturated(PlayData.nTimeTotal, scene.nStageTime);
    PlayData.nPlayTimeTotal = AddSaturated(PlayData.nPlayTimeTotal, nElapsedTime);
    if (cHeroChara* hero = Hero()) {
        PlayData.nHpTotal = AddSaturated(PlayData.nHpTotal, hero->hp);
        PlayData.nSpTotal = AddSaturated(PlayData.nSpTotal, hero->sp);
    }
    if (PlayData.nLives == kUnlimitedLives || !SystemData.bExtraLife) return;
    const std::int32_t steps = ExtraLifeSteps(before, PlayData.nScore, SystemData.nExtraLifeStep);
    for (std::int32_t k = 0; k < steps; ++k) {
        PlayData.nLives = AddExtraLife(PlayData.nLives);
        PlaySe(kSeExtraLife);
        cMessageWindow w;
        w.nKind = MSG_PICTURE;
        w.nAnchor = kAnchorAboveChara;
        if (cHeroChara* hero = Hero()) w.nAnchorChara = hero->nId;
        w.bStay = 1;
        w.nDisplay = 2;
        w.nTime = kExtraLifeFrames;
        w.bCountWhileHeld = 1;
        MeasureMessage(w, MessageFont());
        Messages.push_back(std::move(w));
        cPauseJob job;
        job.Set(kPauseStageBonus, 0, kExtraLifeFrames, 0);
        RunPauseJob(*this, job);
        if (scene.nQuit) {
            PostMainWindowClose();
            return;
        }
        if (!WaitUntilActive(PlayHost())) return;
        Messages.pop_back();
    }
}

int cPlayScene::MakeNextStageName(std::string& name, std::int32_t number) {
    name.clear();
    if (!PlayData.bNextStage || number == 0) return 0;
    name = FindNextStageFile(PlayData.strStageName, scene.strNextStage, number);
    return name.empty() ? 0 : 1;
}

int cPlayScene::IsLastStage(std::int32_t number) {
    std::string name;
    return MakeNextStageName(name, number) ? 0 : 1;
}

void cPlayScene::EnterRankingAndShowPages() {
    cPlayHost& host = PlayHost();
    if (!host.RankingsOn() || !bNewRank || bRankingsDone) return;
    const bool nameEntry = OptionData.nRankingMode == 0 || OptionData.nRankingMode == 2;
    if (nameEntry) {
        strRankName = PlayData.strPlayerName;
        host.EnterRankingName(strRankName);
        PlayData.strPlayerName = strRankName;
    } else {
        strRankName = OptionData.RankingName;
    }
    PlaySe(kSeRankingEntered);
    for (int i = 0; i < cRankSet::kTables; ++i)
        if (nRankPlaces[i] != -1 && RankSet.Tables.InRange(i))
            RankSet.Tables[static_cast<std::size_t>(i)].AddEntry(strRankName, nRankValues[i]);
    SaveRanking(RankSet, host.GameKind(), PlayData.strStageName, PlayData.nStageVarFlag,
                PlayData.nStageVarNumber, PlayData.nStageVarValue);
    bRankingsDone = 1;
    RunPlayWorker(thPage, PageThreadProc, *this);
}

int cPlayScene::NextSceneAfterClear() {
    if (stage_end::CarriesHeroStatus()) {
        std::int32_t i = 0;
        for (cHeroChara* hero : scene.HeroList) {
            if (hero)
                PlayData.StoreHeroStatus(i, hero->Def, hero->hp, hero->sp, hero->Def.CharaEffectA,
                                         hero->Def.CharaEffectAParam, hero->Def.CharaEffectAOption,
                                         scene.nStageTime, PlayData.nLives, nPrevMusic);
            ++i;
        }
    }
    const std::int32_t area = PlayData.nAreaNumber;
    // The next file of the series: loaded, it plays on in this scene.
    auto nextStage = [&] {
        if (!PlayData.bNextStage || scene.nNextStage == 0) return false;
        PlayData.nAreaNumber = scene.nNextStage;
        std::string name;
        if (!MakeNextStageName(name, scene.nNextStage)) return false;
        if (LoadStageForPlay(name, 0, &ReplayStage) != 1) return false;
        ResetRecorders();
        return true;
    };
    switch (PlayMode()) {
    case 0:
    case 1: {
        if (!TestPlay() && nextStage()) return NEXT_PLAY;
        if (PlayData.ClearFlags.InRange(PlayData.nStageNumber))
            PlayData.ClearFlags[static_cast<std::size_t>(PlayData.nStageNumber)] = 1;
        PlayData.RecordStageResult(PlayData.strStageName, PlayData.strKeyName, PlayData.nStageVarFlag,
                                   PlayData.nStageVarNumber, PlayData.nStageVarValue, PlayData.nScore);
        const cWorldEntry* entry = ChosenEntry();
        const std::int32_t endMode = entry ? EntryEndMode(*entry) : 0;
        if (endMode == 2) return NEXT_TITLE;
        if (endMode == 1) PlayData.StartNewRound();
        PlayData.nAreaNumber = area;
        return NEXT_WORLD_MAP;
    }
    case 2: {
        if (!TestPlay() && nextStage()) return NEXT_PLAY;
        if (!RecordChallengeClear(PlayData, PlayData.nStageNumber, PlayData.nScore,
                                  SystemData.nChallengeStages))
            ErrorLogPrintf("NextSceneAfterClear: challenge stage %d has no result", PlayData.nStageNumber);
        SaveChallengeData(PlayData);
        PlayData.nAreaNumber = area;
        return NEXT_CHALLENGE;
    }
    case 3:
        if (!PlayData.bNextStage || TestPlay()) {
            PlayData.bRestart = 0;
            return NEXT_PLAY;
        }
        if (nextStage()) return NEXT_PLAY;
        PlayData.nAreaNumber = area;
        return NEXT_TITLE;
    case 4:
        PlayData.RestoreStageStart(1, PlayHost().GameKind(), TestPlay());
        return NEXT_PLAY;
    default:
        return NEXT_TITLE;
    }
}

void cPlayScene::AfterHeroDefeat() {
    cPlayHost& host = PlayHost();
    HoldPressedButtons();
    if (host.PlayMode() == 4) {
        RestartReplay();
        return;
    }
    if (!UseLife(PlayData, TestPlay())) {
        nSubState = 0;
        nNextScene = 0;
        nState = PLAY_GAME_OVER;
        return;
    }
    if (stage_end::CarriesHeroStatus()) PlayData.ClearCarryFlags(0);
    PlayData.RestoreStageStart(0, host.GameKind(), TestPlay());
    if (host.GameKind() == GAME_STORY && SystemData.bContinue) {
        nSubState = 0;
        nState = PLAY_CONTINUE;
        return;
    }
    SetStage(1, 0);
    nSubState = 0;
    nState = PLAY_READY;
}
