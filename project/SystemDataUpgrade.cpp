// The upgrade of a System.dat written by an older version. The steps run in
// ascending order of their thresholds, each only for files older than its
// threshold, and each works on what the earlier steps left. Most of them set
// the compatibility switches that keep an older project's behaviour.
#include "project/SystemDataUpgrade.h"
#include "project/ScreenWords.h"
#include "project/SystemData.h"

#include <iterator>

namespace {

// Resizes to n with default elements.
template <class T> void BringTo(cVector<T>& v, std::size_t n) {
    v.resize(n);
}

// Moves entries `at` and above up one place within the same length (the last
// entry drops out) and sets entry `at`.
template <class T> void InsertWithin(cVector<T>& v, std::size_t at, T value) {
    if (at >= v.size()) return;
    v.insert(v.begin() + static_cast<std::ptrdiff_t>(at), std::move(value));
    v.pop_back();
}

void InsertWord(cSystemData& d, std::size_t at, const char* word) {
    InsertWithin(d.Words, at, std::string(word));
}

const SystemDataUpgradeStep kSteps[] = {
    {113, [](cSystemData& d, std::uint32_t) { d.bKeepFlows = 0; }},
    {157, [](cSystemData& d, std::uint32_t) { d.bTitleSwitch = 0; }},
    {167,
     [](cSystemData& d, std::uint32_t) {
         d.bWorldMapSwitchC = d.bSaveScreenSwitch = d.bChallengeSwitchA = d.bChallengeSwitchB = 1;
     }},
    {168,
     [](cSystemData& d, std::uint32_t) {
         BringTo(d.CarryFlags, kCarryItemCount);
         InsertWithin(d.CarryFlags, 16, std::uint8_t{1});
     }},
    {169,
     [](cSystemData& d, std::uint32_t) {
         BringTo(d.SaveMenu, 4);
         InsertWithin(d.SaveMenu, 1, cCmd(1, "オートセーブ"));
         BringTo(d.Words, kScreenWordCount);
         InsertWord(d, 12, "保存先が不明です！一度は「セーブ」して下さい！");
         InsertWord(d, 12, "オートセーブＯＦＦ");
         InsertWord(d, 12, "オートセーブＯＮ");
     }},
    {170, [](cSystemData& d, std::uint32_t) { d.nTextSettingB = 0; }},
    {181,
     [](cSystemData& d, std::uint32_t) {
         if (d.RankingFlags.size() < kGameModeCount) d.RankingFlags.resize(kGameModeCount);
         for (std::int64_t i = 0; i < static_cast<std::int64_t>(kGameModeCount); ++i) {
             cFlagList& list = d.RankingFlags.At(i);
             list.Flags.resize(kRankingTableCount);
             list.Flags.At(3) = 0;
             list.Flags.At(4) = 0;
         }
         BringTo(d.Words, kScreenWordCount);
         InsertWord(d, 8, "残りHP");
         InsertWord(d, 9, "残りSP");
     }},
    {184, [](cSystemData& d, std::uint32_t) { d.bReplay = 1; }},
    {185, [](cSystemData& d, std::uint32_t) { d.bExtraLife = 1; }},
    {187,
     [](cSystemData& d, std::uint32_t) {
         d.bColourMode = 0;
         d.TransparentColour[0] = 0;
         d.TransparentColour[1] = 177;
         d.TransparentColour[2] = 0;
     }},
    {188, [](cSystemData& d, std::uint32_t) { d.bRestoreA = d.bRestoreB = d.bRestoreC = 1; }},
    {191,
     [](cSystemData& d, std::uint32_t) {
         d.UnlimitedLives.assign({0, 0, 0, 1});
         d.bContinue = 0;
         d.bWorldMapSwitchB = 0;
     }},
    {192, [](cSystemData& d, std::uint32_t) { d.bRestoreD = 1; }},
    {193,
     [](cSystemData& d, std::uint32_t) {
         BringTo(d.Words, kScreenWordCount);
         InsertWord(d, 22, "リトライ");
         InsertWord(d, 23, "マップへ戻る");
     }},
    {201,
     [](cSystemData& d, std::uint32_t) {
         BringTo(d.CarryFlags, kCarryItemCount);
         InsertWithin(d.CarryFlags, 14, std::uint8_t{0});
     }},
    {202, [](cSystemData& d, std::uint32_t) { d.ScreenMusicFlags.assign(kScreenMusicCount, 1); }},
    {205, [](cSystemData& d, std::uint32_t) { d.nFontNumber = 60; }},
    {210,
     [](cSystemData& d, std::uint32_t) {
         BringTo(d.CarryFlags, kCarryItemCount);
         InsertWithin(d.CarryFlags, 9, std::uint8_t{0});
     }},
    {214, [](cSystemData& d, std::uint32_t) { d.bMovement = 1; }},
    {224, [](cSystemData& d, std::uint32_t) { d.bPauseMenuA = d.bPauseMenuB = 0; }},
    {261, [](cSystemData& d, std::uint32_t) { d.bRescaleOffsets = 1; }},
    {272, [](cSystemData& d, std::uint32_t) { d.bStagePlaySwitchA = 0; }},
    {286,
     [](cSystemData& d, std::uint32_t) {
         BringTo(d.IniKeys, kIniKeyCount);
         InsertIniKey(d.IniKeys, 0, "Direct3D", 1);
         cIniKey& vsync = d.IniKeys.At(3);
         if (vsync.nIntDefault > 2) vsync.nIntDefault = 2;
     }},
    {287, [](cSystemData& d, std::uint32_t) { d.bCharaDrawSwitch = 0; }},
    {289, [](cSystemData& d, std::uint32_t) { d.bDrawingSwitch = d.bColourMode == 0 ? 1 : 0; }},
    {501, [](cSystemData& d, std::uint32_t) { d.ClearCarryFlags.assign(kCarryItemCount, 0); }},
    {515, [](cSystemData& d, std::uint32_t) { d.nFlashPeriod = 16; }},
    {525, [](cSystemData& d, std::uint32_t) { d.bFlowStartA = 1; }},
    {555, [](cSystemData& d, std::uint32_t) { d.bShotSwitch = 1; }},
    {567,
     [](cSystemData& d, std::uint32_t) {
         BringTo(d.IniKeys, kIniKeyCount);
         InsertIniKey(d.IniKeys, 4, "DD_VideoStretch", 0);
     }},
    {568,
     [](cSystemData& d, std::uint32_t) {
         BringTo(d.IniKeys, kIniKeyCount);
         InsertIniKey(d.IniKeys, 4, "D3D_FontCache", 0);
         InsertIniKey(d.IniKeys, 5, "DD_FontCache", 1);
     }},
    {587,
     [](cSystemData& d, std::uint32_t) {
         BringTo(d.Gauges, kGaugeCount);
         for (std::int64_t k : {2, 3}) {
             d.Gauges.At(k).nLowThreshold = 33;
             d.Gauges.At(k).bLowPercent = 1;
         }
     }},
    {637, [](cSystemData& d, std::uint32_t version) { d.bStagePlaySwitchB = version < 617 ? 1 : 0; }},
    {669, [](cSystemData& d, std::uint32_t) { d.bCharaEngineSwitch = 1; }},
    {670,
     [](cSystemData& d, std::uint32_t) {
         d.nDepthSecond = 0;
         d.nDepthFirst = 2;
     }},
    {672,
     [](cSystemData& d, std::uint32_t) {
         BringTo(d.IniKeys, kIniKeyCount);
         d.IniKeys.At(9).SetInt("English", 0);
     }},
    {677, [](cSystemData& d, std::uint32_t) { d.bStagePlaySwitchC = 1; }},
    {695, [](cSystemData& d, std::uint32_t) { d.bNegativeMoveTime = 1; }},
    {696, [](cSystemData& d, std::uint32_t) { d.bStoredSwitch = 1; }},
    {697, [](cSystemData& d, std::uint32_t) { d.bStageSetUp = 1; }},
    {721, [](cSystemData& d, std::uint32_t) { d.bWarp = 1; }},
    {728, [](cSystemData& d, std::uint32_t) { d.bChargeMove = 1; }},
    {733, [](cSystemData& d, std::uint32_t) { d.bNpcSwitch = 1; }},
    {744, [](cSystemData& d, std::uint32_t) { d.bFlowStartB = 1; }},
    {749, [](cSystemData& d, std::uint32_t) { d.bJump = 1; }},
    {752, [](cSystemData& d, std::uint32_t) { d.bCodeStatement = 1; }},
    {756,
     [](cSystemData& d, std::uint32_t) {
         BringTo(d.Words, kScreenWordCount);
         InsertWord(d, 22, "マップへ戻る");
     }},
    {757, [](cSystemData& d, std::uint32_t) { d.bPauseMenuC = 0; }},
    {763, [](cSystemData& d, std::uint32_t) { d.bGroupCollisionA = d.bGroupCollisionB = 1; }},
    {768, [](cSystemData& d, std::uint32_t) { d.bPlacement = 1; }},
    {773, [](cSystemData& d, std::uint32_t) { d.bStraightMoveA = 1; }},
    {781, [](cSystemData& d, std::uint32_t) { d.bKeepKnockbackAbove = 1; }},
    {782, [](cSystemData& d, std::uint32_t) { d.bDistanceCond = 1; }},
    {783, [](cSystemData& d, std::uint32_t) { d.bStraightMoveB = 1; }},
    {793, [](cSystemData& d, std::uint32_t) { d.bStagePlaySwitchD = 1; }},
    {805, [](cSystemData& d, std::uint32_t) { d.bGroundTurn = 1; }},
    {808, [](cSystemData& d, std::uint32_t) { d.bSolidCharaA = 1; }},
    {818, [](cSystemData& d, std::uint32_t) { d.bSolidCharaB = d.bHeroSwitch = 1; }},
};

} // namespace

std::span<const SystemDataUpgradeStep> SystemDataUpgradeSteps() {
    return kSteps;
}

void cSystemData::UpgradeFrom(std::uint32_t version) {
    for (const SystemDataUpgradeStep& step : kSteps)
        if (version < step.below) step.apply(*this, version);
}
