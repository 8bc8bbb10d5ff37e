#include "sound/MidiPlayer.h"

#include "foundation/ErrorLog.h"
#include "foundation/FileNames.h"
#include "platform/Clock.h"
#include "sound/MidiEncode.h"

#include <cstring>

cMidiPlayer::cMidiPlayer(const std::string& fileName) : cSmf(fileName) {
    if (HasImage()) Open();
}

cMidiPlayer::~cMidiPlayer() {
    // The callback thread is told to end and waited for first, so that no
    // notice reaches a player that is going away.
    if (m_hThread) {
        while (!m_hThread->HasEnded()) {
            PostThreadMessageA(m_hThread->Id(), WM_QUIT, 0, 0);
            m_hThread->WaitEnd(100);
        }
        m_hThread.reset();
    }
    if (!m_hStream) return;
    const char* name = m_strFileName.c_str();
    if (MMRESULT r = midiOutReset(m_hStream)) ReportError("Midi %s Reset %s", name, GetMidiErrorText(r));
    for (MIDIHDR& header : m_Headers) {
        if (MMRESULT r = midiOutUnprepareHeader(m_hStream, &header, 64))
            ReportError("Midi %s Unprepare %s", name, GetMidiErrorText(r));
    }
    if (MMRESULT r = midiStreamClose(m_hStream)) ReportError("Midi %s Close %s", name, GetMidiErrorText(r));
    m_hStream = nullptr;
}

void cMidiPlayer::Open() {
    const char* name = m_strFileName.c_str();
    m_nCurrent = 0;
    for (int i = 0; i < kMidiBufferCount; ++i) {
        m_Buffers[i].assign(kMidiBufferSize, 0);
        m_Headers[i].lpData = reinterpret_cast<char*>(m_Buffers[i].data());
        m_Headers[i].dwBufferLength = kMidiBufferSize;
        m_Headers[i].dwUser = static_cast<std::uintptr_t>(i);
    }
    m_hThread = PlatformThread::Start(&cMidiPlayer::CallbackProc, this);
    if (!m_hThread) {
        ReportError("Midi %s Open %s", name, GetMidiErrorText(MMSYSERR_NOMEM));
        return;
    }
    while (!PostThreadMessageA(m_hThread->Id(), 0x8000, 0, 0)) Sleep(1);
    UINT device = MIDI_MAPPER;
    if (MMRESULT r = midiStreamOpen(&m_hStream, &device, 1, m_hThread->Id(), 0, CALLBACK_THREAD)) {
        ReportError("Midi %s Open %s", name, GetMidiErrorText(r));
        m_hStream = nullptr;
        return;
    }
    MIDIPROPTIMEDIV division;
    division.dwTimeDiv = Division();
    if (MMRESULT r = midiStreamProperty(m_hStream, reinterpret_cast<BYTE*>(&division),
                                        MIDIPROP_SET | MIDIPROP_TIMEDIV))
        ReportError("Midi %s Property %s", name, GetMidiErrorText(r));
    std::lock_guard<std::recursive_mutex> lock(m_Lock);
    m_nReadPos = kSmfImageHeader;
    m_nState = STOPPED;
    Out();
}

std::size_t cMidiPlayer::FillBuffer(std::size_t pos, MIDIHDR& header) {
    const cStreamFill fill =
        FillStreamBuffer(m_Image, pos, ImageEnd(), reinterpret_cast<std::uint8_t*>(header.lpData),
                         header.dwBufferLength, m_nCarriedDelta);
    header.dwFlags &= MHDR_PREPARED;
    header.lpNext = nullptr;
    header.reserved = 0;
    header.dwOffset = 0;
    header.dwBytesRecorded = static_cast<DWORD>(fill.written);
    return fill.consumed;
}

void cMidiPlayer::Out() {
    std::lock_guard<std::recursive_mutex> lock(m_Lock);
    if (!m_hStream || m_nReadPos >= ImageEnd()) return;
    MIDIHDR& header = m_Headers[m_nCurrent];
    if (header.dwFlags & MHDR_INQUEUE) return;
    m_nReadPos += FillBuffer(m_nReadPos, header);
    const char* name = m_strFileName.c_str();
    if (MMRESULT r = midiOutPrepareHeader(m_hStream, &header, 64))
        ReportError("Midi %s Prepare %s", name, GetMidiErrorText(r));
    if (MMRESULT r = midiStreamOut(m_hStream, &header, 64))
        ReportError("Midi %s Out %s", name, GetMidiErrorText(r));
    m_nCurrent = (m_nCurrent + 1) % kMidiBufferCount;
}

