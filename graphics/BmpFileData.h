// How one picture is loaded: the load record of the system picture table.
// The table itself (`SystemBmp`) belongs to the project's databases; the
// graphics layer only reads records of this shape.
#pragma once

#include <cstdint>

struct BMPFILEDATA {
    char szFile[260] = {};
    std::int32_t nSet1 = 0; // colour-key flag
    std::int32_t nSet2 = 0; // DirectDraw memory kind
    std::int32_t nSet3 = 0; // Direct3D memory kind
    std::int32_t nSet4 = 0; // no-texture flag
    std::int32_t nSet5 = 0; // palette-map flag
    std::int32_t bOptional = 0;
    std::int32_t nSet7 = 0; // mirror width
    std::int32_t nSet8 = 0; // mirror height
    std::int32_t nWorkWidth = 0, nWorkHeight = 0;
};
