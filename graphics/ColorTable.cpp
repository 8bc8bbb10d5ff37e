// The 8-bit mode's table of half-and-half mixes of palette colours.
#include "graphics/Effects.h"

#include "graphics/GraphicsInternal.h"

#include <array>
#include <fstream>

BYTE ColorTable[65536] = {};

bool DDLoadColorTable(BYTE* table, const char* szFile) {
    if (lpDTCon) return true;
    if (!table) return false;
    std::ifstream in(PicturePath(szFile), std::ios::binary);
    if (!in) return false;
    // Read whole or not at all: a short file would leave a table half old, half new.
    std::array<char, 65536> bytes;
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size())) return false;
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(table));
    return true;
}
