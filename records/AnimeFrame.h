// The runtime frame arrays that animation and effect playback step through.
// Built once from the Anime and Effect databases; never stored.
#pragma once

#include "foundation/Containers.h"

#include <cstdint>

struct ANIMEFRAME {
    std::int32_t nCell = 0;        // picture cell, or a control code in the last entry
    std::int32_t nTicks = 0;       // ticks of 1/60 s; for code -3 the animation to go to
    std::int32_t bNoInterrupt = 0; // while shown, another animation replaces this one only when forced
};

// Control codes held in the cell of the last entry of every frame array.
enum : std::int32_t {
    ANIME_HOLD = -1,  // stay on the frame before it
    ANIME_LOOP = -2,  // back to frame 0
    ANIME_JUMP = -3,  // start the animation whose number is in the ticks
    ANIME_ENDED = -4, // finished: the owner of an effect instance removes it
};

using AnimeFrames = cVector<ANIMEFRAME>;
using AnimeFrameTableType = cVector<AnimeFrames>;

// A stored wait (tenths of a second) in ticks of 1/60 s, kept within 32 bits.
std::int32_t WaitToTicks(std::int32_t wait);

extern AnimeFrameTableType AnimeFrameTable;  // one frame array per Anime record
extern AnimeFrameTableType EffectFrameTable; // one frame array per Effect record
