// Story slots and Challenge.dat: a whole play data of any version up to the
// program's, with its carried hero definitions, stage results, challenge
// pairs, stage-clear flags and global variables. Whatever is read stays inside
// the world map and keeps every list at least its play-through size.
#include "FuzzCheck.h"

#include "project/PlayData.h"
#include "project/WorldMap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (FuzzRecordRoundTrip<cPlayData>(data, size)) {
        cPlayData p;
        p.LoadFromBytes(std::vector<std::uint8_t>(data, data + size));
        FuzzRequire(p.nMapX >= 0 && p.nMapX < WorldMap.nWidth, "world-map column outside the map");
        FuzzRequire(p.nMapY >= 0 && p.nMapY < WorldMap.nHeight, "world-map row outside the map");
        FuzzRequire(p.CarryFlags.size() >= kPlayCarryItems && !p.Carries.empty(), "carry lists too short");
        FuzzRequire(p.ClearFlags.size() >= kClearFlagCount, "stage-clear flags too short");
        FuzzRequire(p.CommonVars.size() >= kCommonVarCount, "global variables too short");
    }
    return 0;
}
