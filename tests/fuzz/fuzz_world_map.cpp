// data\WorldMap.dat: the grid, chips, events and their entries. A map that
// loads keeps its start, cells and events inside a grid of bounded size.
#include "FuzzCheck.h"

#include "project/WorldMap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!FuzzRecordRoundTrip<cWorldMap>(data, size)) return 0;
    cWorldMap map;
    map.LoadFromBytes(std::vector<std::uint8_t>(data, data + size));
    FuzzRequire(map.nWidth >= 1 && map.nWidth <= cWorldMap::kMaxSide, "map width out of range");
    FuzzRequire(map.nHeight >= 1 && map.nHeight <= cWorldMap::kMaxSide, "map height out of range");
    FuzzRequire(map.Cells.size() == static_cast<std::size_t>(map.nHeight) << map.nPitch_Shift,
                "cells do not fit");
    for (const cWorldEvent& e : map.Events) (void)map.GetCell(e.nX, e.nY);
    (void)map.FindEventAtXY(map.nStartX, map.nStartY);
    return 0;
}
