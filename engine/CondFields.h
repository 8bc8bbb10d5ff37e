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
// Kind 7: the range in half-blocks and in dots (R = half-blocks * 16 + dots),
// how it is measured (0 across, 1 in front, 2 behind, 3 up and down, 4 in
// front vertically, 5 behind vertically, 6 a circle), and how its reach is
// shown: never, always or only in a run started by the editor; in which of
// eight colours; also while the character takes no part in contacts; also
// while it is hidden.
inline std::int32_t CondRangeHbl(const cCond& c) {
    return c.nValue1;
}
inline std::int16_t CondRangeDots(const cCond& c) {
    return c.sValue2;
}
inline std::int32_t CondRangeMode(const cCond& c) {
    return c.bFlag3;
}
inline std::int32_t CondRangeDisplay(const cCond& c) {
    return c.cSel1;
}
inline std::int32_t CondRangeColour(const cCond& c) {
    return c.cArg;
}
inline bool CondRangeWhileInactive(const cCond& c) {
    return c.cSel4 != 0;
}
inline bool CondRangeWhileHidden(const cCond& c) {
    return c.cSel5 != 0;
}

// Kind 4, the status-value condition: what is tested (0 a status or system
// value, 1 a variable) with its variable scope and index (CondVarIndex), subject
// (CondSubject) and status (CondWhat); the comparison (CondOperator); the value
// compared with: its kind (0 a constant, 1 a random number, 2 a status, 3 a
// variable), the constant, the random bounds, the value's subject, status,
// variable scope and index; and the percent switch.
inline std::int32_t CondTested(const cCond& c) {
    return c.cSel1;
}
inline std::int32_t CondScope(const cCond& c) {
    return c.bFlag2;
}
inline std::int32_t CondValueKind(const cCond& c) {
    return c.cSel4;
}
inline std::int32_t CondConstant(const cCond& c) {
    return c.nValue1;
}
inline std::int32_t CondRandomA(const cCond& c) {
    return c.nValue2;
}
inline std::int32_t CondRandomB(const cCond& c) {
    return c.nValue3;
}
inline std::int32_t CondValueSubject(const cCond& c) {
    return c.cSel5;
}
inline std::int32_t CondValueStatus(const cCond& c) {
    return c.cArg2;
}
inline std::int32_t CondValueScope(const cCond& c) {
    return c.cSel6;
}
inline std::int32_t CondValueVarIndex(const cCond& c) {
    return c.sValue2;
}
inline bool CondPercent(const cCond& c) {
    return c.bFlag1 != 0;
}
