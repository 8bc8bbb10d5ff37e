#include "project/SystemData.h"
#include "project/Database.h"
#include "project/ScreenWords.h"
#include "project/SystemDataUpgrade.h"

#include "project/SystemFileBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

// Screen music numbers are checked against the loaded Bgm database.
class SystemDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Database.Bgm;
        SetBgmCount(0);
    }
    void TearDown() override { Database.Bgm = saved_; }
    static void SetBgmCount(std::size_t n) { Database.Bgm.resize(n); }

private:
    cVector<cBgm> saved_;
};

std::vector<std::string> DefaultWords() {
    return std::vector<std::string>(std::begin(kDefaultScreenWords), std::end(kDefaultScreenWords));
}

std::vector<std::string> KeyNames(const cSystemData& d) {
    std::vector<std::string> names;
    for (const cIniKey& k : d.IniKeys) names.push_back(k.Name);
    return names;
}

// A current file in which every value differs from what any upgrade step would make of it.
SystemFileBuilder CurrentFileNoStepWouldLeave() {
    SystemFileBuilder f(818);
    // Each field its own value, none of which an upgrade step would set.
    std::int32_t value = 1000;
    for (const auto& field : SystemFileBuilder::Fields()) f.values[field.name] = value++;
    f.colour[0] = 1, f.colour[1] = 2, f.colour[2] = 3;
    f.carry.assign(25, 0);
    f.carry[3] = 1;
    f.secondCarry.assign(25, 1);
    f.gauges[2].threshold = 10; // the upgrade would make it 33 percent
    f.unlimitedLives = {1, 0, 1, 0};
    f.rankingFlags[1].flags = {0, 1, 0, 1, 1};
    f.words = DefaultWords(); // word 22 empty: the upgrade would insert there
    f.words[0] = "ワールドX";
    f.music = {3, 0, 2, 1};
    f.musicFlags = {0, 1, 0, 1};
    f.saveMenu = {{1, "A"}, {0, "B"}, {1, "C"}, {1, "D"}};
    f.keys[3] = {0, "VSync", 5, ""}; // the upgrade would clamp it to 2
    f.keys[8] = {1, "FreeStage", 0, "stage\\a.stg4"};
    return f;
}

