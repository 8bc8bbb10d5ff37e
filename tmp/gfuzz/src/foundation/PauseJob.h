// The job handed to the pause thread: what it waits for while the game thread
// is held by a message, an effect, a picture or the stage bonus.
#pragma once

#include <cstdint>

struct cPauseJob {
    std::int32_t nMode = 0;    // 1 message, 2 effect, 3 picture, 4 stage bonus
    std::int32_t nDelay = 0;   // frames before the advance key is looked at
    std::int32_t bKeyWait = 0; // ends on a new press of the advance key
    std::int32_t nFrames = 0;  // else ends when these frames have passed
    std::int32_t nExtra = 0;

    // A message that waits for the key and is not a continuation of the one
    // before ignores the key for its first 10 frames.
    void Set(std::int32_t mode, std::int32_t keyWait, std::int32_t frames, std::int32_t continuation) {
        nMode = mode;
        bKeyWait = keyWait;
        nFrames = frames;
        nExtra = 0;
        nDelay = (keyWait != 0 && mode == 1 && continuation == 0) ? 10 : 0;
    }
};
