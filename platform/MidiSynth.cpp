#include "platform/MidiSynth.h"

#include "platform/AudioMixer.h"

#include <dlfcn.h>
#include <fluidsynth.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <thread>
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

// FluidSynth reads the samples with OpenMP across every core. On a busy
// machine the team's waiting makes the load several times slower than one
// thread does it (a 6 MB SoundFont: about 70 ms against 11), and the team
// stays behind as idle threads. The calling thread asks its OpenMP runtime, if
// the synthesiser brought one, for one thread.
void LoadOnOneThread() {
    using SetThreadCount = void (*)(int);
    if (auto set = reinterpret_cast<SetThreadCount>(dlsym(RTLD_DEFAULT, "omp_set_num_threads"))) set(1);
}

// A synthesiser and its SoundFont, loaded here or on a thread of its own.
// The loading thread owns everything until it stores the outcome (release);
// readers that see kReady or kFailed (acquire) see all it wrote.
class cSynthLoad {
public:
    enum : int { kLoading, kReady, kFailed };

    ~cSynthLoad() {
        if (thread_.joinable()) thread_.join();
        if (synth_) delete_fluid_synth(synth_);
        if (settings_) delete_fluid_settings(settings_);
    }

    void Load(const std::string& font) {
        LoadOnOneThread();
        settings_ = new_fluid_settings();
        if (!settings_) return Fail("FluidSynth settings");
        fluid_settings_setnum(settings_, "synth.sample-rate", kMixRate);
        fluid_settings_setint(settings_, "synth.threadsafe-api", 0);
        fluid_settings_setint(settings_, "synth.cpu-cores", 1);
        synth_ = new_fluid_synth(settings_);
        if (!synth_) return Fail("FluidSynth");
        if (fluid_synth_sfload(synth_, font.c_str(), 1) == FLUID_FAILED)
            return Fail("the SoundFont " + font + " does not load");
        state_.store(kReady, std::memory_order_release);
    }
    void LoadInBackground(const std::string& font) {
        thread_ = std::thread([this, font] { Load(font); });
    }

    int State() const { return state_.load(std::memory_order_acquire); }
    // Only once State() is kFailed.
    const std::string& Error() const { return error_; }
    // Only once State() is kReady.
    fluid_synth_t* Synth() const { return synth_; }

private:
    void Fail(std::string error) {
        error_ = std::move(error);
        state_.store(kFailed, std::memory_order_release);
    }

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    std::string error_;
    std::atomic<int> state_{kLoading};
    std::thread thread_;
};

// The load StartMidiSynthLoad began and no CreateMidiSynth took yet.
std::mutex PendingLock;
std::unique_ptr<cSynthLoad> PendingLoad;

class cFluidSynth : public cMidiOut {
public:
    explicit cFluidSynth(std::unique_ptr<cSynthLoad> load) : load_(std::move(load)) {}

    bool Ready() const override { return load_->State() == cSynthLoad::kReady; }
    bool LoadFailed() const override { return load_->State() == cSynthLoad::kFailed; }

    void ShortMessage(std::uint32_t message) override {
        if (!Ready()) return;
        fluid_synth_t* synth = load_->Synth();
        const int status = message & 0xFF, d1 = (message >> 8) & 0x7F, d2 = (message >> 16) & 0x7F;
        const int channel = status & 0x0F;
        switch (status & 0xF0) {
        case 0x80:
            fluid_synth_noteoff(synth, channel, d1);
            break;
        case 0x90:
            if (d2 == 0)
                fluid_synth_noteoff(synth, channel, d1);
            else
                fluid_synth_noteon(synth, channel, d1, d2);
            break;
        case 0xA0:
            fluid_synth_key_pressure(synth, channel, d1, d2);
            break;
        case 0xB0:
            fluid_synth_cc(synth, channel, d1, d2);
            break;
        case 0xC0:
            fluid_synth_program_change(synth, channel, d1);
            break;
        case 0xD0:
            fluid_synth_channel_pressure(synth, channel, d1);
            break;
        case 0xE0:
            fluid_synth_pitch_bend(synth, channel, d1 | (d2 << 7));
            break;
        default:
            break; // system messages (a reset among them) never reach the synthesiser
        }
    }

    void SysEx(const std::uint8_t* bytes, std::size_t size) override {
        if (!Ready()) return;
        // FluidSynth takes the bytes between the status and the closing 0xF7.
        if (size < 2) return;
        std::size_t n = size - 1;
        if (bytes[size - 1] == 0xF7) --n;
        if (n > 0)
            fluid_synth_sysex(load_->Synth(), reinterpret_cast<const char*>(bytes + 1), static_cast<int>(n),
                              nullptr, nullptr, nullptr, 0);
    }

    void AllNotesOff() override {
        if (Ready()) fluid_synth_all_notes_off(load_->Synth(), -1);
    }

    void RenderAdd(float* out, std::size_t frames, float gain) override {
        if (!Ready()) return;
        buffer_.resize(frames * 2);
        fluid_synth_write_float(load_->Synth(), static_cast<int>(frames), buffer_.data(), 0, 2,
                                buffer_.data(), 1, 2);
        for (std::size_t i = 0; i < frames * 2; ++i) out[i] += buffer_[i] * gain;
    }

private:
    std::unique_ptr<cSynthLoad> load_; // its destructor waits for a load still running
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
    std::unique_ptr<cSynthLoad> load;
    {
        std::lock_guard<std::mutex> lock(PendingLock);
        load = std::move(PendingLoad);
    }
    if (!load) {
        const std::string font = FindSoundFont();
        if (font.empty()) {
            error = "no General MIDI SoundFont";
            return nullptr;
        }
        load = std::make_unique<cSynthLoad>();
        load->Load(font);
    }
    if (load->State() == cSynthLoad::kFailed) {
        error = load->Error();
        return nullptr;
    }
    return std::make_unique<cFluidSynth>(std::move(load));
}

void StartMidiSynthLoad() {
    SilenceFluidSynthLog();
    std::lock_guard<std::mutex> lock(PendingLock);
    if (PendingLoad) return;
    const std::string font = FindSoundFont();
    if (font.empty()) return;
    PendingLoad = std::make_unique<cSynthLoad>();
    PendingLoad->LoadInBackground(font);
}

void DiscardMidiSynthLoad() {
    std::unique_ptr<cSynthLoad> load;
    {
        std::lock_guard<std::mutex> lock(PendingLock);
        load = std::move(PendingLoad);
    }
}
