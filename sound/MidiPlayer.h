// The program's own MIDI player: a Standard MIDI File merged by cSmf and
// streamed to the MIDI stream functions in two buffers of 24000 bytes that
// take turns, refilled from a callback thread when the last event of a buffer
// has played. At the end marker the player rewinds, and starts again when it
// loops.
//
// The UI thread plays, stops and destroys; the callback thread refills and
// handles the end. The state both touch (read position, current buffer,
// state, loop flag) is guarded by the player's lock. The destructor ends the
// callback thread and waits for it before anything is freed.
#pragma once

#include "foundation/Containers.h"
#include "platform/MidiStream.h"
#include "platform/Thread.h"
#include "sound/Smf.h"

#include <array>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

constexpr int kMidiBufferCount = 2;
constexpr DWORD kMidiBufferSize = 24000;

class cMidiPlayer : public cSmf {
public:
    enum { STOPPED = 0, PLAYING = 1, PAUSED = 2 };

    // Reads the file and, when it has an image, opens the stream with the first buffer queued.
    explicit cMidiPlayer(const std::string& fileName);
    ~cMidiPlayer() override;

    // Plays from the current position (the start after a stop, where it was after a pause).
    void Restart(int loop);
    // pause 0: stops and rewinds, queueing the start again; pause 1: pauses while playing.
    void Stop(int pause);

    int State();
    std::size_t ReadPosition();
    // True while a buffer waits in the stream or plays there.
    bool HasQueuedBuffer();
    bool IsOpen() const { return m_hStream != nullptr; }

private:
    void Open();
    void Out();
    std::size_t FillBuffer(std::size_t pos, MIDIHDR& header);
    void OnPosition(const MIDIHDR* header);
    static DWORD CallbackProc(void* player);

    std::recursive_mutex m_Lock;
    int m_nCurrent = 0;
    HMIDISTRM m_hStream = nullptr;
    std::array<MIDIHDR, kMidiBufferCount> m_Headers;
    std::array<std::vector<std::uint8_t>, kMidiBufferCount> m_Buffers;
    std::size_t m_nReadPos = kSmfImageHeader;
    int m_nState = STOPPED;
    std::unique_ptr<PlatformThread> m_hThread;
    int m_bLoop = 0;
    std::uint32_t m_nCarriedDelta = 0; // delta time of left-out events not yet written
};

void StopMidiPlayers(cVector<cMidiPlayer*>& players, int pause);
// Stops and deletes every player, then plays the file (extension exactly
// "mid") on a new player at the channel's entry; 1 when it plays.
int PlayMidiFile(cVector<cMidiPlayer*>& players, int channel, const std::string& fileName, int loop);
// The text of a multimedia error code; empty for 0.
const char* GetMidiErrorText(MMRESULT code);
