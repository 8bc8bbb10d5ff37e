// cBootData: the start-up choice, user_data\Boot.dat: the drawing mode
// (1 Direct3D, 0 DirectDraw) and whether the start-up dialog is skipped.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>

class cBootData : public cRecord<cBootData> {
public:
    std::int32_t nDrawMode = 1; // 1 Direct3D, 0 DirectDraw
    std::int32_t bDoNotAsk = 0; // 1: start in the stored mode without the dialog

    cBootData();
    void RegisterFields(std::uint32_t version) override;
    // Brings stored values to the two choices the dialog offers: any drawing mode
    // but 0 is Direct3D (the default), any non-zero switch is on.
    void Normalize();
};

extern cBootData BootData;
