// The Ogg player object: an Ogg Vorbis file decoded by libvorbisfile and
// streamed into the mixer, resampled to the mixer's rate, looping from its
// start when asked. CreateVox makes one; the operations are the player's
// whole interface.
#pragma once

#include "platform/Types.h"

class cVox {
public:
    // Non-zero when the file (a program path) is ready to play; an earlier file is dropped first.
    virtual BYTE Load(const char* fileName) = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;
    // Drops the loaded file.
    virtual void Close() = 0;
    // kVoxLoopEndless repeats the music without end, 0 plays it once, n plays it n more times.
    virtual void SetLoop(std::int32_t count) = 0;
    // A factor from 0.0 to 1.0.
    virtual void SetVolume(float volume) = 0;
    // Destroys the player.
    virtual void Release() = 0;

protected:
    virtual ~cVox() = default;
};

constexpr std::int32_t kVoxLoopEndless = 0x7FFFFFFF;

// A new player on the program's mixer; null when none can be made.
cVox* CreateVox();
