// cStageParams: one group of eight 32-bit values of a stage.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>

class cStageParams : public cRecord<cStageParams> {
public:
    cStageParams() { Reset(); }

    void RegisterFields(std::uint32_t version) override;
    // Stores eight values given in order.
    void Set(std::int32_t v0, std::int32_t v1, std::int32_t v2, std::int32_t v3, std::int32_t v4,
             std::int32_t v5, std::int32_t v6, std::int32_t v7);

    std::int32_t nValue[8] = {};
};
