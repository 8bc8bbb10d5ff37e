// Parameters of the chara effect and screen effect kinds: labels, ranges and
// the defaults a record gets for a parameter an older file did not store.
#pragma once

#include "records/Labels/EffectKindNames.h"
#include "records/Labels/ParamSlot.h"

using cEffectParam = cParamSlot<std::int32_t>;

inline constexpr std::size_t EffectParamSlots = 5;
inline constexpr int CharaEffectKindCount = 17; // with kind 0, none
inline constexpr int ScrEffectKindCount = 14;   // with kind 0, none
static_assert(CharaEffectKindCount == CharaEffectKindNames.Count + 1);
static_assert(ScrEffectKindCount == ScrEffectKindNames.Count + 1);

inline constexpr auto CharaEffectParamTable = FlattenParams<cEffectParam, EffectParamSlots>({
    {},                                                                                             // 0
    {{"実行時間(1/10s)", 1, 9999, 5}, {"開始位置(dot)", 0, 999, 0}, {"終了位置(dot)", 0, 999, 32}}, // 1
    {{"実行時間(1/10s)", 1, 9999, 5},
     {"開始位置(dot)", 0, 999, 0},
     {"終了位置(dot)", 0, 999, 32},
     {"分割数", 2, 16, 4}}, // 2
    {{"実行時間(1/10s)", 1, 9999, 5},
     {"開始位置(dot)", 0, 999, 0},
     {"終了位置(dot)", 0, 999, 32},
     {"分割数", 2, 16, 4}}, // 3
    {{"実行時間(1/10s)", 1, 9999, 5},
     {"開始幅(dot)", 0, 999, 0},
     {"終了幅(dot)", 0, 999, 32},
     {"波の数", 2, 16, 2},
     {"波の粗さ(dot)", 1, 4, 2}}, // 4
    {{"実行時間(1/10s)", 1, 9999, 5},
     {"開始幅(dot)", 0, 999, 0},
     {"終了幅(dot)", 0, 999, 32},
     {"波の数", 2, 16, 2},
     {"波の粗さ(dot)", 1, 4, 2}},                                                                       // 5
    {{"実行時間(1/10s)", 1, 9999, 10}, {"点滅間隔(1/60s)", 1, 9999, 2}},                                // 6
    {{"実行時間(1/10s)", 1, 9999, 10}, {"開始角度", 0, 9999, 0}, {"終了角度", 0, 9999, 1440}},          // 7
    {{"実行時間(1/10s)", 1, 9999, 10}, {"開始角度", 0, 9999, 0}, {"終了角度", 0, 9999, 1440}},          // 8
    {{"実行時間(1/10s)", 1, 9999, 10}, {"開始位置(dot)", 0, 9999, 0}, {"終了位置(dot)", 0, 9999, 256}}, // 9
    {{"実行時間(1/10s)", 1, 9999, 5},
     {"開始半径(dot)", 0, 32, 32},
     {"終了半径(dot)", 0, 32, 0},
     {"円の粗さ(dot)", 1, 4, 2}},                                                                 // 10
    {{"実行時間(1/10s)", 1, 9999, 10}, {"開始幅(dot)", 0, 320, 32}, {"終了幅(dot)", 0, 320, 64}}, // 11
    {{"実行時間(1/10s)", 1, 9999, 10},
     {"開始距離", 0, 100, 100},
     {"終了距離", 0, 100, 5},
     {"ズレX(dot)", -16, 16, 0},
     {"ズレY(dot)", -16, 16, 0}}, // 12
    {{"実行時間(1/10s)", 1, 9999, 10},
     {"開始合成度", 1, 4, 1},
     {"終了合成度", 1, 4, 1},
     {"色", 16, 207, 16}},                                                              // 13
    {{"実行時間(1/10s)", 1, 9999, 10}, {"点滅間隔(1/60s)", 1, 9999, 9999}},             // 14
    {{"実行時間(1/10s)", 1, 9999, 10}, {"開始強度", 1, 16, 1}, {"終了強度", 1, 16, 8}}, // 15
    {{"実行時間(1/10s)", 1, 9999, 10}, {"開始強度", 1, 4, 1}, {"終了強度", 1, 4, 4}},   // 16
});
static_assert(CharaEffectParamTable.size() == CharaEffectKindCount * EffectParamSlots);

