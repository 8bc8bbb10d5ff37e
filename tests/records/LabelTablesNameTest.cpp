#include "records/Labels/LabelTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct NameTableCase {
    const char* table;
    cNameView view;
    int count;
    bool terminated;
};

// Every name table with the number of values it must hold and whether an
// empty terminator follows the last value.
const NameTableCase kNameTables[] = {
    {"SwitchNames", SwitchNames.View(), 2, true},
    {"PaletteNames", PaletteNames.View(), 2, true},
    {"InheritSourceNames", InheritSourceNames.View(), 3, true},
    {"InheritCommonNames", InheritCommonNames.View(), 2, true},
    {"InheritStageNames", InheritStageNames.View(), 2, true},
    {"InheritNoneNames", InheritNoneNames.View(), 1, true},
    {"GraphicKindNames", GraphicKindNames.View(), 5, true},
    {"GraphicKindNames2", GraphicKindNames2.View(), 5, true},
    {"SwitchNames2", SwitchNames2.View(), 2, true},
    {"BlockDisplayNames", BlockDisplayNames.View(), 3, true},
    {"BlockHitNames", BlockHitNames.View(), 3, true},
    {"BlockNumberNames", BlockNumberNames.View(), 9, true},
    {"BlockFootEffectNames", BlockFootEffectNames.View(), 6, true},
    {"ItemSourceNames", ItemSourceNames.View(), 3, true},
    {"ItemSourceCommonNames", ItemSourceCommonNames.View(), 2, true},
    {"CondKindNames", CondKindNames.View(), 8, true},
    {"CondCombineNames", CondCombineNames.View(), 2, true},
    {"DistanceSubjectNames", DistanceSubjectNames.View(), 5, true},
    {"DistanceAxisNames", DistanceAxisNames.View(), 7, true},
    {"DistanceRangeNames", DistanceRangeNames.View(), 2, true},
    {"CondDisplayNames", CondDisplayNames.View(), 3, true},
    {"ControlNames", ControlNames.View(), 2, true},
    {"OneNames", OneNames.View(), 1, true},
    {"FlyNames", FlyNames.View(), 4, false},
    {"InvincibleNames", InvincibleNames.View(), 3, true},
    {"SwitchNames3", SwitchNames3.View(), 2, true},
    {"GiantNames", GiantNames.View(), 10, true},
    {"GiantSizeNames", GiantSizeNames.View(), 9, true},
    {"SightShapeNames", SightShapeNames.View(), 5, true},
    {"HitRangeNames", HitRangeNames.View(), 4, true},
    {"ActiveAreaNames", ActiveAreaNames.View(), 4, true},
    {"ActivationNames", ActivationNames.View(), 3, true},
    {"UpperLetterNames", UpperLetterNames.View(), 27, true},
    {"UpperLetterAllNames", UpperLetterAllNames.View(), 27, true},
    {"LowerLetterNames", LowerLetterNames.View(), 27, true},
    {"FlowTriggerNames", FlowTriggerNames.View(), 23, true},
    {"SelfTargetNames", SelfTargetNames.View(), 5, true},
    {"FlowOpNames", FlowOpNames.View(), 6, true},
    {"FlowOpScopeNames", FlowOpScopeNames.View(), 3, true},
    {"SelfTargetNames2", SelfTargetNames2.View(), 5, true},
    {"SelfTargetSystemNames", SelfTargetSystemNames.View(), 6, true},
    {"HeroTargetNames", HeroTargetNames.View(), 5, true},
    {"HeroTargetSystemNames", HeroTargetSystemNames.View(), 6, true},
    {"StatusOrVarNames", StatusOrVarNames.View(), 2, true},
    {"OperandKindNames", OperandKindNames.View(), 4, true},
    {"VarScopeNames", VarScopeNames.View(), 2, true},
    {"CalcModeNames", CalcModeNames.View(), 3, true},
    {"OnNames", OnNames.View(), 1, true},
    {"CharaStateNames", CharaStateNames.View(), 5, true},
    {"KeyCombineNames", KeyCombineNames.View(), 3, true},
    {"KeyStateNames", KeyStateNames.View(), 3, true},
    {"ClearTargetNames", ClearTargetNames.View(), 4, true},
    {"ClearFacingNames", ClearFacingNames.View(), 3, true},
    {"MessagePlaceNames", MessagePlaceNames.View(), 9, true},
    {"MessageTimeNames", MessageTimeNames.View(), 3, true},
    {"TargetChoiceNames", TargetChoiceNames.View(), 11, true},
    {"TargetRangeNames", TargetRangeNames.View(), 3, true},
    {"TargetNoneNames", TargetNoneNames.View(), 2, true},
    {"TargetObjectNames", TargetObjectNames.View(), 6, true},
    {"ScreenRangeNames", ScreenRangeNames.View(), 2, true},
    {"PaletteNames2", PaletteNames2.View(), 2, true},
    {"PaletteCommonNames", PaletteCommonNames.View(), 1, true},
    {"PicturePlaceNames", PicturePlaceNames.View(), 5, true},
    {"PictureTimeNames", PictureTimeNames.View(), 3, true},
    {"AnimePlayNames", AnimePlayNames.View(), 3, true},
    {"ShowHideNames", ShowHideNames.View(), 3, true},
    {"VarScopeNames3", VarScopeNames3.View(), 3, true},
    {"MoveSpecNames", MoveSpecNames.View(), 2, true},
    {"WarpSpecNames", WarpSpecNames.View(), 6, true},
    {"DirectionNames", DirectionNames.View(), 13, true},
    {"CoordBaseNames", CoordBaseNames.View(), 4, true},
    {"CoordBaseNames2", CoordBaseNames2.View(), 3, true},
    {"TargetNames", TargetNames.View(), 4, true},
    {"CircleTurnNames", CircleTurnNames.View(), 4, true},
    {"TurnNames", TurnNames.View(), 12, true},
    {"TimedMoveNames", TimedMoveNames.View(), 3, true},
    {"TimeOrSpeedNames", TimeOrSpeedNames.View(), 2, true},
    {"JumpHeightNames", JumpHeightNames.View(), 3, true},
    {"UnitNames", UnitNames.View(), 2, true},
    {"CharaEffectKindNames", CharaEffectKindNames.View(), 16, true},
    {"CharaEffectNoteNames", CharaEffectNoteNames.View(), 16, true},
    {"ScrEffectKindNames", ScrEffectKindNames.View(), 13, true},
    {"ScrEffectNoteNames", ScrEffectNoteNames.View(), 13, true},
    {"ItemTakeNames", ItemTakeNames.View(), 3, false},
    {"ArrangeOpNames", ArrangeOpNames.View(), 3, true},
    {"LetterClearNames", LetterClearNames.View(), 27, true},
    {"ShotPatternNames", ShotPatternNames.View(), 6, true},
    {"AimNames", AimNames.View(), 3, true},
    {"ShotPathNames", ShotPathNames.View(), 10, true},
    {"BlockSummonNames", BlockSummonNames.View(), 3, true},
    {"PaletteNames3", PaletteNames3.View(), 2, true},
    {"PaletteCommonNames2", PaletteCommonNames2.View(), 1, true},
    {"ShotGraphicNames", ShotGraphicNames.View(), 3, true},
    {"ScrollModeNames", ScrollModeNames.View(), 2, true},
    {"ResizeXNames", ResizeXNames.View(), 2, true},
    {"ResizeYNames", ResizeYNames.View(), 2, true},
    {"HitLevelNames", HitLevelNames.View(), 19, true},
    {"HitLevelFitNames", HitLevelFitNames.View(), 6, true},
    {"AlignNames", AlignNames.View(), 2, true},
    {"AlignNames2", AlignNames2.View(), 2, true},
    {"GaugeShowNames", GaugeShowNames.View(), 3, true},
    {"ColourNames", ColourNames.View(), 8, true},
    {"AxisNames", AxisNames.View(), 2, true},
    {"WorldCellNames", WorldCellNames.View(), 3, true},
    {"LoopModeNames", LoopModeNames.View(), 3, true},
    {"FrontBackNames", FrontBackNames.View(), 4, true},
};

