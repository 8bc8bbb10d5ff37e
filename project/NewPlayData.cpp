#include "project/NewPlayData.h"

#include "project/SystemData.h"
#include "project/WorldMap.h"

void SetStartLives(cPlayData& data, std::int32_t kind, bool testPlay) {
    const bool unlimited = SystemData.UnlimitedLives.InRange(kind) && SystemData.UnlimitedLives[kind] != 0;
    if (testPlay || unlimited) {
        data.nStartLives = kUnlimitedLives;
        data.nLives = kUnlimitedLives;
        return;
    }
    data.nStartLives = SystemData.StartLives.InRange(kind) ? SystemData.StartLives[kind] : 0;
    // A stored start of the smallest int would overflow the one in play.
    data.nLives = data.nStartLives > INT32_MIN ? data.nStartLives - 1 : data.nStartLives;
}

void NewStoryPlayData(cPlayData& data) {
    data.Init();
    data.nMapX = WorldMap.nStartX;
    data.nMapY = WorldMap.nStartY;
    data.nMapEntry = 0;
    SetStartLives(data, GAME_STORY, false);
}