TEST_F(SystemDataTest, CurrentFileRunsNoUpgradeAndRoundTripsByteForByte) {
    SetBgmCount(4);
    const std::vector<std::uint8_t> file = CurrentFileNoStepWouldLeave().bytes();
    cSystemData d;
    ASSERT_TRUE(d.LoadFromBytes(file));
    // Every field lands in its member, in file order.
    using Member = std::int32_t cSystemData::*;
    const std::pair<const char*, Member> members[] = {
        {"bExtraLife", &cSystemData::bExtraLife},
        {"nExtraLifeStep", &cSystemData::nExtraLifeStep},
        {"bDrawWorldSwitch", &cSystemData::bDrawWorldSwitch},
        {"nTextSettingA", &cSystemData::nTextSettingA},
        {"nFontNumber", &cSystemData::nFontNumber},
        {"nTextSettingB", &cSystemData::nTextSettingB},
        {"bKeepFlows", &cSystemData::bKeepFlows},
        {"bReplay", &cSystemData::bReplay},
        {"bTitleSwitch", &cSystemData::bTitleSwitch},
        {"bWorldMapSwitchA", &cSystemData::bWorldMapSwitchA},
        {"bContinue", &cSystemData::bContinue},
        {"bWorldMapSwitchB", &cSystemData::bWorldMapSwitchB},
        {"nChallengeStages", &cSystemData::nChallengeStages},
        {"bChallengeCount", &cSystemData::bChallengeCount},
        {"bWorldMapSwitchC", &cSystemData::bWorldMapSwitchC},
        {"bSaveScreenSwitch", &cSystemData::bSaveScreenSwitch},
        {"bRestoreA", &cSystemData::bRestoreA},
        {"bPauseMenuA", &cSystemData::bPauseMenuA},
        {"bChallengeSwitchA", &cSystemData::bChallengeSwitchA},
        {"bChallengeSwitchB", &cSystemData::bChallengeSwitchB},
        {"bRestoreB", &cSystemData::bRestoreB},
        {"bPauseMenuB", &cSystemData::bPauseMenuB},
        {"bRestoreC", &cSystemData::bRestoreC},
        {"bRestoreD", &cSystemData::bRestoreD},
        {"bColourMode", &cSystemData::bColourMode},
        {"bMovement", &cSystemData::bMovement},
        {"bRescaleOffsets", &cSystemData::bRescaleOffsets},
        {"bStagePlaySwitchA", &cSystemData::bStagePlaySwitchA},
        {"bCharaDrawSwitch", &cSystemData::bCharaDrawSwitch},
        {"nFlashPeriod", &cSystemData::nFlashPeriod},
        {"bDrawingSwitch", &cSystemData::bDrawingSwitch},
        {"bPauseMenuC", &cSystemData::bPauseMenuC},
        {"bFlowStartA", &cSystemData::bFlowStartA},
        {"bShotSwitch", &cSystemData::bShotSwitch},
        {"bStagePlaySwitchB", &cSystemData::bStagePlaySwitchB},
        {"bCharaEngineSwitch", &cSystemData::bCharaEngineSwitch},
        {"bStagePlaySwitchC", &cSystemData::bStagePlaySwitchC},
        {"bNegativeMoveTime", &cSystemData::bNegativeMoveTime},
        {"bStoredSwitch", &cSystemData::bStoredSwitch},
        {"bStageSetUp", &cSystemData::bStageSetUp},
        {"bWarp", &cSystemData::bWarp},
        {"bChargeMove", &cSystemData::bChargeMove},
        {"bNpcSwitch", &cSystemData::bNpcSwitch},
        {"bFlowStartB", &cSystemData::bFlowStartB},
        {"bJump", &cSystemData::bJump},
        {"bCodeStatement", &cSystemData::bCodeStatement},
        {"bGroupCollisionA", &cSystemData::bGroupCollisionA},
        {"bGroupCollisionB", &cSystemData::bGroupCollisionB},
        {"bPlacement", &cSystemData::bPlacement},
        {"bStraightMoveA", &cSystemData::bStraightMoveA},
        {"bKeepKnockbackAbove", &cSystemData::bKeepKnockbackAbove},
        {"bDistanceCond", &cSystemData::bDistanceCond},
        {"bStraightMoveB", &cSystemData::bStraightMoveB},
        {"bStagePlaySwitchD", &cSystemData::bStagePlaySwitchD},
        {"bGroundTurn", &cSystemData::bGroundTurn},
        {"bSolidCharaA", &cSystemData::bSolidCharaA},
        {"bSolidCharaB", &cSystemData::bSolidCharaB},
        {"bHeroSwitch", &cSystemData::bHeroSwitch},
        {"nDepthSecond", &cSystemData::nDepthSecond},
        {"nDepthFirst", &cSystemData::nDepthFirst},
    };
    const SystemFileBuilder f = CurrentFileNoStepWouldLeave();
    for (const auto& [name, member] : members) EXPECT_EQ(d.*member, f.values.at(name)) << name;
    EXPECT_EQ(d.TransparentColour[1], 2);
    EXPECT_EQ(d.IniKeys.At(3).nIntDefault, 5);
    EXPECT_EQ(d.Gauges.At(2).nLowThreshold, 10);
    EXPECT_EQ(d.Words.At(22), "");
    EXPECT_EQ(d.ScreenMusic, (cVector<std::int32_t>{3, 0, 2, 1}));
    EXPECT_EQ(d.SaveToBytes(), file);
}

