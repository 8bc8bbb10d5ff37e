// The MIDI library the music manager prefers: a device with lists of Standard
// MIDI Files registered under ids, played (once or looping) on the
// synthesiser through the mixer, with a master volume of -127..0.
// Every call comes on the UI thread.
#pragma once

#include "platform/Messages.h"
#include "platform/MidiSequencer.h"

#include <map>
#include <memory>
#include <vector>

class cGgs4Library : public cMidiSequencerListener {
public:
    ~cGgs4Library() override;
    // 0 when the device is open (or was already). The device may open while
    // its SoundFont still loads: the music it is given waits for the load.
    int OpenDevice(int device, HWND window);
    void CloseDevice();
    // False once that load has failed: the device closed at the first call
    // that found it so, and every call answers as if it had never opened.
    bool IsOpen();
    // Reads and registers a file under the id; 0 on success.
    int AddListFromFileA(const char* fileName, int option, int id);
    // option bit 0: loop. 0 when the id's music starts.
    int Play(int option, int id, int skip, int fadeIn, int keyShift);
    void Stop(int fadeOut);
    void Pause();
    void SetMasterVolume(int volume);

    bool IsPlaying();

private:
    struct List {
        std::vector<std::uint8_t> events;
        std::uint16_t division = 96;
    };
    void CloseIfLoadFailed();
    void StopDevice();
    void OnCallbackEvent(void*, std::uint32_t) override {}
    void OnBufferDone(void* cookie) override;

    std::unique_ptr<cMidiSequencer> sequencer_;
    std::map<int, List> lists_;
    const List* current_ = nullptr; // guarded by the mixer's lock, as the sequencer is
    bool loop_ = false;
    bool stopping_ = false;
};

// The library's one instance.
cGgs4Library& Ggs4Library();
