// cPlayData: the state of one play-through that outlives a stage: the hero's
// place on the world map, lives and scores, the project's global (common)
// variables, the stage-clear flags and results, the carried hero status, the
// restart point of the next stage and the music in play. `PlayData` is the
// play-through in use. The stored fields are registered here; reading and
// writing the save slots come with the save screens.
#pragma once

#include "foundation/SaveData.h"
#include "foundation/SmallRecords.h"
#include "records/EdChara.h"

#include <cstdint>
#include <string>

constexpr std::int32_t kUnlimitedLives = 999999;
constexpr std::int32_t kMaxScore = 999999;

// The save time as the stored 16-byte record (year, month, day of week, day,
// hour, minute, second, milliseconds).
struct cSaveTime {
    std::uint16_t wField[8] = {};
};

// What one hero carries to the next stage: its numbers and its definition.
struct cHeroCarryRecord {
    cHeroCarry Carry;
    cEdChara Def;
};

class cPlayData : public cRecord<cPlayData> {
public:
    cPlayData();

    void RegisterFields(std::uint32_t version) override;
    // The state of a new play-through (the vectors at their reset sizes).
    void Init();

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

    cSaveTime SaveTime;
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
