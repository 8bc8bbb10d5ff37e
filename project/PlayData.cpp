#include "project/PlayData.h"

#include "project/SystemData.h"
#include "project/WorldMap.h"

#include <algorithm>

cPlayData PlayData;
cPlayData ReplayPlayData;
cPlayData PrevReplayPlayData;

namespace {

// The most challenge pairs kept: a project's stage count beyond it is damage.
constexpr std::int32_t kMaxChallengePairs = 100000;

// A list shorter than a new play-through's gets zeroed entries up to that size,
// so that every number a stage can name stays inside it.
template <class T> void PadTo(cVector<T>& list, std::size_t size) {
    if (list.size() < size) list.resize(size);
}

} // namespace

void cHeroCarryRecord::Load(cRecordFile& file) {
    Carry.Load(file);
    if (!file.Damaged()) Def.Load(file);
}

void cHeroCarryRecord::Save(cRecordFile& file) {
    Carry.Save(file);
    Def.Save(file);
}

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
    CarryFlags.assign(kPlayCarryItems, 0);
    Carries.assign(1, cHeroCarryRecord{});
    Results.clear();
    Challenges.clear();
    ClearFlags.assign(kClearFlagCount, 0);
    ClearFlags[0] = 1;
    CommonVars.assign(kCommonVarCount, 0);
}

void cPlayData::Normalise() {
    if (nMapX < 0 || nMapX >= WorldMap.nWidth) nMapX = WorldMap.nStartX;
    if (nMapY < 0 || nMapY >= WorldMap.nHeight) nMapY = WorldMap.nStartY;
    const std::int32_t pairs = std::clamp(SystemData.nChallengeStages, 0, kMaxChallengePairs);
    Challenges.resize(static_cast<std::size_t>(pairs));
}

void cPlayData::Load(cRecordFile& file) {
    const std::uint32_t v = file.LoadVersion();
    // Load works on a copy that replaces this record only when the whole file
    // was good; starting it afresh keeps what an older file lacks from being
    // taken over from the play-through read into.
    Init();
    cSaveData::Load(file);
    if (file.Damaged()) return;
    file.Read(&SaveTime, sizeof SaveTime);
    if (v >= 501) LoadValueVector(file, CarryFlags);
    LoadRecordVector(file, Carries, kMinHeroCarryBytes);
    LoadRecordVector(file, Results);
    LoadRecordVector(file, Challenges);
    LoadValueVector(file, ClearFlags);
    LoadValueVector(file, CommonVars);
    if (file.Damaged()) return;

    if (v < 166) bBgmLoop = 1;
    if (v < 501) CarryFlags.assign(kPlayCarryItems, 1);
    if (v < 724) strKeyName = strStageName;
    if (v < 754) ClearFlags.resize(kClearFlagCount);
    if (v < 804 && !ClearFlags.empty()) ClearFlags[0] = 1;
    PadTo(CarryFlags, kPlayCarryItems);
    PadTo(Carries, 1);
    PadTo(ClearFlags, kClearFlagCount);
    PadTo(CommonVars, kCommonVarCount);
    Normalise();
}

void cPlayData::Save(cRecordFile& file) {
    Normalise();
    cSaveData::Save(file);
    file.Write(&SaveTime, sizeof SaveTime);
    SaveValueVector(file, CarryFlags);
    SaveRecordVector(file, Carries);
    SaveRecordVector(file, Results);
    SaveRecordVector(file, Challenges);
    SaveValueVector(file, ClearFlags);
    SaveValueVector(file, CommonVars);
}
