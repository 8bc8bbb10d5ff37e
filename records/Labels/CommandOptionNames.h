// Names of the stored choices of flows and commands: triggers, targets,
// operands, placements, moves and turns.
#pragma once

#include "records/Labels/NameTable.h"

// When a flow starts
inline constexpr auto FlowTriggerNames = Names({"常時",
                                                "ダメージを受けた時",
                                                "衝撃を受けた時",
                                                "死亡した時",
                                                "キャラに当たった時",
                                                "ブロックキャラに当たった時",
                                                "ブロックキャラに乗っている時",
                                                "ショットに当たった時",
                                                "アイテムに当たった時",
                                                "ブロックに当たった時",
                                                "自分の左右にブロックが当たった時",
                                                "自分の左にブロックが当たった時",
                                                "自分の右にブロックが当たった時",
                                                "自分の上下にブロックが当たった時",
                                                "自分の上にブロックが当たった時",
                                                "自分の下にブロックが当たった時",
                                                "主人公に乗られている時",
                                                "キャラに乗られている時",
                                                "アタックでダメージを与えた時",
                                                "アタックで衝撃を与えた時",
                                                "アタックを当てた時",
                                                "ステージ開始前",
                                                "なし（フローの操作コマンドで実行）"});
static_assert(FlowTriggerNames.Count == 23);