TEST(NameTables, EveryTableHasItsCountAndTerminator) {
    for (const auto& c : kNameTables) {
        SCOPED_TRACE(c.table);
        EXPECT_EQ(c.view.count, c.count);
        EXPECT_EQ(c.view.terminated, c.terminated);
        for (int v = 0; v < c.view.count; ++v) ASSERT_NE(c.view.texts[v], nullptr) << v;
        if (c.terminated) {
            EXPECT_STREQ(c.view.texts[c.view.count], "");
        } else {
            // Without a terminator the last text is a real value.
            EXPECT_STRNE(c.view.texts[c.view.count - 1], "");
        }
    }
}

TEST(NameTables, OnlyTheEmptyConditionKindHasNoText) {
    for (const auto& c : kNameTables) {
        for (int v = 0; v < c.view.count; ++v) {
            const bool empty = c.view.texts[v][0] == '\0';
            const bool emptyKind = std::strcmp(c.table, "CondKindNames") == 0 && v == 0;
            EXPECT_EQ(empty, emptyKind) << c.table << " value " << v;
        }
    }
}

TEST(NameTables, ValuesOutsideATableHaveTheEmptyText) {
    EXPECT_STREQ(SwitchNames.Name(-1), "");
    EXPECT_STREQ(SwitchNames.Name(2), "");
    EXPECT_STREQ(FlyNames.Name(4), "");
    EXPECT_STREQ(FlyNames.View().Name(1LL << 40), "");
    EXPECT_STREQ(ItemTakeNames.View().Name(-7), "");
}

