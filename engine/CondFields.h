// The fields of a condition (cCond) as each condition kind reads them. Kept
// in one place: the stored record names its fields by position only.
#pragma once

#include "records/Cond.h"

#include <cstdint>

// Condition kinds.
enum : std::int8_t {
    COND_COMMON_VAR = 1,
    COND_STAGE_VAR = 2,
    COND_CHARA_VAR = 3,
    COND_STATUS_VALUE = 4,
    COND_STATUS_FLAG = 5,
    COND_STATE = 6,
    COND_DISTANCE = 7,
};

// Kinds 1 to 3: variable index, comparison operator and value.
inline std::int32_t CondVarIndex(const cCond& c) {
    return c.sValue;
}
inline std::int32_t CondOperator(const cCond& c) {
    return c.cSel2;
}
inline std::int32_t CondValue(const cCond& c) {
    return c.nValue1;
}

// Kinds 5 to 7: the subject (0 self, 1..4 target 1..4, 5 the system; for the
// distance condition 0 is the hero) and what is tested.
inline std::int32_t CondSubject(const cCond& c) {
    return c.cSel3;
}
inline std::int32_t CondWhat(const cCond& c) {
    return c.cArg;
}
// Kind 5: the 16-bit value compared with.
inline std::int16_t CondFlagValue(const cCond& c) {
    return c.sValue;
}
// Kinds 6 and 7: the result is inverted.
inline bool CondNegate(const cCond& c) {
    return c.bFlag1 != 0;
}
// Kind 7: the range in half-blocks and in dots, and how it is shown.
inline std::int32_t CondRangeHbl(const cCond& c) {
    return c.nValue1;
}
inline std::int16_t CondRangeDots(const cCond& c) {
    return c.sValue;
}
inline std::int32_t CondDisplay(const cCond& c) {
    return c.cSel4;
}
