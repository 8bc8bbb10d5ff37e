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
        {"CondKindNames 7", CondKindNames.Name(7), "\213\227\227\243\217\360\214\217"},
        {"SwitchNames 1", SwitchNames.Name(1), "ON"},
        {"PaletteNames 0", PaletteNames.Name(0), "\203\130\203\145\201\133\203\127\203\160\203\214\203\142\203\147"},
        {"FlyNames last", FlyNames.Name(3), "ON (\203\165\203\215\203\142\203\116\202\311\223\226\202\275\202\351\202\306\221\246\216\200)"},
        {"ItemTakeNames last", ItemTakeNames.Name(2), "\216\346\202\352\202\310\202\242"},
        {"FlowTriggerNames last", FlowTriggerNames.Name(22), "\202\310\202\265\201\151\203\164\203\215\201\133\202\314\221\200\215\354\203\122\203\175\203\223\203\150\202\305\216\300\215\163\201\152"},
        {"TargetChoiceNames 6", TargetChoiceNames.Name(6), "\216\161\203\114\203\203\203\211\201\151\217\360\214\217\225\164\202\253\201\102\214\343\202\305\217\242\212\253\202\265\202\275\203\114\203\203\203\211\227\104\220\346)"},
        {"UpperLetterAllNames 26", UpperLetterAllNames.Name(26), "Z"},
        {"LowerLetterNames 1", LowerLetterNames.Name(1), "a"},
        {"HitLevelNames 9", HitLevelNames.Name(9), "\203\214\203\170\203\21310 (\221\254\223\170\220\247\214\300=600)"},
        {"HitLevelNames last", HitLevelNames.Name(18), "\203\214\203\170\203\2139 (\221\254\223\170\220\247\214\300=600)"},
        {"ShotPathNames 5", ShotPathNames.Name(5), "\213\337\202\242\203\114\203\203\203\211\202\326\227\125\223\261\201\151\221\316\217\333\216\200\226\123\216\236\201\101\227\125\223\261\202\360\226\263\214\370\211\273\201\152"},
        {"FrontBackNames last", FrontBackNames.Name(3), "\211\272"},
        {"CharaEffectNoteNames 6", CharaEffectNoteNames.Name(6),
         "Direct3D\227\114\214\370\216\236\201\106\211\361\223\135A\202\306\211\361\223\135B\202\315\223\257\202\266\nDirect3D\226\263\214\370\216\236\201\106\213\220\221\345\203\114\203\203\203\211\202\311\202\315\216\300\215\163\221\254\223\170\217\144\216\213"},
        {"ScrEffectNoteNames last", ScrEffectNoteNames.Name(12),
         "Direct3D\227\114\214\370\216\236\201\106\222\170\211\337\202\254\nDirect3D\226\263\214\370\216\236\201\106\211\346\226\312\202\25216bit\220\106\210\310\217\343\202\276\202\306\222\170\211\337\202\254"},
    };
    for (const auto& c : cases) EXPECT_STREQ(c.actual, c.expected) << c.what;
}

TEST(NameTables, EffectKindTextINamesKindIPlusOne) {
    EXPECT_STREQ(CharaEffectKindName(0), "");
    EXPECT_STREQ(CharaEffectKindName(1), "\224\152\227\364");
    EXPECT_STREQ(CharaEffectKindName(16), "\202\332\202\251\202\265");
    EXPECT_STREQ(CharaEffectKindName(17), "");
    EXPECT_STREQ(ScrEffectKindName(1), "\210\332\223\256");
    EXPECT_STREQ(ScrEffectKindName(13), "\203\202\203\125\203\103\203\116");
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
