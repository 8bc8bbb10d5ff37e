// The synthesiser MIDI music plays on: FluidSynth with a General MIDI
// SoundFont from the system, rendering into the mixer's buffers (it never
// opens an audio driver of its own).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Where MIDI messages go: the synthesiser, or a recorder in tests.
class cMidiOut {
public:
    virtual ~cMidiOut() = default;
    // A channel message: status | data1 << 8 | data2 << 16.
    virtual void ShortMessage(std::uint32_t message) = 0;
    // A system-exclusive message, its status byte (0xF0 or 0xF7) first.
    virtual void SysEx(const std::uint8_t* bytes, std::size_t size) = 0;
    // Every note off at once (a stop or a reset of the stream).
    virtual void AllNotesOff() = 0;
    // Adds the next frames, interleaved stereo at the mixer's rate, times `gain`.
    virtual void RenderAdd(float* out, std::size_t frames, float gain) = 0;
    // False while its SoundFont still loads: until then the output takes no
    // message and adds nothing, and whoever plays on it holds its clock.
    virtual bool Ready() const { return true; }
    // True once a load that was still running when the output was handed out
    // has failed: the output never becomes ready.
    virtual bool LoadFailed() const { return false; }
};

// The first General MIDI SoundFont found: default-GM.sf2, FluidR3_GM.sf2,
// TimGM6mb.sf2 under /usr/share/sounds/sf2 (BRINDLE_SOUNDFONT overrides); "" when none.
std::string FindSoundFont();

// A FluidSynth synthesiser with the SoundFont loaded; null (and `error` set)
// when FluidSynth or the SoundFont cannot be had. It takes the load
// StartMidiSynthLoad began, if one waits: already failed, it answers null as
// a load here would; still running, it hands the synthesiser out at once, not
// Ready() until the load ends.
std::unique_ptr<cMidiOut> CreateMidiSynth(std::string& error);

// Begins loading the SoundFont into a synthesiser on a thread of its own, for
// the next CreateMidiSynth. Does nothing when a load already waits, or when no
// SoundFont is found (CreateMidiSynth then fails at once, as without it).
void StartMidiSynthLoad();
// Waits for a load that no CreateMidiSynth took, and frees it with its thread.
void DiscardMidiSynthLoad();