inline constexpr auto ScrEffectParamTable = FlattenParams<cEffectParam, EffectParamSlots>({
    {}, // 0
    {{"実行時間(1/10s)", 1, 9999, 10},
     {"開始座標X(dot)", -640, 640, 0},
     {"開始座標Y(dot)", -480, 480, 0},
     {"終了座標X(dot)", -640, 640, 640},
     {"終了座標Y(dot)", -480, 480, 0}},                                                       // 1
    {{"実行時間(1/10s)", 1, 9999, 10}, {"振動幅(dot)", 1, 640, 4}, {"振動回数", 1, 9999, 4}}, // 2
    {{"実行時間(1/10s)", 1, 9999, 10}, {"振動幅(dot)", 1, 480, 4}, {"振動回数", 1, 9999, 4}}, // 3
    {{"実行時間(1/10s)", 1, 9999, 10},
     {"開始位置(dot)", 0, 640, 0},
     {"終了位置(dot)", 0, 640, 640},
     {"分割数", 2, 240, 15}}, // 4
    {{"実行時間(1/10s)", 1, 9999, 10},
     {"開始位置(dot)", 0, 480, 0},
     {"終了位置(dot)", 0, 480, 480},
     {"分割数", 2, 320, 20}}, // 5
    {{"実行時間(1/10s)", 1, 9999, 10},
     {"開始幅(dot)", 0, 640, 0},
     {"終了幅(dot)", 0, 640, 640},
     {"波の数", 2, 240, 4},
     {"波の粗さ(dot)", 1, 48, 8}}, // 6
    {{"実行時間(1/10s)", 1, 9999, 10},
     {"開始幅(dot)", 0, 480, 0},
     {"終了幅(dot)", 0, 480, 480},
     {"波の数", 2, 320, 4},
     {"波の粗さ(dot)", 1, 64, 10}},                                                            // 7
    {{"実行時間(1/10s)", 1, 9999, 10}, {"点滅間隔(1/60s)", 1, 9999, 10}},                      // 8
    {{"実行時間(1/10s)", 1, 9999, 10}, {"開始角度", 0, 9999, 0}, {"終了角度", 0, 9999, 1440}}, // 9
    {{"実行時間(1/10s)", 1, 9999, 10},
     {"開始半径(dot)", 0, 640, 640},
     {"終了半径(dot)", 0, 640, 0},
     {"円の粗さ(dot)", 1, 48, 8}},                                                                     // 10
    {{"実行時間(1/10s)", 1, 9999, 10}, {"開始幅(dot)", 0, 6400, 640}, {"終了幅(dot)", 0, 6400, 1280}}, // 11
    {{"実行時間(1/10s)", 1, 9999, 10},
     {"開始距離", 0, 1500, 1500},
     {"終了距離", 0, 1500, 5},
     {"ズレX(dot)", -320, 320, 0},
     {"ズレY(dot)", -240, 240, 0}},                                                        // 12
    {{"実行時間(1/10s)", 1, 9999, 10}, {"開始強度", 1, 240, 1}, {"終了強度", 1, 240, 60}}, // 13
});
static_assert(ScrEffectParamTable.size() == ScrEffectKindCount * EffectParamSlots);

inline constexpr cEffectParam NoEffectParam{};

constexpr const cEffectParam& CharaEffectParam(std::int64_t kind, std::int64_t slot) {
    return ParamAt(CharaEffectParamTable, EffectParamSlots, kind, slot, NoEffectParam);
}
constexpr const cEffectParam& ScrEffectParam(std::int64_t kind, std::int64_t slot) {
    return ParamAt(ScrEffectParamTable, EffectParamSlots, kind, slot, NoEffectParam);
}