TEST_F(SystemDataTest, SavedNewProjectLoadsBackUnchanged) {
    cSystemData d;
    d.GameTitle = "タイトル";
    std::vector<std::uint8_t> bytes = d.SaveToBytes();
    cSystemData back;
    back.GameTitle = "other";
    back.Words.At(0) = "other";
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.GameTitle, "タイトル");
    EXPECT_EQ(back.SaveToBytes(), bytes);
}

// The transparent colour stands in the file as three one-byte fields: a current
// file counts 60 fields of 32 bits and those three, and the bytes follow F25.
TEST_F(SystemDataTest, TransparentColourIsThreeFieldsOfOneByte) {
    cSystemData d;
    d.TransparentColour[0] = 7, d.TransparentColour[1] = 8, d.TransparentColour[2] = 9;
    d.bMovement = 0x01020304;
    const std::vector<std::uint8_t> bytes = d.SaveToBytes();
    ASSERT_GT(bytes.size(), 120u);
    std::uint32_t fieldCount = 0;
    std::memcpy(&fieldCount, bytes.data() + 4, 4);
    EXPECT_EQ(fieldCount, 63u);
    const std::size_t colourAt = 8 + 25 * 4; // version word, field count, F1 to F25
    EXPECT_EQ(bytes[colourAt], 7);
    EXPECT_EQ(bytes[colourAt + 1], 8);
    EXPECT_EQ(bytes[colourAt + 2], 9);
    std::int32_t next = 0;
    std::memcpy(&next, bytes.data() + colourAt + 3, 4);
    EXPECT_EQ(next, 0x01020304);

    // A version-187 file, the first with the colour: 16 fields of 32 bits (F1 to F4,
    // F6 to F10, F13 to F16, F19, F20, F25) and the three colour bytes.
    SystemFileBuilder f(187);
    f.values = {{"bColourMode", 1}};
    f.colour[0] = 4, f.colour[1] = 5, f.colour[2] = 6;
    const std::vector<std::uint8_t> old = f.bytes();
    std::memcpy(&fieldCount, old.data() + 4, 4);
    ASSERT_EQ(fieldCount, 19u);
    cSystemData e;
    ASSERT_TRUE(e.LoadFromBytes(old));
    EXPECT_EQ(e.bColourMode, 1);
    EXPECT_EQ(e.TransparentColour[0], 4);
    EXPECT_EQ(e.TransparentColour[1], 5);
    EXPECT_EQ(e.TransparentColour[2], 6);
}

