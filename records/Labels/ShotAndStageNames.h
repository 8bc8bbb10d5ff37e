// Names of the stored choices of items, shots, stages and system settings.
#pragma once

#include "records/Labels/NameTable.h"

// How often an item can be taken; no terminator
inline constexpr auto ItemTakeNames = NamesWithoutTerminator({"1回だけ取れる", "何回でも取れる", "取れない"});
static_assert(ItemTakeNames.Count == 3);

// Add, change, delete
inline constexpr auto ArrangeOpNames = Names({"追加", "変更", "削除"});
static_assert(ArrangeOpNames.Count == 3);

// A letter slot: "全て削除" then A to Z
inline constexpr auto LetterClearNames =
    Names({"全て削除", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
           "N",        "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"});
static_assert(LetterClearNames.Count == 27);

// Shot formation patterns
inline constexpr auto ShotPatternNames = Names({"直進A", "直進B", "拡散", "落雷", "爆発", "包囲"});
static_assert(ShotPatternNames.Count == 6);

// Whom a shot aims at
inline constexpr auto AimNames = Names({"ターゲット", "主人公", "自分"});
static_assert(AimNames.Count == 3);

// Shot trajectories
inline constexpr auto ShotPathNames =
    Names({"直進", "主人公を狙う", "近いキャラを狙う", "ターゲットを狙う", "主人公へ誘導",
           "近いキャラへ誘導（対象死亡時、誘導を無効化）", "ターゲットへ誘導",
           "近いキャラへ誘導（対象死亡時、対象を変更）", "ウェーブ", "落下"});
static_assert(ShotPathNames.Count == 10);

// The operations of "ブロック召喚"
inline constexpr auto BlockSummonNames =
    Names({"ブロックを召喚", "ブロックを消す", "ブロックがなければ召喚、ブロックがあれば消す"});
static_assert(BlockSummonNames.Count == 3);

// Common or stage palette
inline constexpr auto PaletteNames3 = Names({"コモンパレット", "ステージパレット"});
static_assert(PaletteNames3.Count == 2);

// Common palette only
inline constexpr auto PaletteCommonNames2 = Names({"コモンパレット"});
static_assert(PaletteCommonNames2.Count == 1);

// Where a shot takes its graphic from
inline constexpr auto ShotGraphicNames = Names({"パレットの設定に準ずる", "使用者と同じ", "番号で指定"});
static_assert(ShotGraphicNames.Count == 3);

// Stage scroll mode
inline constexpr auto ScrollModeNames = Names({"主人公の位置に合わせてスクロール", "オートスクロール"});
static_assert(ScrollModeNames.Count == 2);

// Stage width change side
inline constexpr auto ResizeXNames =
    Names({"右方向へ拡張（または右を削除）", "左方向へ拡張（または左を削除）"});
static_assert(ResizeXNames.Count == 2);

// Stage height change side
inline constexpr auto ResizeYNames =
    Names({"下方向へ拡張（または下を削除）", "上方向へ拡張（または上を削除）"});
static_assert(ResizeYNames.Count == 2);

// Hit-test levels with their speed limits
inline constexpr auto HitLevelNames = Names(
    {"レベル1 (速度制限=60)", "レベル2 (速度制限=120)", "レベル3 (速度制限=180)", "レベル4 (速度制限=240)",
     "レベル5 (速度制限=300)", "レベル6 (速度制限=360)", "レベル7 (速度制限=420)", "レベル8 (速度制限=480)",
     "レベル9 (速度制限=540)", "レベル10 (速度制限=600)", "レベル1 (速度制限=600)", "レベル2 (速度制限=600)",
     "レベル3 (速度制限=600)", "レベル4 (速度制限=600)", "レベル5 (速度制限=600)", "レベル6 (速度制限=600)",
     "レベル7 (速度制限=600)", "レベル8 (速度制限=600)", "レベル9 (速度制限=600)"});
static_assert(HitLevelNames.Count == 19);

// Hit-test accuracy levels
inline constexpr auto HitLevelFitNames =
    Names({"最大 (当たり判定レベルと同じ)", "1 (対応速度=60)", "2 (対応速度=最大120)", "3 (対応速度=最大180)",
           "4 (対応速度=最大240)", "5 (対応速度=最大300)"});
static_assert(HitLevelFitNames.Count == 6);

// Centre or bottom
inline constexpr auto AlignNames = Names({"中央", "下"});
static_assert(AlignNames.Count == 2);

// Middle or bottom
inline constexpr auto AlignNames2 = Names({"中", "下"});
static_assert(AlignNames2.Count == 2);

// Whether a gauge is shown
inline constexpr auto GaugeShowNames = Names({"表示しない", "表示する", "枠のみ表示"});
static_assert(GaugeShowNames.Count == 3);

// Colour names
inline constexpr auto ColourNames = Names({"赤", "緑", "青", "黄", "赤紫", "青紫", "黒", "虹"});
static_assert(ColourNames.Count == 8);

// Horizontal or vertical
inline constexpr auto AxisNames = Names({"水平方向", "垂直方向"});
static_assert(AxisNames.Count == 2);

// World map cell kinds
inline constexpr auto WorldCellNames = Names({"ワールド", "道", "壁"});
static_assert(WorldCellNames.Count == 3);

// What follows the last stage
inline constexpr auto LoopModeNames = Names({"しない", "2周目へ突入", "タイトルへ戻る"});
static_assert(LoopModeNames.Count == 3);

// Front, back, up, down
inline constexpr auto FrontBackNames = Names({"前", "後", "上", "下"});
static_assert(FrontBackNames.Count == 4);
