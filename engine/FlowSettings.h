// The start settings of a flow definition as the engine reads them.
#pragma once

#include "records/EdFlow.h"

#include <cstdint>

inline std::int32_t FlowTiming(const cEdFlow& f) {
    return f.cTrigger;
}
// The flow's id (flow operations and hit reports name flows by it); 0 none.
inline std::int32_t FlowId(const cEdFlow& f) {
    return f.bySet1;
}
// Key group 0 (none) or 1..26 (A..Z): flows of timing 0 in one group exclude each other.
inline std::int32_t FlowKeyGroup(const cEdFlow& f) {
    return f.bySet2;
}
// The other object of the starting event goes into a target slot for the tests.
inline bool FlowSetsTarget(const cEdFlow& f) {
    return f.bySet3 != 0;
}
inline std::int32_t FlowTargetSlot(const cEdFlow& f) {
    return f.bySet4;
}
// How many history steps the key matcher may skip between two key conditions.
inline std::int32_t FlowKeyGap(const cEdFlow& f) {
    return f.bySet5;
}
// The key conditions hold while the keys are held, not only when they become true.
inline bool FlowWhileHeld(const cEdFlow& f) {
    return f.bySet6 != 0;
}