// A project saved by version 100: the layout of that time, upgraded through every step.
TEST_F(SystemDataTest, Version100RunsTheWholeChain) {
    SystemFileBuilder f(100);
    f.values = {{"nExtraLifeStep", 500},
                {"bDrawWorldSwitch", 1},
                {"bWorldMapSwitchA", 1},
                {"nChallengeStages", 30},
                {"bChallengeCount", 1}};
    // The word table of that time: 21 words, the later ones inserted by the upgrade.
    std::vector<std::string> d = DefaultWords();
    f.words.clear();
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 17, 18, 19, 20, 21, 25, 26, 27, 28})
        f.words.push_back(d[i]);
    f.saveMenu = {{1, "セーブ"}, {1, "もどる"}, {1, "タイトルへ"}};
    f.keys = {{0, "WindowMode", 1, ""},
              {0, "Bpp", 16, ""},
              {0, "VSync", 3, ""},
              {0, "ShowFps", 0, ""},
              {1, "FreeStage", 0, ""}};
    // 22 carry flags, numbered by what they become.
    f.carry.clear();
    for (std::uint8_t i = 1; i <= 22; ++i) f.carry.push_back(i);
    f.gauges = std::vector<OldGauge>(5);
    f.music = {0, 0, 0, 0};

    cSystemData s;
    ASSERT_TRUE(s.LoadFromBytes(f.bytes()));

    std::vector<std::string> words = DefaultWords();
    words[22] = "マップへ戻る";
    EXPECT_EQ(std::vector<std::string>(s.Words.begin(), s.Words.end()), words);
    EXPECT_EQ(s.Words.At(14), "オートセーブＯＮ");
    EXPECT_EQ(s.Words.At(15), "オートセーブＯＦＦ");
    EXPECT_EQ(s.Words.At(16), "保存先が不明です！一度は「セーブ」して下さい！");

    ASSERT_EQ(s.SaveMenu.size(), 4u);
    EXPECT_EQ(s.SaveMenu.At(1).Text, "オートセーブ");
    EXPECT_EQ(s.SaveMenu.At(3).Text, "タイトルへ");

    EXPECT_EQ(KeyNames(s), (std::vector<std::string>{"Direct3D", "WindowMode", "Bpp", "VSync",
                                                     "D3D_FontCache", "DD_FontCache", "DD_VideoStretch",
                                                     "ShowFps", "FreeStage", "English"}));
    EXPECT_EQ(s.IniKeys.At(0).nIntDefault, 1);
    EXPECT_EQ(s.IniKeys.At(2).nIntDefault, 16);
    EXPECT_EQ(s.IniKeys.At(3).nIntDefault, 2); // VSync above 2 is brought down
    EXPECT_EQ(s.IniKeys.At(5).nIntDefault, 1);
    EXPECT_EQ(s.IniKeys.At(8).nKind, 1);

    // Inserted: 1 at 16 (168), 0 at 14 (201), 0 at 9 (210); the last flags drop out.
    cVector<std::uint8_t> carry{1,  2,  3, 4,  5,  6, 7,  8,  9,  0,  10, 11, 12,
                                13, 14, 0, 15, 16, 1, 17, 18, 19, 20, 21, 22};
    EXPECT_EQ(s.CarryFlags, carry);
    EXPECT_EQ(s.ClearCarryFlags, cVector<std::uint8_t>(25, 0));

    // Switches: the value each older file gets.
    EXPECT_EQ(s.nExtraLifeStep, 500);
    EXPECT_EQ(s.bExtraLife, 1);
    EXPECT_EQ(s.bKeepFlows, 0);
    EXPECT_EQ(s.bReplay, 1);
    EXPECT_EQ(s.bTitleSwitch, 0);
    EXPECT_EQ(s.bContinue, 0);
    EXPECT_EQ(s.bWorldMapSwitchB, 0);
    EXPECT_EQ(s.bWorldMapSwitchC + s.bSaveScreenSwitch + s.bChallengeSwitchA + s.bChallengeSwitchB, 4);
    EXPECT_EQ(s.bRestoreA + s.bRestoreB + s.bRestoreC + s.bRestoreD, 4);
    EXPECT_EQ(s.bPauseMenuA + s.bPauseMenuB + s.bPauseMenuC, 0);
    EXPECT_EQ(s.nFontNumber, 60);
    EXPECT_EQ(s.bColourMode, 0);
    EXPECT_EQ(s.TransparentColour[0], 0);
    EXPECT_EQ(s.TransparentColour[1], 177);
    EXPECT_EQ(s.TransparentColour[2], 0);
    EXPECT_EQ(s.bDrawingSwitch, 1);
    EXPECT_EQ(s.nFlashPeriod, 16);
    EXPECT_EQ(s.bStagePlaySwitchA, 0);
    EXPECT_EQ(s.bCharaDrawSwitch, 0);
    EXPECT_EQ(s.bStagePlaySwitchB, 1);
    EXPECT_EQ(s.nDepthSecond, 0);
    EXPECT_EQ(s.nDepthFirst, 2);
    for (std::int32_t sw : {s.bMovement,          s.bRescaleOffsets,
                            s.bFlowStartA,        s.bShotSwitch,
                            s.bCharaEngineSwitch, s.bStagePlaySwitchC,
                            s.bNegativeMoveTime,  s.bStoredSwitch,
                            s.bStageSetUp,        s.bWarp,
                            s.bChargeMove,        s.bNpcSwitch,
                            s.bFlowStartB,        s.bJump,
                            s.bCodeStatement,     s.bGroupCollisionA,
                            s.bGroupCollisionB,   s.bPlacement,
                            s.bStraightMoveA,     s.bKeepKnockbackAbove,
                            s.bDistanceCond,      s.bStraightMoveB,
                            s.bStagePlaySwitchD,  s.bGroundTurn,
                            s.bSolidCharaA,       s.bSolidCharaB,
                            s.bHeroSwitch})
        EXPECT_EQ(sw, 1);

    EXPECT_EQ(s.UnlimitedLives, (cVector<std::int32_t>{0, 0, 0, 1}));
    EXPECT_EQ(s.ScreenMusicFlags, cVector<std::uint8_t>(4, 1));
    for (std::int64_t k : {2, 3}) {
        EXPECT_EQ(s.Gauges.At(k).nLowThreshold, 33);
        EXPECT_EQ(s.Gauges.At(k).bLowPercent, 1);
    }
    for (const cGauge& g : s.Gauges) EXPECT_EQ(g.bShowNumber, 1);
    for (std::int64_t i = 0; i < 4; ++i) {
        EXPECT_EQ(s.RankingFlags.At(i).Flags.At(3), 0);
        EXPECT_EQ(s.RankingFlags.At(i).Flags.At(4), 0);
    }

    // Saved, it is a current file that loads back as it is.
    std::vector<std::uint8_t> saved = s.SaveToBytes();
    cSystemData back;
    ASSERT_TRUE(back.LoadFromBytes(saved));
    EXPECT_EQ(back.SaveToBytes(), saved);
}