struct TextCase {
    const char* what;
    const char* actual;
    const char* expected;
};

TEST(NameTables, SpotTextsAreExact) {
    const TextCase cases[] = {
        {"CondKindNames 0", CondKindNames.Name(0), ""},
        {"CondKindNames 7", CondKindNames.Name(7), "距離条件"},
        {"SwitchNames 1", SwitchNames.Name(1), "ON"},
        {"PaletteNames 0", PaletteNames.Name(0), "ステージパレット"},
        {"FlyNames last", FlyNames.Name(3), "ON (ブロックに当たると即死)"},
        {"ItemTakeNames last", ItemTakeNames.Name(2), "取れない"},
        {"FlowTriggerNames last", FlowTriggerNames.Name(22), "なし（フローの操作コマンドで実行）"},
        {"TargetChoiceNames 6", TargetChoiceNames.Name(6), "子キャラ（条件付き。後で召喚したキャラ優先)"},
        {"UpperLetterAllNames 26", UpperLetterAllNames.Name(26), "Z"},
        {"LowerLetterNames 1", LowerLetterNames.Name(1), "a"},
        {"HitLevelNames 9", HitLevelNames.Name(9), "レベル10 (速度制限=600)"},
        {"HitLevelNames last", HitLevelNames.Name(18), "レベル9 (速度制限=600)"},
        {"ShotPathNames 5", ShotPathNames.Name(5), "近いキャラへ誘導（対象死亡時、誘導を無効化）"},
        {"FrontBackNames last", FrontBackNames.Name(3), "下"},
        {"CharaEffectNoteNames 6", CharaEffectNoteNames.Name(6),
         "Direct3D有効時：回転Aと回転Bは同じ\nDirect3D無効時：巨大キャラには実行速度重視"},
        {"ScrEffectNoteNames last", ScrEffectNoteNames.Name(12),
         "Direct3D有効時：遅過ぎ\nDirect3D無効時：画面が16bit色以上だと遅過ぎ"},
    };
    for (const auto& c : cases) EXPECT_STREQ(c.actual, c.expected) << c.what;
}

TEST(NameTables, EffectKindTextINamesKindIPlusOne) {
    EXPECT_STREQ(CharaEffectKindName(0), "");
    EXPECT_STREQ(CharaEffectKindName(1), "破裂");
    EXPECT_STREQ(CharaEffectKindName(16), "ぼかし");
    EXPECT_STREQ(CharaEffectKindName(17), "");
    EXPECT_STREQ(ScrEffectKindName(1), "移動");
    EXPECT_STREQ(ScrEffectKindName(13), "モザイク");
    EXPECT_STREQ(ScrEffectKindName(14), "");
    EXPECT_EQ(CharaEffectNoteNames.Count, CharaEffectKindNames.Count);
    EXPECT_EQ(ScrEffectNoteNames.Count, ScrEffectKindNames.Count);
}

// The texts are shown and compared as the game data stores them: code page 932.
TEST(NameTables, TextsAreCodePage932) {
    EXPECT_EQ(std::string(GraphicKindNames.Name(1)), std::string("\x83\x4C\x83\x83\x83\x89")); // キャラ
    EXPECT_EQ(std::string(GiantNames.Name(1)), std::string("\x81\x7E"
                                                           "4"));       // ×4
    EXPECT_EQ(std::string(ShowHideNames.Name(2)).find("\x81\xCC"), 9u); // 反転(表示⇔
}

} // namespace
