// The MIDI library front of the music manager, and the calls into the
// library: each wrapper calls the library only while it is loaded, and
// answers 15 (or nothing) otherwise.
#pragma once

#include "platform/Messages.h"

#include <string>

class cGGS4 {
public:
    // 1 when the library is loaded and its device opened.
    int Init();
    // Registers the file (extension exactly "mid") under the channel's id and plays it; 1 when it plays.
    int Play(int channel, const std::string& fileName, int loop, int volume);
    // pause 1 pauses, 0 stops.
    void Stop(int pause);

    int m_nListId = 0;
    int m_nMasterVolume = 0; // -127..0
};

// 0 when the library is loaded (or already was), 1 when it cannot be.
int LoadGGS4();
void FreeGGS4();
bool IsGGS4Loaded();

constexpr int kGgs4Missing = 15;
int GGS4_OpenDevice(int device, HWND window);
int GGS4_Play(int option, int id, int skip, int fadeIn, int keyShift);
int GGS4_AddListFromFileA(const char* fileName, int option, int id);
void GGS4_Stop(int fadeOut);
void GGS4_Pause();
void GGS4_SetMasterVolume(int volume);
void GGS4_CloseDevice();
// False when the library is not loaded, or its device is not open (or closed
// itself as its SoundFont failed to load).
bool GGS4_IsDeviceOpen();