// The word table of versions 169 to 180 is five words short of today's; the
// upgrade brings it to its length before it inserts, so no stored word is lost.
TEST_F(SystemDataTest, WordsOfVersions169To180SurviveTheUpgrade) {
    for (std::uint32_t version : {169u, 175u, 180u}) {
        SystemFileBuilder f(version);
        f.words.clear();
        for (int i = 0; i < 24; ++i) f.words.push_back("w" + std::to_string(i));
        cSystemData s;
        ASSERT_TRUE(s.LoadFromBytes(f.bytes())) << version;
        ASSERT_EQ(s.Words.size(), kScreenWordCount);
        EXPECT_EQ(s.Words.At(8), "残りHP");
        EXPECT_EQ(s.Words.At(9), "残りSP");
        // Every stored word is still there, in its order.
        std::size_t at = 0;
        for (int i = 0; i < 24; ++i) {
            auto found = std::find(s.Words.begin() + static_cast<std::ptrdiff_t>(at), s.Words.end(),
                                   "w" + std::to_string(i));
            ASSERT_NE(found, s.Words.end()) << "w" << i << " of version " << version;
            at = static_cast<std::size_t>(found - s.Words.begin()) + 1;
        }
    }
}

TEST_F(SystemDataTest, UpgradeStepsAreInAscendingOrder) {
    auto steps = SystemDataUpgradeSteps();
    ASSERT_FALSE(steps.empty());
    for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_LT(steps[i - 1].below, steps[i].below) << i;
    EXPECT_LE(steps.back().below, kProgramDataVersion);
}

TEST_F(SystemDataTest, SwitchForFilesBefore617) {
    struct Case {
        std::uint32_t version;
        std::int32_t stored, expected;
    };
    for (Case c : {Case{616, 0, 1}, Case{617, 0, 0}, Case{636, 0, 0}, Case{637, 0, 0}, Case{637, 1, 1}}) {
        SystemFileBuilder f(c.version);
        f.values["bStagePlaySwitchB"] = c.stored;
        cSystemData d;
        d.bStagePlaySwitchB = 7;
        ASSERT_TRUE(d.LoadFromBytes(f.bytes())) << c.version;
        EXPECT_EQ(d.bStagePlaySwitchB, c.expected) << c.version;
    }
}

