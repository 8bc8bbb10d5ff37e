// The job handed to the pause thread: what it waits for while the game thread
// is held by a message, an effect, a picture, the stage bonus or a game wait.
#pragma once

#include <cstdint>

// What holds the game: the job's mode.
enum : std::int32_t {
    kPauseMessage = 1,
    kPauseEffect = 2,
    kPausePicture = 3,
    kPauseStageBonus = 4,
    kPauseGameWait = 5, // the game-wait command: a number of frames
};

struct cPauseJob {
    std::int32_t nMode = 0;    // one of the modes above
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
        nDelay = (keyWait != 0 && mode == kPauseMessage && continuation == 0) ? 10 : 0;
    }
};
