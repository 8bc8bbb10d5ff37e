// The program's own pictures and work surfaces: 71 picture load records that
// the graphics layer turns into its system surfaces, the three font settings,
// and which system surfaces draw from the picture of another one.
#pragma once

#include <cstdint>

struct BMPFILEDATA {
    char szFile[260] = {};       // relative to the program's folder; "E" makes an empty work surface
    std::int32_t nSet1 = 0;      // colour-key flag
    std::int32_t nSet2 = 0;      // DirectDraw memory kind
    std::int32_t nSet3 = 0;      // Direct3D memory kind
    std::int32_t nSet4 = 0;      // no-texture flag
    std::int32_t nSet5 = 0;      // palette-map flag
    std::int32_t bOptional = 0;  // 1: a failure to create the surface is tolerated
    std::int32_t nSet7 = 0;      // mirror width
    std::int32_t nSet8 = 0;      // mirror height
    std::int32_t nWorkWidth = 0; // size of a work surface ("E")
    std::int32_t nWorkHeight = 0;

    // Copies the name (cut to fit) and the ten values in field order.
    void Set(const char* file, std::int32_t set1, std::int32_t set2, std::int32_t set3, std::int32_t set4,
             std::int32_t set5, std::int32_t optional, std::int32_t set7, std::int32_t set8,
             std::int32_t workWidth, std::int32_t workHeight);
    bool IsWorkSurface() const { return szFile[0] == 'E' && szFile[1] == '\0'; }
};

constexpr int kSystemBmpCount = 71;
extern BMPFILEDATA SystemBmp[kSystemBmpCount];

// The entry whose surface entry `index` draws from, or -1 for a surface of its own.
int SystemBmpShares(int index);

struct SYSTEMFONTDATA {
    char szFace[256] = {};
    std::int32_t nValue[10] = {};
};
constexpr int kSystemFontCount = 3;
extern SYSTEMFONTDATA SystemFont[kSystemFontCount];

// Three further picture records outside the table, filled by the graphics layer.
extern BMPFILEDATA ExtraBmp[3];

// Sets every sharing entry's surface to draw from the entry it shares with
// (through SurfaceAliasing()).
void LinkSystemSurfaces();
