#include "records/EffectParamDefaults.h"

// Stand-in until the label tables land: only the slots that the record
// upgrades read. Replaced by a lookup in the parameter tables.
std::int32_t CharaEffectParamDefault(std::int32_t kind, int slot) {
    if ((kind == 4 || kind == 5) && slot == 4) return 2;
    if (kind == 10 && slot == 3) return 2;
    return 0;
}

std::int32_t ScrEffectParamDefault(std::int32_t kind, int slot) {
    if (kind == 6 && slot == 4) return 8;
    if (kind == 7 && slot == 4) return 10;
    if (kind == 10 && slot == 3) return 8;
    return 0;
}
