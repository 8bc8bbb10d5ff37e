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
    {"\203\114\203\203\203\211\225\317\220\224", -999999, 999999, -999999, 999999, {0, 0, 1}},             // 0
    {"HP", 0, 999999, -999999, 999999, {0, 1, 1}},                           // 1
    {"SP", 0, 999999, -999999, 999999, {0, 1, 1}},                           // 2
    {"\215\305\221\345HP", 0, 999999, -999999, 999999, {0, 0, 1}},                       // 3
    {"\215\305\221\345SP", 0, 999999, -999999, 999999, {0, 0, 1}},                       // 4
    {"\203\114\203\203\203\211ID", 0, 99, -99, 99, {0, 0, 0}},                                 // 5
    {"Z\215\300\225\127", 0, 8, -8, 8, {0, 0, 0}},                                       // 6
    {"\203\175\201\133\203\116\224\324\215\206", 0, 119, -121, 119, {0, 0, 0}},                            // 7
    {"\216\213\212\105\224\315\210\315(hbl)", 0, 40, -40, 40, {0, 0, 1}},                            // 8
    {"\221\314\223\226\202\275\202\350\202\314\210\320\227\315", -999999, 999999, -999999, 999999, {0, 0, 1}},         // 9
    {"\221\314\223\226\202\275\202\350\202\314\217\325\214\202", -20, 20, -20, 20, {0, 0, 1}},                         // 10
    {"\226\150\214\344\227\315", 0, 999999, -999999, 999999, {0, 0, 1}},                       // 11
    {"\217\325\214\202\221\317\220\253", 0, 20, -20, 20, {0, 0, 1}},                                 // 12
    {"\216\176\202\334\202\350\202\342\202\267\202\263", 0, 200, -200, 200, {0, 0, 1}},                          // 13
    {"\223\174\202\265\202\275\202\347\212\154\223\276\202\267\202\351\203\130\203\122\203\101", -999999, 999999, -999999, 999999, {0, 0, 1}}, // 14
});
inline constexpr int CharaStatusCount = 15;
static_assert(CharaStatusTable.size() == CharaStatusCount);

inline constexpr auto SystemValueTable = std::to_array<cStatusRange>({
    {"\216\236\212\324", 0, 999, -999, 999, {0, 0, 1}},                // 0
    {"\211\241\203\130\203\116\203\215\201\133\203\213\221\254\223\170", -480, 480, -480, 480, {0, 0, 1}}, // 1
    {"\217\143\203\130\203\116\203\215\201\133\203\213\221\254\223\170", -480, 480, -480, 480, {0, 0, 1}}, // 2
    {"\203\130\203\122\203\101", 0, 999999, -999999, 999999, {0, 0, 1}},     // 3
    {"\216\143\202\350\220\154\220\224", 0, 99, -99, 99, {0, 0, 1}},               // 4
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
    {"\217\301\226\305", 0, 0, 0, OnNames.View()},                           // 0
    {"\223\247\226\276", 0, 1, 0, SwitchNames2.View()},                      // 1
    {"\214\374\202\253\214\305\222\350", 0, 1, 0, SwitchNames.View()},                   // 2
    {"\224\362\215\163", 0, 3, 0, FlyNames.View()},                          // 3
    {"\226\263\223\107", 0, 2, 0, InvincibleNames.View()},                   // 4
    {"\213\220\221\345\211\273", 1, 10, 1, GiantNames.View()},                     // 5
    {"\203\111\201\133\203\147\203\130\203\116\203\215\201\133\203\213\202\306\203\126\203\223\203\116\203\215", 0, 1, 0, SwitchNames.View()}, // 6
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