TEST_F(SystemDataTest, RetiredFieldOnlyInVersions221To259) {
    for (std::uint32_t version : {220u, 221u, 250u, 259u, 260u}) {
        SystemFileBuilder f(version);
        f.values = {{"bMovement", 0}, {"retired", 0x7777}};
        f.carry.assign(25, 0);
        f.carry[0] = 9;
        f.title = "T";
        cSystemData d;
        ASSERT_TRUE(d.LoadFromBytes(f.bytes())) << version;
        // What follows the fields is read in its place.
        EXPECT_EQ(d.GameTitle, "T") << version;
        EXPECT_EQ(d.CarryFlags.At(0), 9) << version;
        EXPECT_EQ(d.bRescaleOffsets, 1) << version; // the next field is not in these files
        // One field more than the version holds is damage, so a version without the field refuses it.
        f.extraField = true;
        cSystemData e;
        EXPECT_FALSE(e.LoadFromBytes(f.bytes())) << version;
    }
}

TEST_F(SystemDataTest, MusicNumbersOutsideTheBgmDatabaseBecomeZero) {
    struct Case {
        std::uint32_t bgm;
        std::vector<std::int32_t> stored, expected;
    };
    for (const Case& c : {Case{0, {-1, 0, 1, 5}, {0, 0, 0, 0}}, Case{3, {-1, 2, 3, 1}, {0, 2, 0, 1}}}) {
        SetBgmCount(c.bgm);
        SystemFileBuilder f(818);
        f.music = c.stored;
        cSystemData d;
        ASSERT_TRUE(d.LoadFromBytes(f.bytes()));
        EXPECT_EQ(std::vector<std::int32_t>(d.ScreenMusic.begin(), d.ScreenMusic.end()), c.expected);
    }
    // Saving checks them too.
    SetBgmCount(2);
    cSystemData d;
    d.ScreenMusic = {1, 2, -5, 0};
    d.SaveToBytes();
    EXPECT_EQ(d.ScreenMusic, (cVector<std::int32_t>{1, 0, 0, 0}));
}

TEST_F(SystemDataTest, GaugeWarningLevel) {
    struct Case {
        std::int32_t percent, threshold, value, max, low;
    };
    cSystemData d;
    for (Case c : {Case{1, 33, 33, 100, 1}, Case{1, 33, 34, 100, 0}, Case{1, 33, 1, 3, 0},
                   Case{1, 34, 1, 3, 1}, Case{1, 33, 0, 0, 1}, Case{1, 33, 5, 0, 1}, Case{1, 33, 5, -2, 1},
                   Case{0, 10, 10, 0, 1}, Case{0, 10, 11, 100, 0}, Case{0, 10, -3, 100, 1}}) {
        d.Gauges.At(2).bLowPercent = c.percent;
        d.Gauges.At(2).nLowThreshold = c.threshold;
        EXPECT_EQ(d.IsGaugeLow(2, c.value, c.max), c.low)
            << c.percent << " " << c.threshold << " " << c.value << "/" << c.max;
    }
}

TEST_F(SystemDataTest, CountSetFlags) {
    cSystemData d;
    EXPECT_EQ(d.CountSetFlags(0), 5);
    EXPECT_EQ(d.CountSetFlags(3), 0);
    d.RankingFlags.At(1).Flags = {1, 0, 1, 1, 0};
    EXPECT_EQ(d.CountSetFlags(1), 3);
    d.RankingFlags.At(1).bSwitch = 0;
    EXPECT_EQ(d.CountSetFlags(1), 0);
}

