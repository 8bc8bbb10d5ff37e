// One frame of an animation: the picture cell it shows, how many ticks it
// stays, and whether a new animation may interrupt it. A negative cell is a
// control frame ending the animation.
#pragma once

#include <cstdint>

struct ANIMEFRAME {
    std::int32_t nCell = 0;
    std::int32_t nWait = 0; // for ANIME_JUMP: the animation to go to
    std::uint8_t bNoInterrupt = 0;
};

enum : std::int32_t {
    ANIME_HOLD = -1, // stay on the last picture frame
    ANIME_LOOP = -2, // back to frame 0
    ANIME_JUMP = -3, // start the animation named by the wait field
};
