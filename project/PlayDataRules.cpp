// The play data's rules for stage names and results, the stage-start copy,
// new rounds and the ranking table shown.
#include "project/PlayData.h"

#include "project/SystemData.h"
#include "project/WorldMap.h"

void cPlayData::MakeStageName(const std::string& path, std::int32_t flag, std::int32_t number,
                              std::int32_t value) {
    bool first = false;
    strStageName = SeriesStageName(path, &first);
    nStageVarFlag = flag;
    nStageVarNumber = number;
    nStageVarValue = value;
    bNextStage = first ? 1 : 0;
    strKeyName = strStageName;
    AppendStageSuffix(strKeyName, flag, number, value);
}

void cPlayData::RecordStageResult(const std::string& stageName, const std::string& keyName, std::int32_t flag,
                                  std::int32_t number, std::int32_t value, std::int32_t score) {
    for (cStageResult& r : Results) {
        if (r.strKeyName != keyName) continue;
        if (score > r.nValue) {
            nTotalScore += score - r.nValue;
            r.nValue = score;
        }
        return;
    }
    cStageResult r;
    r.strStageName = stageName;
    r.strKeyName = keyName;
    r.nStageVarFlag = flag;
    r.nStageVarNumber = number;
    r.nStageVarValue = value;
    r.nValue = score;
    Results.push_back(r);
    nTotalScore += score;
}

std::int32_t cPlayData::FindStageValue(const std::string& keyName) const {
    for (const cStageResult& r : Results)
        if (r.strKeyName == keyName) return r.nValue;
    return 0;
}

void cPlayData::SumClearedValues() {
    nTotalScore = 0;
    for (const cStageResult& r : Results)
        if (WorldMap.FindEventEntry(r.strStageName, r.nStageVarFlag, r.nStageVarNumber, r.nStageVarValue))
            nTotalScore += r.nValue;
}

void cPlayData::SaveStageStart() {
    StartCommonVars = CommonVars;
    nKeptLives = nLives;
    nKeptScore = nScore;
}

void cPlayData::ResetStageState() {
    nStageScore = 0;
    nScore = 0;
    nTimeTotal = 0;
    nPlayTimeTotal = 0;
    nHpTotal = 0;
    nSpTotal = 0;
}

void cPlayData::RestoreStageStart(std::int32_t force, std::int32_t gameKind, bool testPlay) {
    // Before any stage set-up there is no copy to bring back.
    const bool haveVars = !StartCommonVars.empty();
    if (force) {
        if (haveVars) CommonVars = StartCommonVars;
        nScore = nKeptScore;
        nLives = nKeptLives;
        return;
    }
    std::int32_t restoreVars = 1;
    if (testPlay)
        restoreVars = SystemData.bRestoreD;
    else if (gameKind == GAME_STORY)
        restoreVars = SystemData.bRestoreA;
    else if (gameKind == GAME_CHALLENGE)
        restoreVars = SystemData.bRestoreB;
    else if (gameKind == GAME_FREE)
        restoreVars = SystemData.bRestoreC;
    if (restoreVars && haveVars) CommonVars = StartCommonVars;
    nScore = nKeptScore;
}

void cPlayData::StartNewRound() {
    ++nRound;
    ClearFlags.Fill(0);
    if (!ClearFlags.empty()) ClearFlags[0] = 1;
    nMapX = WorldMap.nStartX;
    nMapY = WorldMap.nStartY;
}

void cPlayData::StepRankingTable(std::int32_t gameKind, std::int32_t n) {
    constexpr std::int32_t kTables = static_cast<std::int32_t>(kRankingTableCount);
    const cFlagList& list = SystemData.RankingFlags.At(gameKind);
    auto on = [&](std::int32_t t) {
        return list.Flags.InRange(t) && list.Flags[static_cast<std::size_t>(t)] != 0;
    };
    std::int32_t count = 0;
    for (std::int32_t t = 0; t < kTables; ++t)
        if (on(t)) ++count;
    if (count == 0) return;

    std::int32_t table = ((nRankingTable % kTables) + kTables) % kTables;
    const std::int32_t dir = n < 0 ? -1 : 1;
    auto next = [&] {
        do table = (table + dir + kTables) % kTables;
        while (!on(table));
    };
    std::int64_t steps = n < 0 ? -static_cast<std::int64_t>(n) : n;
    if (!on(table)) {
        // Off: the first step (or, with n = 0, the only one) reaches a table that is on.
        next();
        if (steps > 0) --steps;
    }
    // Whole turns through the tables that are on change nothing.
    steps %= count;
    for (std::int64_t i = 0; i < steps; ++i) next();
    nRankingTable = table;
}