TEST_F(SystemDataTest, NewProjectDefaults) {
    cSystemData d;
    EXPECT_EQ(d.CarryFlags.size(), kCarryItemCount);
    EXPECT_EQ(d.CarryFlags.At(16), 1);
    EXPECT_EQ(d.CarryFlags.At(15), 0);
    EXPECT_EQ(d.ClearCarryFlags.At(11) + d.ClearCarryFlags.At(12), 2);
    ASSERT_EQ(d.Gauges.size(), kGaugeCount);
    EXPECT_EQ(d.Gauges.At(4).Label, "人");
    EXPECT_EQ(d.Gauges.At(0).nDigits, 4);
    EXPECT_EQ(d.StartLives, (cVector<std::int32_t>{5, 5, 5, 99}));
    EXPECT_EQ(d.SystemSounds.size(), kSystemSoundCount);
    EXPECT_EQ(d.ScreenMusicFlags, cVector<std::uint8_t>(4, 1));
    EXPECT_EQ(d.nFontNumber, 60);
    EXPECT_EQ(d.nDepthFirst, 2);
    EXPECT_EQ(d.Words.size(), kScreenWordCount);
    EXPECT_EQ(d.Words.At(22), "");
    ASSERT_EQ(d.IniKeys.size(), kIniKeyCount);
    for (std::size_t i = 0; i < kIniKeyCount; ++i) EXPECT_EQ(d.IniKeys[i].nKind, i == 8 ? 1 : 0) << i;
    EXPECT_EQ(d.IniKeys.At(8).Name, "FreeStage");
    EXPECT_EQ(d.IniKeys.At(0).nIntDefault, 2);
}

// A hand-made or damaged file may hold short tables; the screens and the
// System.ini reader index them by fixed numbers, so loading fills them up.
TEST_F(SystemDataTest, ShortTablesArePaddedWithDefaults) {
    SystemFileBuilder f(818);
    f.carry = {1};
    f.secondCarry = {};
    f.gauges.resize(1);
    f.startLives = {3};
    f.unlimitedLives = {};
    f.rankingFlags.resize(1);
    f.rankingFlags[0].flags = {1, 1};
    f.words = {"a", "b"};
    f.sounds = {};
    f.music = {};
    f.musicFlags = {};
    f.titleMenu = {};
    f.saveMenu = {{0, "x"}};
    f.optionMenu = {};
    f.modeNames = {};
    f.keys = {{0, "Direct3D", 0, ""}, {0, "Window", 1, ""}};
    cSystemData d;
    ASSERT_TRUE(d.LoadFromBytes(f.bytes()));
    EXPECT_EQ(d.CarryFlags.size(), kCarryItemCount);
    EXPECT_EQ(d.CarryFlags.At(0), 1);
    EXPECT_EQ(d.ClearCarryFlags.size(), kCarryItemCount);
    ASSERT_EQ(d.Gauges.size(), kGaugeCount);
    EXPECT_EQ(d.Gauges.At(3).Label, "SP");
    EXPECT_EQ(d.StartLives, (cVector<std::int32_t>{3, 5, 5, 99}));
    EXPECT_EQ(d.UnlimitedLives.size(), kGameModeCount);
    ASSERT_EQ(d.RankingFlags.size(), kGameModeCount);
    EXPECT_EQ(d.RankingFlags.At(0).Flags, (cVector<std::uint8_t>{1, 1, 0, 0, 0}));
    for (const cFlagList& l : d.RankingFlags) EXPECT_EQ(l.Flags.size(), kRankingTableCount);
    ASSERT_EQ(d.Words.size(), kScreenWordCount);
    EXPECT_EQ(d.Words.At(1), "b");
    EXPECT_EQ(d.Words.At(28), "F3キーでランキングへ登録");
    EXPECT_EQ(d.SystemSounds.size(), kSystemSoundCount);
    EXPECT_EQ(d.ScreenMusic.size(), kScreenMusicCount);
    EXPECT_EQ(d.ScreenMusicFlags.size(), kScreenMusicCount);
    ASSERT_EQ(d.TitleMenu.size(), kTitleMenuCount);
    EXPECT_EQ(d.TitleMenu.At(6).Text, "しゅうりょう");
    EXPECT_EQ(d.SaveMenu.At(0).bEnabled, 0);
    EXPECT_EQ(d.SaveMenu.At(3).Text, "タイトルへ");
    EXPECT_EQ(d.OptionMenu.size(), kOptionMenuCount);
    ASSERT_EQ(d.RankingModeNames.size(), kRankingModeCount);
    EXPECT_EQ(d.RankingModeNames.At(3), "自動登録（登録名固定）");
    ASSERT_EQ(d.IniKeys.size(), kIniKeyCount);
    EXPECT_EQ(d.IniKeys.At(1).Name, "Window");
    EXPECT_EQ(d.IniKeys.At(7).Name, "ShowFps");
    EXPECT_EQ(d.IniKeys.At(8).nKind, 1);
    EXPECT_EQ(d.IniKeys.At(9).Name, "English");
}

