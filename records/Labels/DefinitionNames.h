// Names of the stored choices of definitions: palettes, graphics, blocks,
// conditions, character settings and letter slots.
#pragma once

#include "records/Labels/NameTable.h"

// A plain switch (also the value texts of the status flags "向き固定" and "オートスクロールとシンクロ")
inline constexpr auto SwitchNames = Names({"OFF", "ON"});
static_assert(SwitchNames.Count == 2);

// The two palettes, stage palette first
inline constexpr auto PaletteNames = Names({"ステージパレット", "コモンパレット"});
static_assert(PaletteNames.Count == 2);

// PaletteSource of a definition (0 do not inherit, 1 common palette, 2 stage palette)
inline constexpr auto InheritSourceNames = Names({"継承しない", "コモンパレット", "ステージパレット"});
static_assert(InheritSourceNames.Count == 3);

// PaletteSource where only the common palette can be a template
inline constexpr auto InheritCommonNames = Names({"継承しない", "コモンパレット"});
static_assert(InheritCommonNames.Count == 2);

// PaletteSource where only the stage palette can be a template
inline constexpr auto InheritStageNames = Names({"継承しない", "ステージパレット"});
static_assert(InheritStageNames.Count == 2);

// PaletteSource where no template is possible
inline constexpr auto InheritNoneNames = Names({"継承しない"});
static_assert(InheritNoneNames.Count == 1);

// GraphicKind (0 block, 1 character, 2 item, 3 shot, 4 exclusive bitmap)
inline constexpr auto GraphicKindNames = Names({"ブロック", "キャラ", "アイテム", "ショット", "専用bmp"});
static_assert(GraphicKindNames.Count == 5);

// GraphicKind, second copy
inline constexpr auto GraphicKindNames2 = Names({"ブロック", "キャラ", "アイテム", "ショット", "専用bmp"});
static_assert(GraphicKindNames2.Count == 5);

// A plain switch (also the value texts of the status flag "透明")
inline constexpr auto SwitchNames2 = Names({"OFF", "ON"});
static_assert(SwitchNames2.Count == 2);

// Whether a block is shown
inline constexpr auto BlockDisplayNames = Names({"表示しない", "表示する", "エディターでのみ表示"});
static_assert(BlockDisplayNames.Count == 3);

// How a block collides
inline constexpr auto BlockHitNames = Names({"当たらない", "当たる", "主人公が当たると即死"});
static_assert(BlockHitNames.Count == 3);

// A block number setting: none or 0 to 7
inline constexpr auto BlockNumberNames = Names({"なし", "0", "1", "2", "3", "4", "5", "6", "7"});
static_assert(BlockNumberNames.Count == 9);

// What a block does to a character on it, with its X value
inline constexpr auto BlockFootEffectNames =
    Names({"なし", "ジャンプ X=高さ(hbl)", "ジャンプ禁止", "移動速度変更 X=％", "左移動 X=移動速度",
           "右移動 X=移動速度"});
static_assert(BlockFootEffectNames.Count == 6);

// ItemSource of a block (0 none, 1 common palette, 2 stage palette)
inline constexpr auto ItemSourceNames = Names({"なし", "コモンパレット", "ステージパレット"});
static_assert(ItemSourceNames.Count == 3);

// ItemSource where only the common palette applies
inline constexpr auto ItemSourceCommonNames = Names({"なし", "コモンパレット"});
static_assert(ItemSourceCommonNames.Count == 2);

// The kind of a condition (cCond,; value 0 has the empty text
inline constexpr auto CondKindNames =
    Names({"", "コモン変数条件", "ステージ変数条件", "キャラ変数条件", "ステータス条件", "ステータス条件2",
           "ステータス条件3", "距離条件"});
static_assert(CondKindNames.Count == 8);

// How a condition list combines its conditions
inline constexpr auto CondCombineNames = Names({"全ての条件が真なら成立", "1つ以上の条件が真なら成立"});
static_assert(CondCombineNames.Count == 2);

