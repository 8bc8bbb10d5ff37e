#include "project/PlayData.h"

cPlayData PlayData;

cPlayData::cPlayData() {
    Init();
}

void cPlayData::RegisterFields(std::uint32_t v) {
    ClearFields();
    AddInt(&bCarryStored);
    AddInt(&nMapX);
    AddInt(&nMapY);
    AddInt(&nMapEntry);
    AddInt(&nRound);
    if (v >= 758) {
        AddInt(&nStageVarFlag);
        AddInt(&nStageVarNumber);
        AddInt(&nStageVarValue);
    }
    AddInt(&nStageNumber);
    AddInt(&nAreaNumber);
    AddInt(&nStartLives);
    AddInt(&nLives);
    AddInt(&nStageScore);
    AddInt(&nScore);
    AddInt(&nTotalScore);
    AddInt(&nTimeTotal);
    AddInt(&nPlayTimeTotal);
    if (v >= 182) {
        AddInt(&nHpTotal);
        AddInt(&nSpTotal);
    }
    AddInt(&bNextStage);
    AddInt(&nBgm);
    if (v >= 166) AddInt(&bBgmLoop);
    if (v >= 194) AddInt(&nMapFacing);
    if (v >= 190) AddInt(&bBackToSafe);
    if (v >= 191) {
        AddInt(&nSafeX);
        AddInt(&nSafeY);
    }
    AddInt(&nOpenChallenges);
    AddInt(&nStorySlot);
    if (v >= 169) AddInt(&bAutoSave);
    AddInt(&bRankingPanel);
    AddInt(&nRankingTable);
    if (v >= 678) {
        AddInt(&bRestart);
        AddInt(&nRestartCol);
        AddInt(&nRestartRow);
    }
    if (v >= 679) AddInt(&nRestartFacing);
    AddString(&strStageName);
    if (v >= 724) AddString(&strKeyName);
    AddString(&strPlayerName);
}

// A new play-through: every stored field 0 and every text empty, then the
// lists at their first sizes.
void cPlayData::Init() {
    Reset();
    nOpenChallenges = 1;
    nStorySlot = -1;
    strPlayerName = "aaa";
    SaveTime = {};
    CarryFlags.assign(25, 0);
    Carries.assign(1, cHeroCarryRecord{});
    Results.clear();
    Challenges.clear();
    ClearFlags.assign(1000, 0);
    ClearFlags[0] = 1;
    CommonVars.assign(1001, 0);
}
