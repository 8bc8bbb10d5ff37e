// Plays buffers of stream events in time on a MIDI output, as a source of the
// mixer: the audio clock drives it, so every event lands on its sample and a
// render into memory plays the same as the audio device does.
//
// A buffer holds events in the stream layout: delta time in ticks (32 bits),
// stream id (32 bits), event word (32 bits), and for a long event its
// parameter bytes padded to a multiple of 4. Event words: the type in bits
// 24-29 (0 short message, 1 tempo, 2 nothing), 0x80000000 a long message
// (the low 24 bits its length), 0x40000000 asks for a callback when played.
// Short messages other than channel messages (a 0xFF among them, which MIDI
// takes for a reset) are never sent to the output.
//
// Every call but the constructor and destructor needs the mixer's lock. The
// listener is called with that lock held (on the audio thread, or in a stop)
// and may only queue buffers or hand the news on (post a message). The news
// of one period is given after the period's events: by then a buffer whose
// last event asked for the callback is already handed back.
#pragma once

#include "platform/AudioMixer.h"
#include "platform/MidiSynth.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

constexpr std::uint32_t MEVT_F_SHORT = 0x00000000;
constexpr std::uint32_t MEVT_F_LONG = 0x80000000;
constexpr std::uint32_t MEVT_F_CALLBACK = 0x40000000;
constexpr std::uint8_t MEVT_SHORTMSG = 0x00;
constexpr std::uint8_t MEVT_TEMPO = 0x01;
constexpr std::uint8_t MEVT_NOP = 0x02;

class cMidiSequencerListener {
public:
    virtual ~cMidiSequencerListener() = default;
    // An event with the callback flag was played; `offset` is its place in the buffer.
    virtual void OnCallbackEvent(void* cookie, std::uint32_t offset) = 0;
    // The buffer was played to its end, or handed back by a stop.
    virtual void OnBufferDone(void* cookie) = 0;
};

class cMidiSequencer : public cAudioSource {
public:
    // Joins the mixer's sources; `listener` may be null.
    cMidiSequencer(cAudioMixer& mixer, std::unique_ptr<cMidiOut> out, cMidiSequencerListener* listener);
    // Leaves the mixer (takes its lock).
    ~cMidiSequencer() override;
    cMidiSequencer(const cMidiSequencer&) = delete;
    cMidiSequencer& operator=(const cMidiSequencer&) = delete;

    cAudioMixer& Mixer() { return mixer_; }

    // The bytes must stay until the buffer is done.
    void QueueLocked(const std::uint8_t* data, std::size_t bytes, void* cookie);
    bool HasQueuedLocked() const { return !queue_.empty(); }
    void RestartLocked() { playing_ = true; }
    // Notes off; the position is kept.
    void PauseLocked();
    // Notes off; every queued buffer is handed back; the next buffer starts afresh.
    void StopLocked();
    bool IsPlayingLocked() const { return playing_; }
    // Ticks per quarter note, or an SMPTE division (frames per second negated in the high byte).
    bool SetDivisionLocked(std::uint32_t division);
    std::uint32_t DivisionLocked() const { return division_; }
    void SetTempoLocked(std::uint32_t microsecondsPerQuarter);
    std::uint32_t TempoLocked() const { return tempo_; }
    void SetGainLocked(float gain) { gain_ = gain; }
    // The output's SoundFont load failed: nothing queued here will ever play.
    bool OutputFailed() const { return out_->LoadFailed(); }

    void MixInto(float* out, std::size_t frames) override;

private:
    struct News {
        void* cookie;
        std::uint32_t offset;
        bool done;
    };
    struct Buffer {
        const std::uint8_t* data;
        std::size_t size;
        void* cookie;
        std::size_t offset;
    };
    double SamplesFor(std::uint32_t ticks) const;
    // Plays the due events of the front buffers; false when the next one is not due yet.
    void PlayDueEvents();
    void PlayEvent(Buffer& b);

    cAudioMixer& mixer_;
    std::unique_ptr<cMidiOut> out_;
    cMidiSequencerListener* listener_;
    std::deque<Buffer> queue_;
    std::vector<News> news_;
    bool playing_ = false;
    bool waiting_ = false; // the front event's delta is counted into wait_
    double wait_ = 0;      // samples until the front event is due
    std::uint32_t division_ = 96;
    std::uint32_t tempo_ = 500000;
    float gain_ = 1.0f;
};
