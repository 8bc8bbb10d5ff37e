// cPlayData: the state of one play-through that outlives a stage: the hero's
// place on the world map, lives and scores, the project's global (common)
// variables, the stage-clear flags and results, the results of the challenge
// stages, the carried hero status, the restart point of the next stage, the
// music in play, the stage being played and the save time. `PlayData` is the
// play-through in use; `ReplayPlayData` and `PrevReplayPlayData` are the
// copies taken at the start of the attempt in progress and of the one before,
// which are stored with the replays. Story slots and Challenge.dat are in
// project/SaveSlots.h.
#pragma once

#include "foundation/SaveData.h"
#include "foundation/SmallRecords.h"
#include "platform/LocalTime.h"
#include "project/StageName.h"
#include "records/EdChara.h"

#include <cstdint>
#include <string>

constexpr std::int32_t kUnlimitedLives = 999999;
constexpr std::int32_t kMaxScore = 999999;
constexpr std::size_t kPlayCarryItems = 25;
constexpr std::size_t kClearFlagCount = 1000;
constexpr std::size_t kCommonVarCount = 1001;

// Game kinds: the rules a play-through follows.
enum eGameKind : std::int32_t { GAME_STORY = 0, GAME_CHALLENGE = 1, GAME_FREE = 2 };

// What one hero carries to the next stage: its numbers, then its definition
// (in the definition's own stored layout).
struct cHeroCarryRecord {
    cHeroCarry Carry;
    cEdChara Def;

    void Load(cRecordFile& file);
    void Save(cRecordFile& file);
};

// The least bytes one stored carry record takes: its field and string counts,
// its five numbers and the definition's own least size.
constexpr std::size_t kMinHeroCarryBytes = 28 + kMinCharaBytes;

class cPlayData : public cRecord<cPlayData> {
public:
    cPlayData();

    void RegisterFields(std::uint32_t version) override;
    // The registered part, then the save time and the lists. A file of an older
    // version is brought up to date; what it does not hold starts as in a new
    // play-through, never as left over from the play data read into.
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

    // The state of a new play-through (the lists at their first sizes). The
    // copy kept at the start of a stage is not touched.
    void Init();
    // The world-map position inside the map and one challenge pair per
    // challenge stage of the project.
    void Normalise();

    // Stage names and results.
    void MakeStageName(const std::string& path, std::int32_t flag, std::int32_t number, std::int32_t value);
    void RecordStageResult(const std::string& stageName, const std::string& keyName, std::int32_t flag,
                           std::int32_t number, std::int32_t value, std::int32_t score);
    std::int32_t FindStageValue(const std::string& keyName) const;
    void SumClearedValues();

    // The stage-start copy: kept at every stage set-up, brought back by a
    // retry or give-up (force 0) or by a replay restart (force non-zero).
    void SaveStageStart();
    void RestoreStageStart(std::int32_t force, std::int32_t gameKind, bool testPlay);
    // The results the clears tally (stage score, score and the four totals)
    // back to none: a replay that plays again and a test play of one stage
    // count every start alone instead of adding up over their runs.
    void ResetStageState();
    void StartNewRound();
    // Moves the ranking table shown by n among those the game kind keeps.
    void StepRankingTable(std::int32_t gameKind, std::int32_t n);

    // Hero carry-over (project/HeroCarry.cpp). Restoring writes the definition
    // items into `def`, the countdown and the music into Stage, the lives here.
    void StoreHeroStatus(std::int32_t hero, const cEdChara& def, std::int32_t hp, std::int32_t sp,
                         std::int16_t effect, std::uint8_t effectParam, std::uint8_t effectOption,
                         std::int32_t countdown, std::int32_t lives, std::int32_t music);
    void RestoreHeroStatus(std::int32_t hero, cEdChara& def);
    void GetCarriedValues(std::int32_t hero, std::int32_t& hp, std::int32_t& sp) const;
    void ClearCarryFlags(std::int32_t ignored = 0);

    // Registered fields, in file order.
    std::int32_t bCarryStored = 0;
    std::int32_t nMapX = 0, nMapY = 0;
    std::int32_t nMapEntry = 0;
    std::int32_t nRound = 0;
    std::int32_t nStageVarFlag = 0, nStageVarNumber = 0, nStageVarValue = 0; // from 758
    std::int32_t nStageNumber = 0;
    std::int32_t nAreaNumber = 0;
    std::int32_t nStartLives = 0;
    std::int32_t nLives = 0;      // 999999 = unlimited
    std::int32_t nStageScore = 0; // 0..999999
    std::int32_t nScore = 0;
    std::int32_t nTotalScore = 0;
    std::int32_t nTimeTotal = 0;
    std::int32_t nPlayTimeTotal = 0;
    std::int32_t nHpTotal = 0, nSpTotal = 0; // from 182
    std::int32_t bNextStage = 0;
    std::int32_t nBgm = 0;
    std::int32_t bBgmLoop = 0;           // from 166
    std::int32_t nMapFacing = 0;         // from 194
    std::int32_t bBackToSafe = 0;        // from 190
    std::int32_t nSafeX = 0, nSafeY = 0; // from 191
    std::int32_t nOpenChallenges = 0;
    std::int32_t nStorySlot = -1;
    std::int32_t bAutoSave = 0; // from 169
    std::int32_t bRankingPanel = 0;
    std::int32_t nRankingTable = 0;
    std::int32_t bRestart = 0, nRestartCol = 0, nRestartRow = 0; // from 678
    std::int32_t nRestartFacing = 0;                             // from 679

    std::string strStageName;
    std::string strKeyName; // from 724
    std::string strPlayerName;

    SYSTEMTIME SaveTime;
    cVector<std::int32_t> CarryFlags; // 25 after a reset
    cVector<cHeroCarryRecord> Carries;
    cVector<cStageResult> Results;
    cVector<cEdIntPair> Challenges;
    cVector<std::int32_t> ClearFlags; // 1000 after a reset; entry 0 is 1
    cVector<std::int32_t> CommonVars; // 1001 after a reset

    // Kept in memory only: the state at the start of the stage.
    cVector<std::int32_t> StartCommonVars;
    std::int32_t nKeptLives = 0;
    std::int32_t nKeptScore = 0;
};

extern cPlayData PlayData;
extern cPlayData ReplayPlayData;     // as at the start of the attempt in progress
extern cPlayData PrevReplayPlayData; // as at the start of the attempt before it
