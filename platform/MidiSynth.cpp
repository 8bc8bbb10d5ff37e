#include "platform/MidiSynth.h"

#include "platform/AudioMixer.h"

#include <fluidsynth.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <vector>

namespace {

void Quiet(int, const char*, void*) {}

void SilenceFluidSynthLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, Quiet, nullptr);
    });
}

class cFluidSynth : public cMidiOut {
public:
    cFluidSynth(fluid_settings_t* settings, fluid_synth_t* synth) : settings_(settings), synth_(synth) {}
    ~cFluidSynth() override {
        delete_fluid_synth(synth_);
        delete_fluid_settings(settings_);
    }

    void ShortMessage(std::uint32_t message) override {
        const int status = message & 0xFF, d1 = (message >> 8) & 0x7F, d2 = (message >> 16) & 0x7F;
        const int channel = status & 0x0F;
        switch (status & 0xF0) {
        case 0x80:
            fluid_synth_noteoff(synth_, channel, d1);
            break;
        case 0x90:
            if (d2 == 0)
                fluid_synth_noteoff(synth_, channel, d1);
            else
                fluid_synth_noteon(synth_, channel, d1, d2);
            break;
        case 0xA0:
            fluid_synth_key_pressure(synth_, channel, d1, d2);
            break;
        case 0xB0:
            fluid_synth_cc(synth_, channel, d1, d2);
            break;
        case 0xC0:
            fluid_synth_program_change(synth_, channel, d1);
            break;
        case 0xD0:
            fluid_synth_channel_pressure(synth_, channel, d1);
            break;
        case 0xE0:
            fluid_synth_pitch_bend(synth_, channel, d1 | (d2 << 7));
            break;
        default:
            break; // system messages (a reset among them) never reach the synthesiser
        }
    }

    void SysEx(const std::uint8_t* bytes, std::size_t size) override {
        // FluidSynth takes the bytes between the status and the closing 0xF7.
        if (size < 2) return;
        std::size_t n = size - 1;
        if (bytes[size - 1] == 0xF7) --n;
        if (n > 0)
            fluid_synth_sysex(synth_, reinterpret_cast<const char*>(bytes + 1), static_cast<int>(n), nullptr,
                              nullptr, nullptr, 0);
    }

    void AllNotesOff() override { fluid_synth_all_notes_off(synth_, -1); }

    void RenderAdd(float* out, std::size_t frames, float gain) override {
        buffer_.resize(frames * 2);
        fluid_synth_write_float(synth_, static_cast<int>(frames), buffer_.data(), 0, 2, buffer_.data(), 1, 2);
        for (std::size_t i = 0; i < frames * 2; ++i) out[i] += buffer_[i] * gain;
    }

private:
    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
    std::vector<float> buffer_;
};

} // namespace

std::string FindSoundFont() {
    if (const char* chosen = std::getenv("BRINDLE_SOUNDFONT")) return chosen;
    for (const char* name : {"default-GM.sf2", "FluidR3_GM.sf2", "TimGM6mb.sf2"}) {
        const std::filesystem::path path = std::filesystem::path("/usr/share/sounds/sf2") / name;
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) return path.string();
    }
    return "";
}

std::unique_ptr<cMidiOut> CreateMidiSynth(std::string& error) {
    SilenceFluidSynthLog();
    const std::string font = FindSoundFont();
    if (font.empty()) {
        error = "no General MIDI SoundFont";
        return nullptr;
    }
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings) {
        error = "FluidSynth settings";
        return nullptr;
    }
    fluid_settings_setnum(settings, "synth.sample-rate", kMixRate);
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);
    fluid_settings_setint(settings, "synth.cpu-cores", 1);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth) {
        delete_fluid_settings(settings);
        error = "FluidSynth";
        return nullptr;
    }
    if (fluid_synth_sfload(synth, font.c_str(), 1) == FLUID_FAILED) {
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        error = "the SoundFont " + font + " does not load";
        return nullptr;
    }
    return std::make_unique<cFluidSynth>(settings, synth);
}
