#include "records/StageParams.h"

void cStageParams::RegisterFields(std::uint32_t v) {
    ClearFields();
    // Eight fields of one value each; files before 125 lack the second to fourth.
    AddInt(&nValue[0]);
    if (v >= 125)
        for (int i = 1; i < 4; ++i) AddInt(&nValue[i]);
    for (int i = 4; i < 8; ++i) AddInt(&nValue[i]);
}

void cStageParams::Set(std::int32_t v0, std::int32_t v1, std::int32_t v2, std::int32_t v3, std::int32_t v4,
                       std::int32_t v5, std::int32_t v6, std::int32_t v7) {
    const std::int32_t v[8] = {v0, v1, v2, v3, v4, v5, v6, v7};
    for (int i = 0; i < 8; ++i) nValue[i] = v[i];
}
