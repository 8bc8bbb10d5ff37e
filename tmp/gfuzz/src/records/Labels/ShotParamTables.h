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
    {{"\212\324\212\165(hbl)", 0, 40, 0}},                                                    // 0
    {{"\212\324\212\165(hbl)", 0, 40, 0}},                                                    // 1
    {{"\212\160\223\170", 0, 180, 30}},                                                       // 2
    {{"\212\324\212\165(hbl)", 0, 40, 0}, {"\227\361\202\314\220\224", 1, 50, 1}, {"\227\361\202\314\212\324\212\165(hbl)", 0, 40, 0}}, // 3
    {},                                                                           // 4
    {{"\213\227\227\243(hbl)", 0, 40, 6}},                                                    // 5
});
static_assert(ShotPatternParamTable.size() == 18);

inline constexpr auto ShotPathParamTable = FlattenParams<cShotParam, ShotParamSlots>({
    {},                                                                                   // 0
    {{"\213\117\223\271\225\317\215\130(hbl)", 0, 40, 0}},                                                        // 1
    {{"\213\117\223\271\225\317\215\130(hbl)", 0, 40, 0}, {"\221\316\217\333\220\250\227\315", 0, 7, 0}},                                 // 2
    {{"\213\117\223\271\225\317\215\130(hbl)", 0, 40, 0}},                                                        // 3
    {{"\227\125\223\261\212\112\216\156(hbl)", 0, 40, 0}, {"\227\125\223\261\217\111\227\271(hbl)", 0, 999, 999}},                        // 4
    {{"\227\125\223\261\212\112\216\156(hbl)", 0, 40, 0}, {"\227\125\223\261\217\111\227\271(hbl)", 0, 999, 999}, {"\221\316\217\333\220\250\227\315", 0, 7, 0}}, // 5
    {{"\227\125\223\261\212\112\216\156(hbl)", 0, 40, 0}, {"\227\125\223\261\217\111\227\271(hbl)", 0, 999, 999}},                        // 6
    {{"\227\125\223\261\212\112\216\156(hbl)", 0, 40, 0}, {"\227\125\223\261\217\111\227\271(hbl)", 0, 999, 999}, {"\221\316\217\333\220\250\227\315", 0, 7, 0}}, // 7
    {{"\224\147\202\314\215\305\221\345(hbl)", 0, 100, 4}, {"\224\147\202\314\221\254\223\170", 0, 100, 4}, {"\212\112\216\156\212\160\223\170", 0, 359, 0}},     // 8
    {{"\213\117\223\271\225\317\215\130(hbl)", 0, 40, 0}},                                                        // 9
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
