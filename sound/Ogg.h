// The Ogg front of the music manager: the Ogg player library, one player per
// music channel, one of them playing at a time. UI thread only.
#pragma once

#include "platform/Vox.h"

#include <cstdint>
#include <vector>

class cOgg {
public:
    ~cOgg();
    // 1 when the player library is there.
    int Init();
    // 1, or 0 (after the out-of-memory quit) when a player cannot be made.
    int CreatePlayers(int count);
    // 1 when the file plays on player `index`.
    int Play(int index, const char* fileName, int loop, int volume);
    void Stop();
    void SetVolume(int index, float volume);
    void Release();

    int CurrentIndex() const { return m_nCurrent; }
    cVox* Player(int index) const;

private:
    std::vector<cVox*> m_Players;
    int m_nCurrent = -1;
    bool m_bLoaded = false;
};
