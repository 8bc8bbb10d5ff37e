#include "project/SystemData.h"

#include "foundation/StringVector.h"
#include "project/Database.h"

cSystemData SystemData;

cSystemData::cSystemData() {
    RegisterFields(dwDataVersion);
    SetDefaults();
}

void cSystemData::RegisterFields(std::uint32_t version) {
    ClearFields();
    // A field exists in the files from version `since` on.
    auto add = [&](std::uint32_t since, std::int32_t* field) {
        if (version >= since) AddInt(field);
    };
    add(185, &bExtraLife);
    add(0, &nExtraLifeStep);
    add(0, &bDrawWorldSwitch);
    add(0, &nTextSettingA);
    add(205, &nFontNumber);
    add(170, &nTextSettingB);
    add(113, &bKeepFlows);
    add(184, &bReplay);
    add(157, &bTitleSwitch);
    add(0, &bWorldMapSwitchA);
    add(191, &bContinue);
    add(191, &bWorldMapSwitchB);
    add(0, &nChallengeStages);
    add(0, &bChallengeCount);
    add(167, &bWorldMapSwitchC);
    add(167, &bSaveScreenSwitch);
    add(188, &bRestoreA);
    add(224, &bPauseMenuA);
    add(167, &bChallengeSwitchA);
    add(167, &bChallengeSwitchB);
    add(188, &bRestoreB);
    add(224, &bPauseMenuB);
    add(188, &bRestoreC);
    add(192, &bRestoreD);
    add(187, &bColourMode);
    if (version >= 187) {
        // Three fields of one byte each, not one field of three.
        AddByte(&TransparentColour[0]);
        AddByte(&TransparentColour[1]);
        AddByte(&TransparentColour[2]);
    }
    add(214, &bMovement);
    if (version >= 221 && version <= 259) AddInt(&m_nRetired);
    add(261, &bRescaleOffsets);
    add(272, &bStagePlaySwitchA);
    add(287, &bCharaDrawSwitch);
    add(515, &nFlashPeriod);
    add(289, &bDrawingSwitch);
    add(757, &bPauseMenuC);
    add(525, &bFlowStartA);
    add(555, &bShotSwitch);
    add(637, &bStagePlaySwitchB);
    add(669, &bCharaEngineSwitch);
    add(677, &bStagePlaySwitchC);
    add(695, &bNegativeMoveTime);
    add(696, &bStoredSwitch);
    add(697, &bStageSetUp);
    add(721, &bWarp);
    add(728, &bChargeMove);
    add(733, &bNpcSwitch);
    add(744, &bFlowStartB);
    add(749, &bJump);
    add(752, &bCodeStatement);
    add(763, &bGroupCollisionA);
    add(763, &bGroupCollisionB);
    add(768, &bPlacement);
    add(773, &bStraightMoveA);
    add(781, &bKeepKnockbackAbove);
    add(782, &bDistanceCond);
    add(783, &bStraightMoveB);
    add(793, &bStagePlaySwitchD);
    add(805, &bGroundTurn);
    add(808, &bSolidCharaA);
    add(818, &bSolidCharaB);
    add(818, &bHeroSwitch);
    add(670, &nDepthSecond);
    add(670, &nDepthFirst);
    AddString(&GameTitle);
}

void cSystemData::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    const std::uint32_t version = file.LoadVersion();
    LoadSections(file);
    if (file.Damaged()) return;
    if (version < kProgramDataVersion) UpgradeFrom(version);
    // A damaged or hand-made file may hold short tables; the screens index them by fixed numbers.
    PadSections();
    CheckMusicNumbers();
}

void cSystemData::LoadSections(cRecordFile& file) {
    const std::uint32_t version = file.LoadVersion();
    LoadValueVector(file, CarryFlags);
    if (version >= 501) LoadValueVector(file, ClearCarryFlags);
    LoadRecordVector(file, Gauges);
    LoadValueVector(file, StartLives);
    if (version >= 191) LoadValueVector(file, UnlimitedLives);
    if (version >= 186) LoadRecordVector(file, RankingFlags);
    LoadStringVector(file, Words);
    LoadStringVector(file, SystemSounds);
    LoadValueVector(file, ScreenMusic);
    if (version >= 202) LoadValueVector(file, ScreenMusicFlags);
    LoadRecordVector(file, TitleMenu);
    LoadRecordVector(file, SaveMenu);
    LoadRecordVector(file, OptionMenu);
    if (version >= 674) LoadStringVector(file, RankingModeNames);
    LoadRecordVector(file, IniKeys);
}

void cSystemData::Save(cRecordFile& file) {
    CheckMusicNumbers();
    cSaveData::Save(file);
    SaveValueVector(file, CarryFlags);
    SaveValueVector(file, ClearCarryFlags);
    SaveRecordVector(file, Gauges);
    SaveValueVector(file, StartLives);
    SaveValueVector(file, UnlimitedLives);
    SaveRecordVector(file, RankingFlags);
    SaveStringVector(file, Words);
    SaveStringVector(file, SystemSounds);
    SaveValueVector(file, ScreenMusic);
    SaveValueVector(file, ScreenMusicFlags);
    SaveRecordVector(file, TitleMenu);
    SaveRecordVector(file, SaveMenu);
    SaveRecordVector(file, OptionMenu);
    SaveStringVector(file, RankingModeNames);
    SaveRecordVector(file, IniKeys);
}

void cSystemData::CheckMusicNumbers() {
    const std::uint64_t count = Database.Bgm.size();
    for (std::int32_t& music : ScreenMusic)
        if (static_cast<std::uint32_t>(music) >= count) music = 0;
}

std::int32_t cSystemData::CountSetFlags(std::int32_t n) const {
    const cFlagList& list = RankingFlags.At(n);
    if (!list.bSwitch) return 0;
    std::int32_t count = 0;
    for (std::uint8_t flag : list.Flags)
        if (flag) ++count;
    return count;
}

std::int32_t cSystemData::IsGaugeLow(std::int32_t k, std::int32_t value, std::int32_t max) const {
    const cGauge& gauge = Gauges.At(k);
    if (gauge.bLowPercent) {
        // A bar without a maximum shows nothing left.
        if (max <= 0) return 1;
        double percent = static_cast<double>(value) * 100.0 / static_cast<double>(max);
        return percent <= static_cast<double>(gauge.nLowThreshold) ? 1 : 0;
    }
    return value <= gauge.nLowThreshold ? 1 : 0;
}

std::int32_t IsGaugeLow(std::int32_t k, std::int32_t value, std::int32_t max) {
    return SystemData.IsGaugeLow(k, value, max);
}
