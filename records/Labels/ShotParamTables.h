// Parameters of the shot formations and shot trajectories: the range a change
// of a formation or trajectory value is kept in, and its default. Rows are
// 16-bit, as the shot part stores them.
#pragma once

#include "records/Labels/ParamSlot.h"
#include "records/Labels/ShotAndStageNames.h"

using cShotParam = cParamSlot<std::int16_t>;

inline constexpr std::size_t ShotParamSlots = 3;
inline constexpr int ShotPatternCount = 6;
inline constexpr int ShotPathCount = 10;
static_assert(ShotPatternCount == ShotPatternNames.Count);
static_assert(ShotPathCount == ShotPathNames.Count);

inline constexpr auto ShotPatternParamTable = FlattenParams<cShotParam, ShotParamSlots>({
    {{"間隔(hbl)", 0, 40, 0}},                                                    // 0
    {{"間隔(hbl)", 0, 40, 0}},                                                    // 1
    {{"角度", 0, 180, 30}},                                                       // 2
    {{"間隔(hbl)", 0, 40, 0}, {"列の数", 1, 50, 1}, {"列の間隔(hbl)", 0, 40, 0}}, // 3
    {},                                                                           // 4
    {{"距離(hbl)", 0, 40, 6}},                                                    // 5
});
static_assert(ShotPatternParamTable.size() == 18);

inline constexpr auto ShotPathParamTable = FlattenParams<cShotParam, ShotParamSlots>({
    {},                                                                                   // 0
    {{"軌道変更(hbl)", 0, 40, 0}},                                                        // 1
    {{"軌道変更(hbl)", 0, 40, 0}, {"対象勢力", 0, 7, 0}},                                 // 2
    {{"軌道変更(hbl)", 0, 40, 0}},                                                        // 3
    {{"誘導開始(hbl)", 0, 40, 0}, {"誘導終了(hbl)", 0, 999, 999}},                        // 4
    {{"誘導開始(hbl)", 0, 40, 0}, {"誘導終了(hbl)", 0, 999, 999}, {"対象勢力", 0, 7, 0}}, // 5
    {{"誘導開始(hbl)", 0, 40, 0}, {"誘導終了(hbl)", 0, 999, 999}},                        // 6
    {{"誘導開始(hbl)", 0, 40, 0}, {"誘導終了(hbl)", 0, 999, 999}, {"対象勢力", 0, 7, 0}}, // 7
    {{"波の最大(hbl)", 0, 100, 4}, {"波の速度", 0, 100, 4}, {"開始角度", 0, 359, 0}},     // 8
    {{"軌道変更(hbl)", 0, 40, 0}},                                                        // 9
});
static_assert(ShotPathParamTable.size() == 30);

inline constexpr cShotParam NoShotParam{};

// Row `row` of formation `pattern`, of trajectory `path`; outside the table an
// empty row (range 0..0).
constexpr const cShotParam& ShotPatternParam(std::int64_t pattern, std::int64_t row) {
    return ParamAt(ShotPatternParamTable, ShotParamSlots, pattern, row, NoShotParam);
}
constexpr const cShotParam& ShotPathParam(std::int64_t path, std::int64_t row) {
    return ParamAt(ShotPathParamTable, ShotParamSlots, path, row, NoShotParam);
}