void cMidiPlayer::Restart(int loop) {
    if (!HasImage() || !m_hStream) return;
    std::lock_guard<std::recursive_mutex> lock(m_Lock);
    m_bLoop = loop;
    if (m_nState == PLAYING) return;
    if (MMRESULT r = midiStreamRestart(m_hStream))
        ReportError("Midi %s Restart %s", m_strFileName.c_str(), GetMidiErrorText(r));
    const int before = m_nState;
    m_nState = PLAYING;
    if (before == STOPPED) Out();
}

void cMidiPlayer::Stop(int pause) {
    if (!HasImage() || !m_hStream) return;
    std::lock_guard<std::recursive_mutex> lock(m_Lock);
    const char* name = m_strFileName.c_str();
    if (!pause) {
        if (MMRESULT r = midiStreamStop(m_hStream)) ReportError("Midi %s Stop %s", name, GetMidiErrorText(r));
        m_nState = STOPPED;
        m_nReadPos = kSmfImageHeader;
        m_nCarriedDelta = 0;
        Out();
    } else if (m_nState == PLAYING) {
        if (MMRESULT r = midiStreamPause(m_hStream))
            ReportError("Midi %s Pause %s", name, GetMidiErrorText(r));
        m_nState = PAUSED;
    }
}

int cMidiPlayer::State() {
    std::lock_guard<std::recursive_mutex> lock(m_Lock);
    return m_nState;
}

std::size_t cMidiPlayer::ReadPosition() {
    std::lock_guard<std::recursive_mutex> lock(m_Lock);
    return m_nReadPos;
}

bool cMidiPlayer::HasQueuedBuffer() {
    std::lock_guard<std::recursive_mutex> lock(m_Lock);
    for (const MIDIHDR& header : m_Headers)
        if (header.dwFlags & MHDR_INQUEUE) return true;
    return false;
}

void cMidiPlayer::OnPosition(const MIDIHDR* header) {
    if (!header || header->dwOffset + kStreamEventHead > header->dwBytesRecorded) return;
    std::uint32_t word;
    std::memcpy(&word, header->lpData + header->dwOffset + 8, 4);
    std::lock_guard<std::recursive_mutex> lock(m_Lock);
    if ((word & 0xFFFFFF) != (kStreamEndMarker & 0xFFFFFF)) {
        Out();
        return;
    }
    // The end of the track: back to its start, and on again when it loops.
    Stop(0);
    if (m_bLoop) Restart(1);
}

DWORD cMidiPlayer::CallbackProc(void* argument) {
    auto* player = static_cast<cMidiPlayer*>(argument);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == MM_MOM_POSITIONCB && reinterpret_cast<HMIDISTRM>(msg.wParam) == player->m_hStream)
            player->OnPosition(reinterpret_cast<const MIDIHDR*>(msg.lParam));
    }
    return 0;
}

void StopMidiPlayers(cVector<cMidiPlayer*>& players, int pause) {
    for (cMidiPlayer* p : players)
        if (p) p->Stop(pause);
}

int PlayMidiFile(cVector<cMidiPlayer*>& players, int channel, const std::string& fileName, int loop) {
    StopMidiPlayers(players, 1);
    for (cMidiPlayer*& p : players) {
        delete p;
        p = nullptr;
    }
    std::string extension;
    GetExtension(extension, fileName);
    if (extension != "mid") return 0;
    cMidiPlayer*& slot = players.At(channel);
    slot = new cMidiPlayer(fileName);
    if (!slot->HasImage()) return 0;
    slot->Restart(loop);
    return 1;
}

const char* GetMidiErrorText(MMRESULT code) {
    // One buffer per thread: the UI thread and the callback thread both report.
    static thread_local char text[512];
    text[0] = '\0';
    if (code != 0) mciGetErrorStringA(code, text, sizeof text);
    return text;
}