TEST_F(SystemDataTest, DamagedFilesAreRefusedAndLeaveTheRecordUnchanged) {
    SystemFileBuilder good(818);
    const std::vector<std::uint8_t> full = good.bytes();
    cSystemData d;
    d.GameTitle = "kept";
    d.Words.At(3) = "kept";
    const std::vector<std::uint8_t> before = d.SaveToBytes();
    for (std::size_t n = 0; n < full.size(); ++n) {
        std::vector<std::uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
        ASSERT_FALSE(d.LoadFromBytes(cut)) << n;
    }
    EXPECT_EQ(d.SaveToBytes(), before);

    // Patch the count word of the word table (found behind the title) to huge values.
    SystemFileBuilder marked(818);
    marked.words = {"MARKER"};
    std::vector<std::uint8_t> bytes = marked.bytes();
    const std::string needle = "MARKER";
    auto it = std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end());
    ASSERT_NE(it, bytes.end());
    std::size_t countAt = static_cast<std::size_t>(it - bytes.begin()) - 8; // count, then the length
    for (std::uint32_t huge : {0x7FFFFFFFu, 0xFFFFFFFFu, 0x80000000u, 1000000u}) {
        std::vector<std::uint8_t> bad = bytes;
        std::memcpy(&bad[countAt], &huge, 4);
        EXPECT_FALSE(d.LoadFromBytes(bad)) << huge;
        std::vector<std::uint8_t> badLength = bytes;
        std::memcpy(&badLength[countAt + 4], &huge, 4);
        EXPECT_FALSE(d.LoadFromBytes(badLength)) << huge;
    }
    EXPECT_EQ(d.SaveToBytes(), before);
}

} // namespace

namespace {

// Bytes of a good file changed at random places: every load either fails or
// leaves every table at its full length.
TEST_F(SystemDataTest, RandomlyDamagedFilesLoadSafely) {
    SystemFileBuilder f(700);
    f.words = {"a", "b", "c"};
    const std::vector<std::uint8_t> good = f.bytes();
    std::uint32_t x = 12345;
    auto next = [&x] {
        x = x * 214013u + 2531011u;
        return (x >> 16) & 0x7FFF;
    };
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> bad = good;
        for (int k = 0, n = 1 + static_cast<int>(next() % 4); k < n; ++k) {
            std::size_t at = next() % bad.size();
            bad[at] = static_cast<std::uint8_t>(next() % 3 == 0 ? 0xFF : next());
        }
        cSystemData d;
        if (!d.LoadFromBytes(bad)) continue;
        ASSERT_GE(d.Words.size(), kScreenWordCount) << round;
        ASSERT_GE(d.IniKeys.size(), kIniKeyCount) << round;
        ASSERT_GE(d.Gauges.size(), kGaugeCount) << round;
        for (const cFlagList& l : d.RankingFlags) ASSERT_GE(l.Flags.size(), kRankingTableCount) << round;
    }
}

} // namespace
