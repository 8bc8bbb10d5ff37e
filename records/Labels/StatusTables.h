// Value ranges of the character statuses and system values that the status
// commands and conditions name, and the character status flags with their
// ranges, defaults and value names.
#pragma once

#include "records/Labels/CommandOptionNames.h"
#include "records/Labels/DefinitionNames.h"

#include <array>
#include <cstdint>

// One status or system value: the range the value itself may take and the
// range of an operand given for it. The three further numbers are kept as they
// stand; the status operations decide what they switch.
struct cStatusRange {
    const char* name;
    std::int32_t valueMin;
    std::int32_t valueMax;
    std::int32_t operandMin;
    std::int32_t operandMax;
    std::array<std::int32_t, 3> extra;

    constexpr std::int32_t ClampValue(std::int64_t v) const {
        return static_cast<std::int32_t>(v < valueMin ? valueMin : v > valueMax ? valueMax : v);
    }
    constexpr std::int32_t ClampOperand(std::int64_t v) const {
        return static_cast<std::int32_t>(v < operandMin ? operandMin : v > operandMax ? operandMax : v);
    }
};

inline constexpr auto CharaStatusTable = std::to_array<cStatusRange>({
    {"キャラ変数", -999999, 999999, -999999, 999999, {0, 0, 1}},             // 0
    {"HP", 0, 999999, -999999, 999999, {0, 1, 1}},                           // 1
    {"SP", 0, 999999, -999999, 999999, {0, 1, 1}},                           // 2
    {"最大HP", 0, 999999, -999999, 999999, {0, 0, 1}},                       // 3
    {"最大SP", 0, 999999, -999999, 999999, {0, 0, 1}},                       // 4
    {"キャラID", 0, 99, -99, 99, {0, 0, 0}},                                 // 5
    {"Z座標", 0, 8, -8, 8, {0, 0, 0}},                                       // 6
    {"マーク番号", 0, 119, -121, 119, {0, 0, 0}},                            // 7
    {"視界範囲(hbl)", 0, 40, -40, 40, {0, 0, 1}},                            // 8
    {"体当たりの威力", -999999, 999999, -999999, 999999, {0, 0, 1}},         // 9
    {"体当たりの衝撃", -20, 20, -20, 20, {0, 0, 1}},                         // 10
    {"防御力", 0, 999999, -999999, 999999, {0, 0, 1}},                       // 11
    {"衝撃耐性", 0, 20, -20, 20, {0, 0, 1}},                                 // 12
    {"止まりやすさ", 0, 200, -200, 200, {0, 0, 1}},                          // 13
    {"倒したら獲得するスコア", -999999, 999999, -999999, 999999, {0, 0, 1}}, // 14
});
inline constexpr int CharaStatusCount = 15;
static_assert(CharaStatusTable.size() == CharaStatusCount);

inline constexpr auto SystemValueTable = std::to_array<cStatusRange>({
    {"時間", 0, 999, -999, 999, {0, 0, 1}},                // 0
    {"横スクロール速度", -480, 480, -480, 480, {0, 0, 1}}, // 1
    {"縦スクロール速度", -480, 480, -480, 480, {0, 0, 1}}, // 2
    {"スコア", 0, 999999, -999999, 999999, {0, 0, 1}},     // 3
    {"残り人数", 0, 99, -99, 99, {0, 0, 1}},               // 4
});
inline constexpr int SystemValueCount = 5;
static_assert(SystemValueTable.size() == SystemValueCount);

// A character status flag. Value v is named by entry v - min of its name table
// ("巨大化" runs from 1, normal size, and its names start at "しない").
struct cStatusFlag {
    const char* name;
    std::int32_t min;
    std::int32_t max;
    std::int32_t def;
    cNameView values;

    constexpr std::int32_t Clamp(std::int64_t v) const {
        return static_cast<std::int32_t>(v < min ? min : v > max ? max : v);
    }
    constexpr const char* ValueName(std::int64_t v) const { return values.Name(v - min); }
};

inline constexpr auto StatusFlagTable = std::to_array<cStatusFlag>({
    {"消滅", 0, 0, 0, OnNames.View()},                           // 0
    {"透明", 0, 1, 0, SwitchNames2.View()},                      // 1
    {"向き固定", 0, 1, 0, SwitchNames.View()},                   // 2
    {"飛行", 0, 3, 0, FlyNames.View()},                          // 3
    {"無敵", 0, 2, 0, InvincibleNames.View()},                   // 4
    {"巨大化", 1, 10, 1, GiantNames.View()},                     // 5
    {"オートスクロールとシンクロ", 0, 1, 0, SwitchNames.View()}, // 6
});
inline constexpr int StatusFlagCount = 7;
static_assert(StatusFlagTable.size() == StatusFlagCount);

// Lookups by a stored index; an index outside its table finds nothing.
constexpr const cStatusRange* FindCharaStatus(std::int64_t index) {
    return index >= 0 && index < CharaStatusCount ? &CharaStatusTable[index] : nullptr;
}
constexpr const cStatusRange* FindSystemValue(std::int64_t index) {
    return index >= 0 && index < SystemValueCount ? &SystemValueTable[index] : nullptr;
}
constexpr const cStatusFlag* FindStatusFlag(std::int64_t index) {
    return index >= 0 && index < StatusFlagCount ? &StatusFlagTable[index] : nullptr;
}