// Whom a distance condition measures to
inline constexpr auto DistanceSubjectNames =
    Names({"主人公", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4"});
static_assert(DistanceSubjectNames.Count == 5);

// How a distance condition measures
inline constexpr auto DistanceAxisNames = Names({"横", "前", "後", "縦", "前Y", "後Y", "円"});
static_assert(DistanceAxisNames.Count == 7);

// Inside or outside the distance
inline constexpr auto DistanceRangeNames = Names({"以内", "外"});
static_assert(DistanceRangeNames.Count == 2);

// Whether something is shown: never, always, only in test play
inline constexpr auto CondDisplayNames = Names({"表示しない", "表示する", "テストプレイ時のみ表示"});
static_assert(CondDisplayNames.Count == 3);

// Who controls a character (0 player, 1 computer)
inline constexpr auto ControlNames = Names({"プレイヤー", "コンピューター"});
static_assert(ControlNames.Count == 2);

// A single value "1"
inline constexpr auto OneNames = Names({"1"});
static_assert(OneNames.Count == 1);

// The status flag "飛行" (values 0 to 3); no terminator
inline constexpr auto FlyNames = NamesWithoutTerminator(
    {"OFF", "ON (ブロックをすり抜ける)", "ON (ブロックに当たる)", "ON (ブロックに当たると即死)"});
static_assert(FlyNames.Count == 4);

// The status flag "無敵" (values 0 to 2)
inline constexpr auto InvincibleNames = Names({"OFF", "ON (ショットが当たる)", "ON (ショットがすり抜ける)"});
static_assert(InvincibleNames.Count == 3);

// A plain switch
inline constexpr auto SwitchNames3 = Names({"OFF", "ON"});
static_assert(SwitchNames3.Count == 2);

// The status flag "巨大化": 0 off, then area factors 4 to 100 (scale 2 to 10)
inline constexpr auto GiantNames =
    Names({"しない", "×4", "×9", "×16", "×25", "×36", "×49", "×64", "×81", "×100"});
static_assert(GiantNames.Count == 10);

// The enlargement factors without "しない"
inline constexpr auto GiantSizeNames = Names({"×4", "×9", "×16", "×25", "×36", "×49", "×64", "×81", "×100"});
static_assert(GiantSizeNames.Count == 9);

// The shape of a character's sight range
inline constexpr auto SightShapeNames = Names({"画面内全て", "キャラを中心とした円形", "キャラの前方に円形",
                                               "キャラを中心とした正方形", "キャラの前方に正方形"});
static_assert(SightShapeNames.Count == 5);

// Which hit range a test uses
inline constexpr auto HitRangeNames =
    Names({"キャラ対キャラの当たり判定範囲（推奨）", "キャラ対ショットの当たり判定範囲",
           "ショット対キャラの当たり判定範囲", "32×32"});
static_assert(HitRangeNames.Count == 4);

// Where a character stays active
inline constexpr auto ActiveAreaNames = Names({"画面内", "X座標のみ画面内", "Y座標のみ画面内", "全範囲"});
static_assert(ActiveAreaNames.Count == 4);

// How range and group decide activation
inline constexpr auto ActivationNames =
    Names({"範囲かグループが真なら成立", "一度範囲かグループが真になると、以後無条件で成立",
           "範囲とグループが偽なら成立"});
static_assert(ActivationNames.Count == 3);

// A letter slot: "-" then A to Z
inline constexpr auto UpperLetterNames =
    Names({"-", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
           "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"});
static_assert(UpperLetterNames.Count == 27);

// A letter slot: "全て" then A to Z
inline constexpr auto UpperLetterAllNames =
    Names({"全て", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
           "N",    "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"});
static_assert(UpperLetterAllNames.Count == 27);

// A letter slot: "-" then a to z
inline constexpr auto LowerLetterNames =
    Names({"-", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
           "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"});
static_assert(LowerLetterNames.Count == 27);
