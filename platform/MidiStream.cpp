#include "platform/MidiStream.h"

#include "platform/Messages.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

class cMidiStream : public cMidiSequencerListener {
public:
    cMidiStream(std::unique_ptr<cMidiOut> out, DWORD threadId)
        : threadId_(threadId), sequencer_(AudioMixer(), std::move(out), this) {}

    void OnCallbackEvent(void* cookie, std::uint32_t offset) override {
        auto* header = static_cast<MIDIHDR*>(cookie);
        header->dwOffset = offset;
        Post(MM_MOM_POSITIONCB, header);
    }
    void OnBufferDone(void* cookie) override {
        auto* header = static_cast<MIDIHDR*>(cookie);
        --queued_;
        header->dwFlags = (header->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
        Post(MM_MOM_DONE, header);
    }
    void Post(UINT message, MIDIHDR* header) {
        if (threadId_ != 0)
            PostThreadMessageA(threadId_, message, reinterpret_cast<WPARAM>(this),
                               reinterpret_cast<LPARAM>(header));
    }

    DWORD threadId_;
    int queued_ = 0;
    cMidiSequencer sequencer_;
};

MMRESULT midiStreamOpen(HMIDISTRM* stream, UINT* deviceId, DWORD devices, std::uintptr_t callback,
                        std::uintptr_t, DWORD flags) {
    if (!stream) return MMSYSERR_INVALPARAM;
    *stream = nullptr;
    if (devices != 1 || (deviceId && *deviceId != MIDI_MAPPER && *deviceId != 0)) return MMSYSERR_BADDEVICEID;
    if (flags != CALLBACK_NULL && flags != CALLBACK_THREAD) return MMSYSERR_INVALFLAG;
    std::string error;
    std::unique_ptr<cMidiOut> synth = CreateMidiSynth(error);
    if (!synth) return MMSYSERR_NODRIVER;
    const DWORD threadId = flags == CALLBACK_THREAD ? static_cast<DWORD>(callback) : 0;
    auto* s = new (std::nothrow) cMidiStream(std::move(synth), threadId);
    if (!s) return MMSYSERR_NOMEM;
    *stream = s;
    s->Post(MM_MOM_OPEN, nullptr);
    return MMSYSERR_NOERROR;
}

MMRESULT midiStreamClose(HMIDISTRM stream) {
    if (!stream) return MMSYSERR_INVALHANDLE;
    {
        auto lock = stream->sequencer_.Mixer().Lock();
        if (stream->queued_ > 0) return MIDIERR_STILLPLAYING;
    }
    stream->Post(MM_MOM_CLOSE, nullptr);
    delete stream; // leaves the mixer under its lock: no period plays it afterwards
    return MMSYSERR_NOERROR;
}

MMRESULT midiStreamOut(HMIDISTRM stream, MIDIHDR* header, UINT size) {
    if (!stream) return MMSYSERR_INVALHANDLE;
    if (!header || size == 0 || !header->lpData || header->dwBytesRecorded > header->dwBufferLength)
        return MMSYSERR_INVALPARAM;
    auto lock = stream->sequencer_.Mixer().Lock();
    if (!(header->dwFlags & MHDR_PREPARED)) return MIDIERR_UNPREPARED;
    if (header->dwFlags & MHDR_INQUEUE) return MIDIERR_STILLPLAYING;
    header->dwFlags = (header->dwFlags & ~MHDR_DONE) | MHDR_INQUEUE;
    ++stream->queued_;
    stream->sequencer_.QueueLocked(reinterpret_cast<const std::uint8_t*>(header->lpData),
                                   header->dwBytesRecorded, header);
    return MMSYSERR_NOERROR;
}

MMRESULT midiStreamRestart(HMIDISTRM stream) {
    if (!stream) return MMSYSERR_INVALHANDLE;
    auto lock = stream->sequencer_.Mixer().Lock();
    stream->sequencer_.RestartLocked();
    return MMSYSERR_NOERROR;
}

MMRESULT midiStreamPause(HMIDISTRM stream) {
    if (!stream) return MMSYSERR_INVALHANDLE;
    auto lock = stream->sequencer_.Mixer().Lock();
    stream->sequencer_.PauseLocked();
    return MMSYSERR_NOERROR;
}

MMRESULT midiStreamStop(HMIDISTRM stream) {
    if (!stream) return MMSYSERR_INVALHANDLE;
    auto lock = stream->sequencer_.Mixer().Lock();
    stream->sequencer_.StopLocked();
    return MMSYSERR_NOERROR;
}

MMRESULT midiOutReset(HMIDISTRM stream) {
    return midiStreamStop(stream);
}

MMRESULT midiStreamProperty(HMIDISTRM stream, BYTE* property, DWORD flags) {
    if (!stream) return MMSYSERR_INVALHANDLE;
    if (!property || ((flags & MIDIPROP_SET) != 0) == ((flags & MIDIPROP_GET) != 0))
        return MMSYSERR_INVALPARAM;
    DWORD size = 0;
    std::memcpy(&size, property, 4);
    if (size != 8) return MMSYSERR_INVALPARAM;
    DWORD value = 0;
    std::memcpy(&value, property + 4, 4);
    auto lock = stream->sequencer_.Mixer().Lock();
    cMidiSequencer& seq = stream->sequencer_;
    if (flags & MIDIPROP_TIMEDIV) {
        if (flags & MIDIPROP_SET)
            return seq.SetDivisionLocked(value) ? MMSYSERR_NOERROR : MMSYSERR_INVALPARAM;
        value = seq.DivisionLocked();
    } else if (flags & MIDIPROP_TEMPO) {
        if (flags & MIDIPROP_SET) {
            seq.SetTempoLocked(value);
            return MMSYSERR_NOERROR;
        }
        value = seq.TempoLocked();
    } else {
        return MMSYSERR_INVALPARAM;
    }
    std::memcpy(property + 4, &value, 4);
    return MMSYSERR_NOERROR;
}

MMRESULT midiOutPrepareHeader(HMIDISTRM stream, MIDIHDR* header, UINT) {
    if (!stream) return MMSYSERR_INVALHANDLE;
    if (!header || !header->lpData) return MMSYSERR_INVALPARAM;
    auto lock = stream->sequencer_.Mixer().Lock();
    header->dwFlags |= MHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT midiOutUnprepareHeader(HMIDISTRM stream, MIDIHDR* header, UINT) {
    if (!stream) return MMSYSERR_INVALHANDLE;
    if (!header) return MMSYSERR_INVALPARAM;
    auto lock = stream->sequencer_.Mixer().Lock();
    if (header->dwFlags & MHDR_INQUEUE) return MIDIERR_STILLPLAYING;
    header->dwFlags &= ~MHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

BOOL mciGetErrorStringA(DWORD error, char* text, UINT size) {
    if (!text || size == 0) return FALSE;
    const char* message = nullptr;
    switch (error) {
    case MMSYSERR_NOERROR:
        message = "The specified command was carried out.";
        break;
    case MMSYSERR_ERROR:
        message = "Undefined external error.";
        break;
    case MMSYSERR_BADDEVICEID:
        message = "A device ID has been used that is out of range for your system.";
        break;
    case MMSYSERR_INVALHANDLE:
        message = "The specified device handle is invalid.";
        break;
    case MMSYSERR_NODRIVER:
        message = "There is no driver installed on your system.";
        break;
    case MMSYSERR_NOMEM:
        message = "There is not enough memory available for this task.";
        break;
    case MMSYSERR_INVALFLAG:
        message = "An invalid flag was passed to a system function.";
        break;
    case MMSYSERR_INVALPARAM:
        message = "An invalid parameter was passed to a system function.";
        break;
    case MIDIERR_UNPREPARED:
        message = "The MIDI header was not prepared.";
        break;
    case MIDIERR_STILLPLAYING:
        message = "The MIDI buffers are still playing.";
        break;
    default:
        text[0] = '\0';
        return FALSE;
    }
    std::snprintf(text, size, "%s", message);
    return TRUE;
}
