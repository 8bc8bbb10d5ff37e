// The play data a new play-through starts from: the lives a game kind starts
// with, and a new story placed at the world map's start.
#pragma once

#include "project/PlayData.h"

// Lives of a new play-through of game kind `kind`: 999999 to start with and
// left in a test play or when the kind has unlimited lives; otherwise the
// kind's start lives, one of them in play.
void SetStartLives(cPlayData& data, std::int32_t kind, bool testPlay);
// A new play-through with the marker on the world map's start cell.
void NewStoryPlayData(cPlayData& data);
