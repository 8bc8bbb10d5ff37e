// The MIDI stream functions: a stream opened on the synthesiser, fed with
// prepared headers of stream events (MidiSequencer.h gives the layout),
// played in time by the mixer. A stream opens paused. Its news go to a
// thread's queue (CALLBACK_THREAD): MM_MOM_POSITIONCB when an event with the
// callback flag was played (lParam the header, whose dwOffset is the event's
// place), MM_MOM_DONE when a header was played or handed back. A header stays
// MHDR_INQUEUE from midiStreamOut until then.
#pragma once

#include "platform/MidiSequencer.h"
#include "platform/Mmio.h"

#include <atomic>
#include <cstdint>

struct MIDIHDR {
    char* lpData = nullptr;
    DWORD dwBufferLength = 0;
    DWORD dwBytesRecorded = 0;
    std::uintptr_t dwUser = 0;
    std::atomic<DWORD> dwFlags{0}; // the audio thread clears MHDR_INQUEUE
    MIDIHDR* lpNext = nullptr;
    std::uintptr_t reserved = 0;
    DWORD dwOffset = 0;
    std::uintptr_t dwReserved[8] = {};
};

struct MIDIPROPTIMEDIV {
    DWORD cbStruct = sizeof(MIDIPROPTIMEDIV);
    DWORD dwTimeDiv = 0;
};
struct MIDIPROPTEMPO {
    DWORD cbStruct = sizeof(MIDIPROPTEMPO);
    DWORD dwTempo = 0;
};

constexpr DWORD MHDR_DONE = 0x00000001;
constexpr DWORD MHDR_PREPARED = 0x00000002;
constexpr DWORD MHDR_INQUEUE = 0x00000004;

constexpr DWORD MIDIPROP_SET = 0x80000000;
constexpr DWORD MIDIPROP_GET = 0x40000000;
constexpr DWORD MIDIPROP_TIMEDIV = 0x00000001;
constexpr DWORD MIDIPROP_TEMPO = 0x00000002;

constexpr UINT MM_MOM_OPEN = 0x3C7;
constexpr UINT MM_MOM_CLOSE = 0x3C8;
constexpr UINT MM_MOM_DONE = 0x3C9;
constexpr UINT MM_MOM_POSITIONCB = 0x3CA;

constexpr DWORD CALLBACK_NULL = 0x00000000;
constexpr DWORD CALLBACK_THREAD = 0x00020000;
constexpr UINT MIDI_MAPPER = 0xFFFFFFFF;

constexpr MMRESULT MMSYSERR_ERROR = 1;
constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NODRIVER = 6;
constexpr MMRESULT MMSYSERR_NOMEM = 7;
constexpr MMRESULT MMSYSERR_INVALFLAG = 10;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT MIDIERR_UNPREPARED = 64;
constexpr MMRESULT MIDIERR_STILLPLAYING = 65;

class cMidiStream;
using HMIDISTRM = cMidiStream*;

// Opens a stream on the synthesiser (device MIDI_MAPPER or 0, one device).
// MMSYSERR_NODRIVER when the synthesiser cannot be made.
MMRESULT midiStreamOpen(HMIDISTRM* stream, UINT* deviceId, DWORD devices, std::uintptr_t callback,
                        std::uintptr_t instance, DWORD flags);
// Refused (MIDIERR_STILLPLAYING) while headers are queued.
MMRESULT midiStreamClose(HMIDISTRM stream);
MMRESULT midiStreamOut(HMIDISTRM stream, MIDIHDR* header, UINT size);
MMRESULT midiStreamRestart(HMIDISTRM stream);
MMRESULT midiStreamPause(HMIDISTRM stream);
// Notes off, every queued header handed back, the position back to the start; paused.
MMRESULT midiStreamStop(HMIDISTRM stream);
MMRESULT midiStreamProperty(HMIDISTRM stream, BYTE* property, DWORD flags);
MMRESULT midiOutPrepareHeader(HMIDISTRM stream, MIDIHDR* header, UINT size);
MMRESULT midiOutUnprepareHeader(HMIDISTRM stream, MIDIHDR* header, UINT size);
// As midiStreamStop.
MMRESULT midiOutReset(HMIDISTRM stream);
// The text of a multimedia error code (FALSE for an unknown code).
BOOL mciGetErrorStringA(DWORD error, char* text, UINT size);