// Self or one of the four targets
inline constexpr auto SelfTargetNames =
    Names({"自分", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4"});
static_assert(SelfTargetNames.Count == 5);

// Operations of the command "フローの操作"
inline constexpr auto FlowOpNames = Names({"開始", "終了", "一時停止", "再開", "削除", "永久停止"});
static_assert(FlowOpNames.Count == 6);

// Which flows "フローの操作" applies to
inline constexpr auto FlowOpScopeNames = Names({"このフロー", "このフロー以外全て", "指定IDのフロー"});
static_assert(FlowOpScopeNames.Count == 3);

// Self or one of the four targets, second copy
inline constexpr auto SelfTargetNames2 =
    Names({"自分", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4"});
static_assert(SelfTargetNames2.Count == 5);

// Self, the four targets or the system
inline constexpr auto SelfTargetSystemNames =
    Names({"自分", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4", "システム"});
static_assert(SelfTargetSystemNames.Count == 6);

// The hero or one of the four targets
inline constexpr auto HeroTargetNames =
    Names({"主人公", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4"});
static_assert(HeroTargetNames.Count == 5);

// The hero, the four targets or the system
inline constexpr auto HeroTargetSystemNames =
    Names({"主人公", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4", "システム"});
static_assert(HeroTargetSystemNames.Count == 6);

// Status or variable
inline constexpr auto StatusOrVarNames = Names({"ステータス", "変数"});
static_assert(StatusOrVarNames.Count == 2);

// Operand kinds: constant, random, status, variable
inline constexpr auto OperandKindNames = Names({"定数", "乱数", "ステータス", "変数"});
static_assert(OperandKindNames.Count == 4);

// Common or stage variables
inline constexpr auto VarScopeNames = Names({"コモン変数", "ステージ変数"});
static_assert(VarScopeNames.Count == 2);

// How a status change is computed
inline constexpr auto CalcModeNames =
    Names({"通常の計算", "最大値に対する％で指定", "現在値に対する％で指定"});
static_assert(CalcModeNames.Count == 3);

// The single value text "ON" (status flag "消滅")
inline constexpr auto OnNames = Names({"ON"});
static_assert(OnNames.Count == 1);

// Character state conditions
inline constexpr auto CharaStateNames =
    Names({"左向き", "右向き", "ブロックに乗っている(ブロックキャラも含む)", "画面内にいる", "存在している"});
static_assert(CharaStateNames.Count == 5);

// The combiner of a key condition (cEdKeyCond)
inline constexpr auto KeyCombineNames =
    Names({"全てのキーが真なら成立", "1つ以上のキーが真なら成立", "1つだけキーが真なら成立"});
static_assert(KeyCombineNames.Count == 3);

// One key's state in a key condition: none, pressed, released
inline constexpr auto KeyStateNames = Names({"--", "押", "離"});
static_assert(KeyStateNames.Count == 3);

// Where "ステージクリア" leads
inline constexpr auto ClearTargetNames =
    Names({"次のステージへ", "番号で指定", "パスで指定", "ワールドクリア"});
static_assert(ClearTargetNames.Count == 4);

// Facing after a stage clear
inline constexpr auto ClearFacingNames = Names({"左向き", "右向き", "ステージクリア時の向きと同じ"});
static_assert(ClearFacingNames.Count == 3);

// Where a message is shown
inline constexpr auto MessagePlaceNames =
    Names({"画面中央に表示", "自分の上に表示", "自分の下に表示", "自分の中心に表示", "主人公の上に表示",
           "主人公の下に表示", "主人公の中心に表示", "画面座標で指定", "ステージ座標で指定"});
static_assert(MessagePlaceNames.Count == 9);

// How long a message stays
inline constexpr auto MessageTimeNames =
    Names({"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定"});
static_assert(MessageTimeNames.Count == 3);

// Whom "ターゲットの設定" chooses
inline constexpr auto TargetChoiceNames =
    Names({"主人公", "自分", "最も近いキャラ", "キャラ（キャラIDで指定）", "親キャラ（自分を召喚したキャラ）",
           "子キャラ（最後に召喚したキャラ）", "子キャラ（条件付き。後で召喚したキャラ優先)", "ターゲット1",
           "ターゲット2", "ターゲット3", "ターゲット4"});
static_assert(TargetChoiceNames.Count == 11);

// Where a target is searched
inline constexpr auto TargetRangeNames = Names({"全範囲（画面内のキャラ優先）", "全範囲", "画面内"});
static_assert(TargetRangeNames.Count == 3);

// What happens when no target is found
inline constexpr auto TargetNoneNames = Names({"ターゲット無し", "ターゲットを変更しない"});
static_assert(TargetNoneNames.Count == 2);

// Which objects a command affects
inline constexpr auto TargetObjectNames =
    Names({"キャラ", "ショット", "子以下のキャラ", "子のショット", "子以下のキャラと子以下のショット",
           "子以下のキャラと孫以下のショット"});
static_assert(TargetObjectNames.Count == 6);

// On screen or everywhere
inline constexpr auto ScreenRangeNames = Names({"画面内", "全範囲"});
static_assert(ScreenRangeNames.Count == 2);

// Common or stage palette
inline constexpr auto PaletteNames2 = Names({"コモンパレット", "ステージパレット"});
static_assert(PaletteNames2.Count == 2);

// Common palette only
inline constexpr auto PaletteCommonNames = Names({"コモンパレット"});
static_assert(PaletteCommonNames.Count == 1);

// Where a picture or effect is shown
inline constexpr auto PicturePlaceNames = Names(
    {"画面中央に表示", "キャラの中心に表示", "主人公の中心に表示", "画面座標で指定", "ステージ座標で指定"});
static_assert(PicturePlaceNames.Count == 5);

// How long a picture stays
inline constexpr auto PictureTimeNames =
    Names({"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定"});
static_assert(PictureTimeNames.Count == 3);

// How an animation is run: normal, reversed, back and forth
inline constexpr auto AnimePlayNames = Names({"通常実行", "反転実行", "往復実行"});
static_assert(AnimePlayNames.Count == 3);

// Show, hide or toggle
inline constexpr auto ShowHideNames = Names({"表示", "非表示", "反転(表示⇔非表示)"});
static_assert(ShowHideNames.Count == 3);

// Common, stage or character variables
inline constexpr auto VarScopeNames3 = Names({"コモン変数", "ステージ変数", "キャラ変数"});
static_assert(VarScopeNames3.Count == 3);

// How a move is given
inline constexpr auto MoveSpecNames = Names({"方向で指定", "目標座標で指定"});
static_assert(MoveSpecNames.Count == 2);

// How a warp destination is given
inline constexpr auto WarpSpecNames =
    Names({"方向と距離で指定", "ターゲット1からの方向と距離で指定", "ターゲット2からの方向と距離で指定",
           "ターゲット3からの方向と距離で指定", "ターゲット4からの方向と距離で指定", "目標座標で指定"});
static_assert(WarpSpecNames.Count == 6);

// Directions of moves and shots
inline constexpr auto DirectionNames =
    Names({"前", "後", "左", "右", "前Y", "後Y", "上", "下", "左上", "左下", "右上", "右下", "入力方向"});
static_assert(DirectionNames.Count == 13);

// Coordinate bases, with the placement position
inline constexpr auto CoordBaseNames = Names({"配置位置からの相対座標", "相対座標", "絶対座標", "画面座標"});
static_assert(CoordBaseNames.Count == 4);

// Coordinate bases
inline constexpr auto CoordBaseNames2 = Names({"相対座標", "絶対座標", "画面座標"});
static_assert(CoordBaseNames2.Count == 3);

// The four targets
inline constexpr auto TargetNames = Names({"ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4"});
static_assert(TargetNames.Count == 4);

// Turning sense of a circle move
inline constexpr auto CircleTurnNames =
    Names({"右回り", "左回り", "左向きなら右回り、右向きなら左回り", "左向きなら左回り、右向きなら右回り"});
static_assert(CircleTurnNames.Count == 4);

// The choices of "向き変更"
inline constexpr auto TurnNames =
    Names({"左を向く", "右を向く", "ターゲット1がいる方を向く", "ターゲット1がいる方の逆を向く",
           "ターゲット2がいる方を向く", "ターゲット2がいる方の逆を向く", "ターゲット3がいる方を向く",
           "ターゲット3がいる方の逆を向く", "ターゲット4がいる方を向く", "ターゲット4がいる方の逆を向く",
           "最後にブロックが当たった方を向く", "最後にブロックが当たった方の逆を向く"});
static_assert(TurnNames.Count == 12);

// Which two of time, speed and distance a move gives
inline constexpr auto TimedMoveNames = Names({"時間と速度を指定", "時間と距離を指定", "速度と距離を指定"});
static_assert(TimedMoveNames.Count == 3);

// Time or speed
inline constexpr auto TimeOrSpeedNames = Names({"時間を指定", "速度を指定"});
static_assert(TimeOrSpeedNames.Count == 2);

// How a jump's height is decided
inline constexpr auto JumpHeightNames =
    Names({"高さがキーで調節できない", "高さがキーで調節できる(主人公のみ有効)",
           "慣性移動速度に応じて高さを決定(主人公のみ有効)"});
static_assert(JumpHeightNames.Count == 3);

// The unit of a length
inline constexpr auto UnitNames = Names({"(hbl)で指定", "(dot)で指定"});
static_assert(UnitNames.Count == 2);
