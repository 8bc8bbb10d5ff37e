// cEdBackground: one background layer of a stage.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <string>

class cEdBackground : public cRecord<cEdBackground> {
public:
    cEdBackground() { Init(); }

    void RegisterFields(std::uint32_t version) override;
    void Init();

    std::int32_t Enabled = 1; // from 62
    std::int32_t Fill = 0;    // fill the layer with a colour
    std::int32_t FillColor = 16;
    std::int32_t Layer = 0;
    double SpeedX = 0.1;          // from 61; older files hold a 4-byte value nobody reads
    double SpeedY = 0.1;          // likewise
    std::int32_t AutoScrollX = 0; // from 61
    std::int32_t AutoScrollY = 0; // from 61
    double AutoOffsetX = 0;       // from 62; version 61 holds a 4-byte value nobody reads
    double AutoOffsetY = 0;       // likewise
    std::string FileName;         // the layer's picture
};
